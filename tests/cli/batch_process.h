// quavelor-batch run as a separate program by the tests: its exit status and
// both outputs, captured through a shell command line with no input.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "compute/work_folder.h"

namespace qv::test {

inline const std::string kBatchBinary = QV_BINARY_DIR "/cli/quavelor-batch";

struct Finished {
  int status;
  std::string out, err;
};

// Runs `command` (a shell command line) with no input, capturing both outputs.
inline Finished Shell(const std::string& command) {
  WorkFolder capture;
  std::string line =
      command + " </dev/null >'" + (capture / "out") + "' 2>'" + (capture / "err") + "'";
  int raw = std::system(line.c_str());
  EXPECT_TRUE(WIFEXITED(raw)) << line;
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, capture.Read("out"), capture.Read("err")};
}

// The lines of `text`, split at LF; a last line without LF counts too.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace qv::test
