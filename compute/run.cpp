#include "compute/run.h"

#include <optional>
#include <string>

#include "compute/anomaly_task.h"
#include "compute/height_tasks.h"
#include "compute/line_reader.h"
#include "compute/result_file.h"
#include "compute/satellite_levelling.h"
#include "compute/task_context.h"
#include "platform/error.h"
#include "platform/folder_names.h"

namespace qv {
namespace {

// Messages to the host, UTF-8.
constexpr const char* kNoModelFile = "*** Brak pliku: quavelor_5021RM.bin";
constexpr const char* kBadModelFile = "*** Błędny plik modelu: quavelor_5021RM.bin";
constexpr const char* kNoData = "*** Brak zbioru danych ";
constexpr const char* kFileError = "*** Błąd pliku: ";
constexpr const char* kRunEnd = " koniec obliczeń ";

// The files of tasks 1 to 3 and the result panels of the main window that show
// their results.
struct PointTaskFiles {
  const char* input;
  const char* result;
  int panel;
};
constexpr PointTaskFiles kPointTasks[3] = {
    {"bl", "bln", 4},
    {"blh_e", "blh_n.1", 5},
    {"blh_n", "blh_e.1", 6},
};
constexpr const char* kVectors = "deltah.gps";
constexpr const char* kPoints = "blh.grs";
constexpr int kLevellingTask = 3;  // index of task 4 in TaskEnabled

// The input and result of a task of 1 to 3 once it is opened (step 7).
struct OpenedTask {
  std::optional<LineReader> input;
  std::optional<ResultFile> result;
};

// Loads the model (steps 1 and 2); false when the run ends for want of a model.
bool LoadModel(const RunRequest& request, RunHost& host, ModelGrid& grid) {
  if (!FileExists(request.ModelPath)) {
    host.ShowInformation(kNoModelFile);
    host.EndProgram();
    return false;
  }
  try {
    LoadModelGrid(ResolvePath(request.ModelPath), grid, [&host] { host.AdvanceGauge(); });
  } catch (const Error&) {
    host.ShowInformation(kBadModelFile);
    host.EndProgram();
    return false;
  }
  return true;
}

// Steps 7 to 11: open tasks 1 to 3, run the enabled tasks in order.
RunOutcome RunTasks(const RunRequest& request, RunHost& host, const ModelGrid& grid) {
  const std::string& folder = request.WorkFolder;
  OpenedTask opened[3];
  for (int t = 0; t < 3; ++t) {
    const PointTaskFiles& files = kPointTasks[t];
    if (!request.TaskEnabled[t] || !FileExistsInFolder(folder, files.input)) continue;
    opened[t].input.emplace(ResolveInFolder(folder, files.input));
    opened[t].result.emplace(ResolveInFolder(folder, files.result));
    host.MarkFilePresent(files.panel);
  }

  const TaskContext context{grid, request.FrameCode, FrameTag(request.FrameCode), folder, host};
  if (opened[0].input) RunAnomalyTask(context, *opened[0].input, *opened[0].result);
  if (opened[1].input) RunEllipsoidalToNormal(context, *opened[1].input, *opened[1].result);
  if (opened[2].input) RunNormalToEllipsoidal(context, *opened[2].input, *opened[2].result);

  if (request.TaskEnabled[kLevellingTask] && FileExistsInFolder(folder, kVectors) &&
      FileExistsInFolder(folder, kPoints)) {
    return RunSatelliteLevelling(context);
  }
  return RunOutcome::Completed;
}

}  // namespace

std::string_view FrameTag(int frameCode) {
  switch (frameCode) {
    case kFrameETRF89:
      return " PL-ETRF89";
    case kFrameETRF2000:
      return " PL-ETRF2000";
    default:
      return "";
  }
}

RunOutcome RunComputation(const RunRequest& request, RunHost& host, ModelGrid& grid) {
  if (!LoadModel(request, host, grid)) return RunOutcome::ModelMissing;
  host.HideDialog();
  // Numbers are always read and written with "." as the decimal point, whatever
  // the locale: the conversions of the record and result layers never consult
  // it, so nothing is set here.

  const std::string& folder = request.WorkFolder;
  bool anyPointInput = false;
  for (const PointTaskFiles& files : kPointTasks) {
    anyPointInput = anyPointInput || FileExistsInFolder(folder, files.input);
  }
  if (!anyPointInput &&
      !(FileExistsInFolder(folder, kVectors) && FileExistsInFolder(folder, kPoints))) {
    host.ShowInformation(kNoData);
    return RunOutcome::NoData;
  }

  RunOutcome outcome;
  try {
    outcome = RunTasks(request, host, grid);
  } catch (const Error& e) {
    // A file that could not be opened, read, created or written: what other
    // tasks completed stays written, and the run does not claim success.
    host.ShowInformation(std::string(kFileError) + e.file() + " (" + e.what() + ")");
    return RunOutcome::FileError;
  }
  if (outcome != RunOutcome::Completed) return outcome;
  host.ShowMessage(kRunEnd);
  return RunOutcome::Completed;
}

}  // namespace qv
