// The folder of the running program's own file: the work folder of the desktop
// program, and where the model file is looked for last by the batch command.
#pragma once

#include <string>

namespace qv {

// The folder part of the program's path, without a trailing separator (the
// root folder keeps its "/").  Throws Error when the path cannot be read.
std::string ProgramFolder();

// The folder part of `path` by the same rule.
std::string FolderOf(const std::string& path);

}  // namespace qv
