// The demo model generator: its output read back through LoadModelGrid agrees
// with the vertical grid shift of cct on the same global geoid grid, and it
// refuses missing or malformed grids.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../compute/work_folder.h"
#include "../frames/cct_tool.h"
#include "model/model_grid.h"

namespace qv {
namespace {

const std::string kTool = QV_BINARY_DIR "/tools/make_demo_model";
const std::string kGeoid = "/usr/share/proj/egm96_15.gtx";

// Exit status of the generator run with `arguments`, its messages discarded.
int RunTool(const std::string& arguments) {
  const int status = std::system((kTool + " " + arguments + " 2>/dev/null").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(MakeDemoModel, AgreesWithTheVerticalGridShiftOfCct) {
  if (!test::CctInstalled()) GTEST_SKIP() << "cct (Debian proj-bin) is not installed";
  test::WorkFolder folder;
  ASSERT_EQ(RunTool(folder / "demo.bin"), 0) << kTool;
  ModelGrid grid;
  LoadModelGrid(folder / "demo.bin", grid, [] {});

  struct Node {
    int row, col;
  };
  std::vector<Node> nodes = {{0, 0},     {0, 1200},  {800, 0},  {800, 1200},
                             {400, 600}, {123, 987}, {777, 33}, {401, 601}};
  for (int k = 0; k < 24; ++k) nodes.push_back({(k * 331) % 801, (k * 547) % 1201});
  std::vector<std::string> lines;
  for (const Node& n : nodes) {
    char text[64];
    std::snprintf(text, sizeof text, "%d.%02d %d.%02d 0", 13 + n.col / 100, n.col % 100,
                  48 + n.row / 100, n.row % 100);
    lines.push_back(text);
  }
  // With multiplier 1 the shift adds the geoid height: z = 0 + N.
  const auto reference =
      test::RunCct("-d 6 +proj=vgridshift +grids=" + kGeoid + " +multiplier=1", lines);
  for (size_t k = 0; k < nodes.size(); ++k) {
    const long double N = GridValueToMetres(grid.G(nodes[k].row, nodes[k].col));
    EXPECT_NEAR(N, reference[k][2], 1e-4L) << lines[k];
    // Over Poland the geoid lies some tens of metres above the ellipsoid.
    EXPECT_GT(N, 20);
    EXPECT_LT(N, 50);
  }
}

struct RefusalCase {
  std::string name;
  std::string grid;  // bytes of the geoid grid given to the tool; "-" for none
  int status;
};

class RefusalCases : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalCases, EndWithAnErrorStatusAndNoModel) {
  const RefusalCase& c = GetParam();
  test::WorkFolder folder;
  std::string arguments = folder / "demo.bin";
  if (c.grid != "-") {
    folder.Write("grid.gtx", c.grid);
    arguments += " " + (folder / "grid.gtx");
  } else {
    arguments += " " + (folder / "no-such-grid.gtx");
  }
  EXPECT_EQ(RunTool(arguments), c.status);
  EXPECT_FALSE(folder.Exists("demo.bin"));
}

// Header of a grid with south −90, west −180, steps 0.25, 721 × 1440, big-endian.
const std::string kGlobalHeader(
    "\xC0\x56\x80\x00\x00\x00\x00\x00"
    "\xC0\x66\x80\x00\x00\x00\x00\x00"
    "\x3F\xD0\x00\x00\x00\x00\x00\x00"
    "\x3F\xD0\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x02\xD1\x00\x00\x05\xA0",
    40);
// The same with 0 rows.
const std::string kNoRowsHeader =
    kGlobalHeader.substr(0, 32) + std::string("\0\0\0\0\0\0\x05\xA0", 8);
// A 3 × 3 grid of 1° around 0° N 0° E: it does not cover the model area.
const std::string kSmallHeader(
    "\xBF\xF0\x00\x00\x00\x00\x00\x00"
    "\xBF\xF0\x00\x00\x00\x00\x00\x00"
    "\x3F\xF0\x00\x00\x00\x00\x00\x00"
    "\x3F\xF0\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x03\x00\x00\x00\x03",
    40);

INSTANTIATE_TEST_SUITE_P(
    Grids, RefusalCases,
    ::testing::Values(RefusalCase{"MissingGrid", "-", 1}, RefusalCase{"EmptyGrid", "", 1},
                      RefusalCase{"ShortHeader", kGlobalHeader.substr(0, 39), 1},
                      RefusalCase{"NoValues", kGlobalHeader, 1},
                      RefusalCase{"NoRows", kNoRowsHeader, 1},
                      RefusalCase{"AreaNotCovered", kSmallHeader + std::string(36, '\0'), 1}),
    [](const auto& info) { return info.param.name; });

TEST(MakeDemoModel, WithoutArgumentsShowsUsage) {
  EXPECT_EQ(RunTool(""), 2);
}

}  // namespace
}  // namespace qv
