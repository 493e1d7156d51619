// Task 1: bl → bln.  For each point of bl (name, B and L in degrees, minutes and
// seconds) the height anomaly N in metres in the frame of the run and the
// deflection of the vertical KSI, ETA in seconds of arc, one result line per
// record.
#pragma once

#include "compute/line_reader.h"
#include "compute/result_file.h"
#include "compute/task_context.h"

namespace qv {

// Shows the start message "<bl>-><bln>", reads `bl` to its end writing the
// lines into `bln`, then closes `bl` and `bln`.  Throws Error when a file
// cannot be read or written.
void RunAnomalyTask(const TaskContext& context, LineReader& bl, ResultFile& bln);

}  // namespace qv
