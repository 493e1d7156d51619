#include "platform/folder_names.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace qv {
namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const char* a, const std::string& b) {
  size_t i = 0;
  for (; a[i] != '\0'; ++i) {
    if (i >= b.size() || FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return i == b.size();
}

// A file for the system is anything that exists and is not a folder: a regular
// file, or a link to one or to a device.
bool IsFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string ResolveInFolder(const std::string& folder, const std::string& name) {
  std::string exact = JoinPath(folder, name);
  if (IsFile(exact)) return exact;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "." : folder.c_str()),
                                          closedir);
  if (!dir) return exact;
  std::string found;
  while (const dirent* entry = readdir(dir.get())) {
    if (!SameIgnoringCase(entry->d_name, name)) continue;
    std::string candidate = JoinPath(folder, entry->d_name);
    // Several case variants: take the first in name order, so the choice does
    // not depend on the order of the folder's entries.
    if (IsFile(candidate) && (found.empty() || candidate < found)) found = candidate;
  }
  return found.empty() ? exact : found;
}

bool FileExistsInFolder(const std::string& folder, const std::string& name) {
  return IsFile(ResolveInFolder(folder, name));
}

std::string ResolvePath(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ResolveInFolder("", path);
  std::string folder = slash == 0 ? "/" : path.substr(0, slash);
  return ResolveInFolder(folder, path.substr(slash + 1));
}

bool FileExists(const std::string& path) { return IsFile(ResolvePath(path)); }

}  // namespace qv
