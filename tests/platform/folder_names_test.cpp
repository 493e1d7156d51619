// File names in a folder, matched without regard to letter case.
#include "platform/folder_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qv {
namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "qvnames-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  void File(const std::string& name) const { std::ofstream(*this / name) << name; }

 private:
  std::string path_;
};

TEST(JoinPath, OneSeparator) {
  struct Case {
    std::string folder, name, path;
  };
  const std::vector<Case> cases = {
      {"a", "b", "a/b"}, {"a/", "b", "a/b"},        {"", "b", "b"},
      {"/", "b", "/b"},  {"/x/y", "bl", "/x/y/bl"},
  };
  for (const auto& c : cases) EXPECT_EQ(JoinPath(c.folder, c.name), c.path);
}

TEST(ResolveInFolder, MatchesFilesWithoutRegardToCase) {
  Folder f;
  f.File("BLH_N.1");
  f.File("blh_n.1");
  f.File("Bl");
  fs::create_directory(f / "blh_e");
  fs::create_directory(f / "deltah1");
  f.File("DELTAH1");
  fs::create_symlink("/dev/null", f / "DeltaH.gps");
  fs::create_symlink(f / "nowhere", f / "blh.grs");
  struct Case {
    std::string name;
    std::string resolved;  // name in the folder
    bool exists;
  };
  const std::vector<Case> cases = {
      {"blh_n.1", "blh_n.1", true},  // the exact case wins
      {"BLH_N.1", "BLH_N.1", true},
      {"Blh_N.1", "BLH_N.1", true},  // no exact match: the first in name order
      {"bl", "Bl", true},
      {"BL", "Bl", true},
      {"BLN", "BLN", false},      // missing: created under the name given
      {"blh_e", "blh_e", false},  // a folder is not a file
      {"BLH_E", "BLH_E", false},
      {"deltah1", "DELTAH1", true},        // the folder of the exact name is passed over
      {"deltah.gps", "DeltaH.gps", true},  // a link to a device is a file
      {"BLH.GRS", "BLH.GRS", false},       // a dangling link is not
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResolveInFolder(f.path(), c.name), f / c.resolved) << c.name;
    EXPECT_EQ(FileExistsInFolder(f.path(), c.name), c.exists) << c.name;
    EXPECT_EQ(ResolvePath(f / c.name), f / c.resolved) << c.name;
    EXPECT_EQ(FileExists(f / c.name), c.exists) << c.name;
  }
}

TEST(ResolveInFolder, AMissingFolderGivesTheNameAsWritten) {
  Folder f;
  EXPECT_EQ(ResolveInFolder(f / "none", "BL"), f / "none/BL");
  EXPECT_FALSE(FileExistsInFolder(f / "none", "BL"));
}

}  // namespace
}  // namespace qv
