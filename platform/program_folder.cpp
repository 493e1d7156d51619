#include "platform/program_folder.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/error.h"

namespace qv {

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string ProgramFolder() {
  const char* self = "/proc/self/exe";
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t n = readlink(self, buffer.data(), buffer.size());
    if (n < 0) throw SystemError(self, errno);
    if (static_cast<size_t>(n) < buffer.size()) return FolderOf(std::string(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace qv
