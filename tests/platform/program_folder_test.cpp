// The folder of a path and of the running program.
#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qv {
namespace {

TEST(FolderOf, FolderPartOfAPath) {
  struct Case {
    std::string path, folder;
  };
  const std::vector<Case> cases = {
      {"/usr/bin/prog", "/usr/bin"},
      {"/prog", "/"},
      {"/", "/"},
      {"prog", "."},
      {"a/b", "a"},
      {"a/b/", "a/b"},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
}

// This test program is built in the tests folder of the build tree.
TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
  namespace fs = std::filesystem;
  EXPECT_EQ(fs::path(ProgramFolder()), fs::canonical(fs::path(QV_BINARY_DIR) / "tests"));
}

}  // namespace
}  // namespace qv
