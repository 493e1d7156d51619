// Task 4: satellite levelling.  deltah.gps (GNSS vectors) and blh.grs (point
// list) → deltah1 with normal height differences dH = DH + N(I) − N(J).
#pragma once

#include "compute/run.h"
#include "compute/task_context.h"

namespace qv {

// Runs the task (the caller has checked that both inputs exist and the task is
// enabled).  Returns Completed, or FatalData after the host ended the program.
// Throws Error for a file that cannot be opened, read or written.
RunOutcome RunSatelliteLevelling(const TaskContext& context);

}  // namespace qv
