// What a task receives from the run: the model grid, the frame of the run, the
// work folder and the user interface's operations, and a counter that reports
// the progress of a task's records to the host.
#pragma once

#include <string>
#include <string_view>

#include "compute/run.h"
#include "model/model_grid.h"

namespace qv {

struct TaskContext {
  const ModelGrid& grid;
  int FrameCode;              // kFrameETRF89 or kFrameETRF2000
  std::string_view FrameTag;  // FrameTag(FrameCode)
  std::string WorkFolder;
  RunHost& host;
};

// Counts the lines a task has read and tells the host every kReportEvery of
// them (and once at the end), so that a console can show progress on long
// files without a call per record.
class RecordCounter {
 public:
  static constexpr long kReportEvery = 65536;

  RecordCounter(RunHost& host, int task) : host_(host), task_(task) {}
  void Count() {
    if (++records_ % kReportEvery == 0) host_.RecordsDone(task_, records_);
  }
  void Finish() { host_.RecordsDone(task_, records_); }

 private:
  RunHost& host_;
  int task_;
  long records_ = 0;
};

}  // namespace qv
