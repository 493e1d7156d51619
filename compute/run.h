// The run: load the model, check for data, execute the enabled tasks 1, 2, 3, 4
// in this order on the files of the work folder, end with a message.  Driven
// by the desktop program, the batch command and the tests through RunHost.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/model_grid.h"

namespace qv {

// 1 = PL-ETRF89, 3 = PL-ETRF2000 (the frame of the model).
inline constexpr int kFrameETRF89 = 1;
inline constexpr int kFrameETRF2000 = 3;

// " PL-ETRF89", " PL-ETRF2000", or empty for any other code.
std::string_view FrameTag(int frameCode);

inline constexpr const char* kModelFileName = "quavelor_5021RM.bin";

struct RunRequest {
  std::string WorkFolder;              // folder of all data and result files
  int FrameCode = 0;                   // kFrameETRF89 or kFrameETRF2000
  std::array<bool, 4> TaskEnabled{{true, true, true, true}};
  std::string ModelPath;               // the model file (its name matched case-insensitively)
};

// What the user interface does for the run.  Texts are UTF-8.
class RunHost {
 public:
  virtual ~RunHost() = default;
  virtual void AdvanceGauge() = 0;                      // once per model value
  virtual void HideDialog() = 0;                        // after loading
  virtual void MarkFilePresent(int panel) = 0;          // 4, 5, 6 or 9
  virtual void ShowMessage(const std::string& text) = 0;      // plain, one OK
  virtual void ShowInformation(const std::string& text) = 0;  // "Information", one OK
  // The program ends; the run returns at once after this call.
  virtual void EndProgram() = 0;
  // Progress of a task's records, every few thousand records; for consoles.
  virtual void RecordsDone(int /*task*/, long /*records*/) {}
};

enum class RunOutcome {
  Completed,     // " koniec obliczeń " was shown
  NoData,        // "*** Brak zbioru danych "
  ModelMissing,  // missing or bad model file; the program was ended
  FatalData,     // a fatal stop of task 4; the program was ended
  FileError,     // "*** Błąd pliku: ..."; the run ended
};

// The whole run.  `grid` is the program's model grid, refilled by every run.
// A file of the tasks that cannot be opened, read, created or written ends the
// run with the information "*** Błąd pliku: <path> (<system's reason>)" and
// FileError; result files of tasks already finished stay as written.
RunOutcome RunComputation(const RunRequest& request, RunHost& host, ModelGrid& grid);

}  // namespace qv
