// quavelor-batch: the run of the desktop program without windows, for scripts
// and large jobs.  Same RunComputation, same result files; messages go to
// standard error and the outcome becomes the exit status.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/batch_options.h"
#include "cli/console_host.h"
#include "compute/run.h"
#include "model/model_grid.h"
#include "platform/error.h"
#include "platform/folder_names.h"
#include "platform/program_folder.h"

namespace {

enum ExitStatus {
  kCompleted = 0,
  kFatalData = 1,
  kUsage = 2,
  kModelMissing = 3,
  kNoData = 4,
  kFileError = 5,
};

int StatusOf(qv::RunOutcome outcome) {
  switch (outcome) {
    case qv::RunOutcome::Completed:
      return kCompleted;
    case qv::RunOutcome::FatalData:
      return kFatalData;
    case qv::RunOutcome::ModelMissing:
      return kModelMissing;
    case qv::RunOutcome::NoData:
      return kNoData;
    case qv::RunOutcome::FileError:
      return kFileError;
  }
  return kFileError;
}

// The folder as a full path without a trailing separator, so that the
// messages name files by their full paths as the desktop program does.
std::string FullFolderPath(const std::string& folder) {
  std::string full = std::filesystem::absolute(folder).lexically_normal().string();
  while (full.size() > 1 && full.back() == '/') full.pop_back();
  return full;
}

// --model, else the model file in the work folder (letter case aside), else
// the one beside the command.
std::string ModelPathFor(const qv::BatchOptions& options, const std::string& folder) {
  if (!options.ModelPath.empty()) return options.ModelPath;
  if (qv::FileExistsInFolder(folder, qv::kModelFileName)) {
    return qv::ResolveInFolder(folder, qv::kModelFileName);
  }
  return qv::JoinPath(qv::ProgramFolder(), qv::kModelFileName);
}

void Complain(const std::string& text) {
  std::fprintf(stderr, "quavelor-batch: %s\n", text.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  qv::BatchOptions options;
  try {
    options = qv::ParseBatchOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const qv::Error& e) {
    Complain(e.what());
    Complain("opis wywołania: quavelor-batch --help");
    return kUsage;
  }
  if (options.help) {
    std::fputs(qv::BatchHelpText(), stdout);
    return kCompleted;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(options.Folder, ec)) {
    Complain("to nie jest folder: " + options.Folder);
    return kUsage;
  }

  try {
    qv::RunRequest request;
    request.WorkFolder = FullFolderPath(options.Folder);
    request.FrameCode = options.FrameCode;
    request.TaskEnabled = options.TaskEnabled;
    request.ModelPath = ModelPathFor(options, request.WorkFolder);

    qv::ConsoleHost host(stderr, isatty(STDERR_FILENO) == 1);
    qv::ModelGrid grid;
    return StatusOf(qv::RunComputation(request, host, grid));
  } catch (const qv::Error& e) {
    Complain(e.file().empty() ? std::string(e.what()) : e.file() + ": " + e.what());
    return kFileError;
  }
}
