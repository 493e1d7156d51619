// Runs the coordinate transformation command `cct` (Debian package proj-bin)
// as an independent reference for the tests: one call per batch of points,
// since the command is slow to start.
#pragma once

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv::test {

inline bool CctInstalled() {
  return std::system("command -v cct >/dev/null 2>&1") == 0;
}

// The first three output columns of `cct <arguments>` for each input line
// ("x y z", e.g. "lon lat h" in degrees and metres).  Throws when the command
// fails or answers with fewer lines than given.
inline std::vector<std::array<long double, 3>> RunCct(const std::string& arguments,
                                                      const std::vector<std::string>& lines) {
  char inputPath[] = "/tmp/qvcct-XXXXXX";
  const int fd = mkstemp(inputPath);
  if (fd < 0) throw std::runtime_error("cannot create a temporary file for cct");
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  close(fd);

  std::vector<std::array<long double, 3>> out;
  if (written) {
    const std::string command = "cct " + arguments + " " + inputPath + " 2>/dev/null";
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[512];
      while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::array<long double, 3> v{};
        char* p = buffer;
        char* end = nullptr;
        bool ok = true;
        for (long double& x : v) {
          x = std::strtold(p, &end);
          ok = ok && end != p;
          p = end;
        }
        if (ok) out.push_back(v);
      }
      pclose(pipe);
    }
  }
  unlink(inputPath);
  if (out.size() != lines.size()) {
    throw std::runtime_error("cct answered " + std::to_string(out.size()) + " lines for " +
                             std::to_string(lines.size()) + " points: cct " + arguments);
  }
  return out;
}

}  // namespace qv::test
