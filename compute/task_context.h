// What a task receives from the run.
#pragma once

#include <string>
#include <string_view>

#include "compute/run.h"
#include "model/model_grid.h"

namespace qv {

struct TaskContext {
  const ModelGrid& grid;
  int FrameCode;
  std::string_view FrameTag;
  std::string WorkFolder;
  RunHost& host;
};

}  // namespace qv
