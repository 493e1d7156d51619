// The command line of quavelor-batch:
//   quavelor-batch --frame 89|2000 [--tasks 1234] [--model FILE] [FOLDER]
// and its --help text.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace qv {

struct BatchOptions {
  bool help = false;
  int FrameCode = 0;  // kFrameETRF89 or kFrameETRF2000
  std::array<bool, 4> TaskEnabled{{true, true, true, true}};
  std::string ModelPath;     // empty: not given
  std::string Folder = ".";  // as given
};

// Reads the arguments after the program name.  Throws Error with a message in
// plain words (UTF-8) for a wrong command line.
BatchOptions ParseBatchOptions(const std::vector<std::string>& args);

// The text of --help, UTF-8, ending with a line break.
const char* BatchHelpText();

}  // namespace qv
