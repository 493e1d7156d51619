// Tasks 2 and 3: heights of points between the ellipsoidal heights of the run's
// frame and normal heights (PL-KRON86-NH).  Task 2 reads blh_e (name, B, L in
// degrees, minutes, seconds, He in metres) and writes Hn = He − N with KSI and
// ETA in seconds of arc to blh_n.1; task 3 reads blh_n (Hn in metres) and
// writes He = Hn + N to blh_e.1.
#pragma once

#include "compute/line_reader.h"
#include "compute/result_file.h"
#include "compute/task_context.h"

namespace qv {

// Each shows the start message "<input>-><result>", reads its input to the end
// writing one line per data record, then closes the input and the result.
// Throws Error when a file cannot be read or written.
void RunEllipsoidalToNormal(const TaskContext& context, LineReader& blhE, ResultFile& blhN1);
void RunNormalToEllipsoidal(const TaskContext& context, LineReader& blhN, ResultFile& blhE1);

}  // namespace qv
