// File names in a folder matched without regard to letter case, as the data
// files of the work folder are: "BLH_n.1", "blh_n.1" and "Blh_N.1" name the same
// file.  Letter case is folded for the ASCII letters, the only ones in the
// system's fixed file names.
#pragma once

#include <string>

namespace qv {

// folder joined with name by one '/', without doubling a trailing one.
std::string JoinPath(const std::string& folder, const std::string& name);

// The path under which `name` is used in `folder`: the path of an existing file
// (anything but a folder) whose name equals `name` without regard to letter
// case, under its own name, an exact-case match winning when several exist;
// otherwise folder/name, under which a new file is created.
std::string ResolveInFolder(const std::string& folder, const std::string& name);

// Whether a file (not a folder) named `name` exists in `folder`, letter case
// aside.
bool FileExistsInFolder(const std::string& folder, const std::string& name);

// The same for a full path: its last component is matched in its folder.
std::string ResolvePath(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace qv
