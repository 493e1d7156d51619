// Loading the model file into the grid.
#include "model/model_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>

#include "../compute/work_folder.h"
#include "platform/error.h"

namespace qv {
namespace {

// A value for every node that differs from its neighbours and covers both
// signs and all four bytes, including the extremes of 32 bits.
int32_t Pattern(int r, int c) {
  if (r == 0 && c == 0) return std::numeric_limits<int32_t>::min();
  if (r == 800 && c == 1200) return std::numeric_limits<int32_t>::max();
  if (r == 400 && c == 600) return -1;
  return static_cast<int32_t>((r * 1201 + c) * 2'654'435'761u);
}

TEST(LoadModelGrid, ReadsEveryValueLittleEndianRowByRowFromTheSouth) {
  test::WorkFolder folder;
  folder.WriteModel(Pattern);
  ModelGrid grid;
  long steps = 0;
  LoadModelGrid(folder / "quavelor_5021RM.bin", grid, [&] { ++steps; });
  EXPECT_EQ(steps, 962001);
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c) ASSERT_EQ(grid.G(r, c), Pattern(r, c)) << r << " " << c;
  }
}

TEST(LoadModelGrid, DecodesTheBytesOfAValue) {
  test::WorkFolder folder;
  // First value 0x12345678 and second −2 (0xFFFFFFFE), written byte by byte.
  std::string bytes(kModelFileBytes, '\0');
  bytes.replace(0, 8, std::string("\x78\x56\x34\x12\xFE\xFF\xFF\xFF", 8));
  folder.Write("model.bin", bytes);
  ModelGrid grid;
  LoadModelGrid(folder / "model.bin", grid, [] {});
  EXPECT_EQ(grid.G(0, 0), 0x12345678);
  EXPECT_EQ(grid.G(0, 1), -2);
  EXPECT_EQ(grid.G(0, 2), 0);
}

TEST(LoadModelGrid, CallsTheStepBeforeEachValue) {
  test::WorkFolder folder;
  folder.WriteModel([](int, int) { return 7; });
  ModelGrid grid;
  std::fill(grid.data(), grid.data() + kGridValues, -7);
  long calls = 0;
  long misplaced = 0;
  LoadModelGrid(folder / "quavelor_5021RM.bin", grid, [&] {
    // At call k the values before k are stored and value k is not yet.
    if (calls > 0 && grid.data()[calls - 1] != 7) ++misplaced;
    if (grid.data()[calls] != -7) ++misplaced;
    ++calls;
  });
  EXPECT_EQ(calls, kGridValues);
  EXPECT_EQ(misplaced, 0);
  EXPECT_EQ(grid.G(800, 1200), 7);
}

TEST(LoadModelGrid, IgnoresBytesBeyondTheGrid) {
  test::WorkFolder folder;
  std::string bytes(kModelFileBytes, '\x01');
  bytes += "trailing bytes of no meaning";
  folder.Write("model.bin", bytes);
  ModelGrid grid;
  LoadModelGrid(folder / "model.bin", grid, [] {});
  EXPECT_EQ(grid.G(800, 1200), 0x01010101);
}

struct BadFileCase {
  std::string name;
  std::function<void(const test::WorkFolder&)> make;  // creates "model.bin", or not
};

class BadFileCases : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BadFileCases, AreReportedWithThePathAndLeaveTheGridAlone) {
  test::WorkFolder folder;
  GetParam().make(folder);
  const std::string path = folder / "model.bin";
  ModelGrid grid;
  std::fill(grid.data(), grid.data() + kGridValues, 12345);
  long steps = 0;
  try {
    LoadModelGrid(path, grid, [&] { ++steps; });
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.file(), path);
    EXPECT_NE(std::string(e.what()), "");
  }
  EXPECT_EQ(steps, 0);
  EXPECT_EQ(grid.G(0, 0), 12345);
  EXPECT_EQ(grid.G(800, 1200), 12345);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileCases,
    ::testing::Values(BadFileCase{"Missing", [](const test::WorkFolder&) {}},
                      BadFileCase{"Empty",
                                  [](const test::WorkFolder& f) { f.Write("model.bin", ""); }},
                      BadFileCase{"OneByteShort",
                                  [](const test::WorkFolder& f) {
                                    f.Write("model.bin", std::string(kModelFileBytes - 1, '\x02'));
                                  }},
                      BadFileCase{"Directory",
                                  [](const test::WorkFolder& f) {
                                    std::filesystem::create_directory(f / "model.bin");
                                  }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qv
