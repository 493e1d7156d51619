// Task 4, satellite levelling, run directly on a temporary work folder with a
// synthetic model whose height anomalies are easy to work out by hand.
#include "compute/satellite_levelling.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "compute/result_file.h"
#include "compute/run.h"
#include "compute/task_context.h"
#include "frames/etrf89.h"
#include "model/model_grid.h"
#include "recording_host.h"
#include "work_folder.h"

namespace qv {
namespace {

using test::RecordingHost;
using test::WorkFolder;

constexpr const char* kTag2000 = " PL-ETRF2000";
constexpr const char* kTag89 = " PL-ETRF89";

// The lines of deltah1 as the task writes them, Windows-1250, CR LF.
const std::string kEnd = "               0    0    0    0  \r\n";
const std::string kPointListError =
    " *** nie obliczono z powodu b\xB3\xEA"
    "du w pliku BLH.grs\r\n";

std::string Pad(std::string_view text, size_t width) {
  return std::string(text.size() < width ? width - text.size() : 0, ' ') + std::string(text);
}
std::string Result(std::string_view nrI, std::string_view nrJ, std::string_view dH,
                   std::string_view weight, std::string_view tag = kTag2000) {
  return Pad(nrI, 16) + " " + Pad(nrJ, 16) + " " + Pad(dH, 12) + " " + Pad(weight, 12) + " " +
         std::string(tag) + "\r\n";
}
std::string Missing(std::string_view nrI, std::string_view nrJ) {
  return Pad(nrI, 16) + " " + Pad(nrJ, 16) +
         " *** Brak wsp\xF3\xB3rz\xEA"
         "dnych B,L\r\n";
}
std::string Bad(std::string_view line) {
  return "*** B\xB3"
         "edny rekord: " +
         std::string(line) + "\r\n";
}
std::string Outside(std::string_view name) {
  return std::string(name) + " *** punkt poza obszarem dopuszczalnym\r\n";
}

std::unique_ptr<ModelGrid> MakeGrid(const std::function<int32_t(int, int)>& value) {
  auto grid = std::make_unique<ModelGrid>();
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c)
      grid->data()[static_cast<long>(r) * kGridCols + c] = value(r, c);
  }
  return grid;
}

// G = 1000·row + 10·column in 1e-5 m: N = 0.01 m per row and 0.0001 m per
// column, linear, so that the bilinear interpolation (and its extension beyond
// the edges) gives N = 0.01·x + 0.0001·y exactly up to rounding.
const ModelGrid& LinearGrid() {
  static const std::unique_ptr<ModelGrid> grid =
      MakeGrid([](int r, int c) { return 1000 * r + 10 * c; });
  return *grid;
}

struct TaskRun {
  RunOutcome outcome;
  std::string deltah1;
  std::vector<std::string> calls;
};

TaskRun RunTask(const WorkFolder& folder, const ModelGrid& grid, int frameCode,
                std::string_view tag) {
  RecordingHost host;
  const TaskContext context{grid, frameCode, tag, folder.path(), host};
  const RunOutcome outcome = RunSatelliteLevelling(context);
  return {outcome, folder.Read("deltah1"), host.calls};
}

TaskRun RunTask(const std::string& points, const std::string& vectors,
                int frameCode = kFrameETRF2000, const ModelGrid& grid = LinearGrid()) {
  WorkFolder folder;
  folder.Write("blh.grs", points);
  folder.Write("deltah.gps", vectors);
  folder.Write("deltah1", "an old result that must go\r\n");
  return RunTask(folder, grid, frameCode, frameCode == kFrameETRF89 ? kTag89 : kTag2000);
}

// Points on grid nodes of LinearGrid, N in metres:
const std::string P1 = "P1 52 0 0 19 0 0\r\n";  // row 400, column 600: N = 4.06
const std::string P2 = "P2 50 0 0 15 0 0\r\n";  // row 200, column 200: N = 2.02

struct LevellingCase {
  const char* what;
  std::string points;
  std::string vectors;
  std::string deltah1;
};

void PrintTo(const LevellingCase& c, std::ostream* os) {
  *os << c.what;
}

class SatelliteLevellingTest : public ::testing::TestWithParam<LevellingCase> {};

TEST_P(SatelliteLevellingTest, WritesDeltah1) {
  const LevellingCase& c = GetParam();
  const TaskRun run = RunTask(c.points, c.vectors);
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  EXPECT_EQ(run.deltah1, c.deltah1);
  // No start message, unlike tasks 1 to 3.
  EXPECT_EQ(run.calls, std::vector<std::string>{"mark 9"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SatelliteLevellingTest,
    ::testing::Values(
        // 1.23456 + 4.06 − 2.02 and 0 + 2.02 − 4.06.
        LevellingCase{"result lines", P1 + P2, "P1 P2 1.23456 0.0004\nP2 P1 0 2.5e-3\n",
                      Result("P1", "P2", "3.27456", "0.00040000") +
                          Result("P2", "P1", "-2.04000", "0.00250000") + kEnd},
        // 52°00′18″ 19°00′36″: x = 400.5, y = 601, N = 4.005 + 0.0601.
        LevellingCase{"point inside a cell", "Q 52 0 18 19 0 36\n" + P2, "Q P2 0 1",
                      Result("Q", "P2", "2.04510", "1.00000000") + kEnd},
        LevellingCase{"empty point list", "", "P1 P2 1 1\r\nP3 P4 2 2\r\n",
                      Missing("P1", "P2") + Missing("P3", "P4") + kEnd},
        LevellingCase{"empty vector file", P1 + "OUT 56 0 0 19 0 0\r\n" + P2, "",
                      Outside("OUT") + kEnd},
        LevellingCase{"records after the end record", P1 + P2,
                      "P1 P2 1 1\r\n0 0 0 0\r\nP2 P1 1 1\r\n0 0 0 0\r\n",
                      Result("P1", "P2", "3.04000", "1.00000000") +
                          Result("P2", "P1", "-1.04000", "1.00000000") + kEnd},
        // The decimal comma splits "1,5" into the fields 1 and 5.
        LevellingCase{"heading, short records and a decimal comma", P1 + P2,
                      "NrI NrJ DH(elips) 1/w\n-----------------\nP1 P2 1.5\nP1\nP1 P2\n"
                      "P1 P2 1,5 1\nP1 P2 x 1\n",
                      Bad("NrI NrJ DH(elips) 1/w") + Bad("P1 P2 1.5") +
                          Result("P1", "P2", "3.04000", "5.00000000") + Bad("P1 P2 x 1") + kEnd},
        // 56° and 25° lie outside without the clamp; 47°59′50″ (x ≈ −0.278)
        // and 12°59′50″ (y ≈ −0.278) fall into row or column 0 and are
        // extrapolated; 47°59′20″ (x ≈ −1.11) is outside.
        LevellingCase{"edges of the area",
                      "N56 56 0 0 19 0 0\nE25 52 0 0 25 0 0\n"
                      "S47 47 59 20 19 0 0\nS48 47 59 50 19 0 0\n"
                      "W13 52 0 0 12 59 50\n" +
                          P1,
                      "N56 P1 0 1\nP1 E25 0 1\nS48 P1 0 1\nW13 P1 0 1\nS47 P1 0 1\n",
                      Outside("N56") + Outside("E25") + Outside("S47") + Missing("N56", "P1") +
                          Missing("P1", "E25") + Result("S48", "P1", "-4.00278", "1.00000000") +
                          Result("W13", "P1", "-0.06003", "1.00000000") + Missing("S47", "P1") +
                          kEnd},
        // A at rows 100 and 300 (N 1.00 and 3.00), B at row 0 (N 0.00).
        LevellingCase{"start point twice before the end point",
                      "A 49 0 0 13 0 0\nX 50 0 0 13 0 0\nA 51 0 0 13 0 0\nY 50 0 0 13 0 0\n"
                      "B 48 0 0 13 0 0\n",
                      "A B 0 1\nB A 0 1\n",
                      Result("A", "B", "3.00000", "1.00000000") +
                          Result("B", "A", "-3.00000", "1.00000000") + kEnd},
        LevellingCase{"end point between the two start points",
                      "A 49 0 0 13 0 0\nB 48 0 0 13 0 0\nA 51 0 0 13 0 0\n", "A B 0 1\n",
                      Result("A", "B", "1.00000", "1.00000000") + kEnd},
        LevellingCase{"same name at both ends", "A 49 0 0 13 0 0\nA 51 0 0 13 0 0\n",
                      "A A -12.345674 1\n", Result("A", "A", "-12.34567", "1.00000000") + kEnd},
        LevellingCase{"names of 17 characters",
                      "ABCDEFGHIJKLMNOPQ 52 0 0 19 0 0\nABCDEFGHIJKLMNOPZ 56 0 0 19 0 0\n" + P2,
                      "ABCDEFGHIJKLMNOPR P2 0 1\n",
                      Outside("ABCDEFGHIJKLMNOP") +
                          Result("ABCDEFGHIJKLMNOP", "P2", "2.04000", "1.00000000") + kEnd},
        LevellingCase{"letter case of names", P1 + P2, "p1 P2 0 1\n", Missing("p1", "P2") + kEnd},
        // A first field "0" and a record of six fields are skipped; fields
        // after the seventh are not read.
        LevellingCase{"skipped and longer point records",
                      "0 52 0 0 19 0 0\nP3 52 0 0 19 0\nP2 50 0 0 15 0 0 123.456 remark\n",
                      "0 P2 0 1\nP3 P2 0 1\n", Missing("P3", "P2") + kEnd}),
    [](const ::testing::TestParamInfo<LevellingCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p; ++p) name += std::isalnum(*p) ? *p : '_';
      return name;
    });

TEST(SatelliteLevellingColumns, FrameNameFromColumn62) {
  const TaskRun run = RunTask(P1 + P2, "P1 P2 1.23456 0.0004\n");
  const std::string line = run.deltah1.substr(0, run.deltah1.find("\r\n"));
  EXPECT_EQ(line, "              P1               P2      3.27456   0.00040000  PL-ETRF2000");
  EXPECT_EQ(line.find("PL-ETRF2000"), 61u);
}

// G = 4500000 − 3750·row: N = 45 m at 48°, 13° and N = 30 m at 52°, 19°; in
// PL-ETRF89 those become about 45.0770 m and 30.0662 m.
TEST(SatelliteLevellingFrames, AnomaliesInTheFrameOfTheRun) {
  const auto grid = MakeGrid([](int r, int) { return 4500000 - 3750 * r; });
  const std::string points = "P52 52 0 0 19 0 0\nP48 48 0 0 13 0 0\n";
  const std::string vectors = "P52 P48 0 1\n";

  const TaskRun etrf2000 = RunTask(points, vectors, kFrameETRF2000, *grid);
  EXPECT_EQ(etrf2000.deltah1, Result("P52", "P48", "-15.00000", "1.00000000", kTag2000) + kEnd);

  const TaskRun etrf89 = RunTask(points, vectors, kFrameETRF89, *grid);
  ASSERT_EQ(etrf89.outcome, RunOutcome::Completed);
  const std::string line = etrf89.deltah1.substr(0, etrf89.deltah1.find("\r\n"));
  ASSERT_EQ(line.size(), 70u);
  EXPECT_EQ(line.substr(60), kTag89);
  const long double dH = std::stold(line.substr(33, 13));
  EXPECT_NEAR(static_cast<double>(dH), 30.0662 - 45.0770, 1.5e-4);
  // Exactly the anomalies of the frame procedure, each at its own point.
  std::string expected;
  AppendReal(expected, 0 + AnomalyToETRF89(187200, 68400, 30) - AnomalyToETRF89(172800, 46800, 45),
             5);
  EXPECT_EQ(Pad(expected, 12), line.substr(34, 12));
  EXPECT_EQ(etrf89.deltah1.substr(etrf89.deltah1.size() - kEnd.size()), kEnd);
}

TEST(SatelliteLevellingFatal, BadPointRecordStopsTheProgram) {
  // Windows-1250 "Łódź" in the bad record; the message carries it as UTF-8.
  const TaskRun run = RunTask("OUT1 56 0 0 19 0 0\n" + P1 + "OUT2 52 0 0 25 0 0\n" +
                                  "\xA3\xF3"
                                  "d\x9F 52 0 x 19 0 0\n" +
                                  P2,
                              "P1 P2 0 1\n");
  EXPECT_EQ(run.outcome, RunOutcome::FatalData);
  EXPECT_EQ(run.deltah1, Outside("OUT1") + Outside("OUT2") + kPointListError);
  EXPECT_EQ(run.calls,
            (std::vector<std::string>{
                "mark 9", "message *** BLH.grs - błędny rekord: Łódź 52 0 x 19 0 0", "end"}));
}

constexpr int kFullTable = 100000;

// `inside` points inside the area (names Q1, Q2, ...), with a point outside
// after every 1000th; and the out-of-area lines that those give.
struct ManyPoints {
  std::string points;
  std::string outsideLines;
};
ManyPoints MakeManyPoints(int inside) {
  ManyPoints many;
  many.points.reserve(static_cast<size_t>(inside) * 24);
  for (int k = 1; k <= inside; ++k) {
    // Rows 0..799 and columns 0..1199 in steps of 36″ (0.01°).
    many.points += "Q" + std::to_string(k) + " 48 0 " + std::to_string(36 * (k % 800)) + " 13 0 " +
                   std::to_string(36 * (k % 1200)) + "\n";
    if (k % 1000 == 0) {
      const std::string name = "X" + std::to_string(k);
      many.points += name + " 56 0 0 19 0 0\n";
      many.outsideLines += Outside(name);
    }
  }
  return many;
}

TEST(SatelliteLevellingCapacity, HoldsOneHundredThousandPoints) {
  const ManyPoints many = MakeManyPoints(kFullTable);
  const TaskRun run = RunTask(many.points, "Q1 Q100000 0 1\n");
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  EXPECT_EQ(run.calls, std::vector<std::string>{"mark 9"});
  // Q1: row 1, column 1, N = 0.0101; Q100000: row 0, column 400, N = 0.04.
  EXPECT_EQ(run.deltah1,
            many.outsideLines + Result("Q1", "Q100000", "-0.02990", "1.00000000") + kEnd);
}

TEST(SatelliteLevellingCapacity, StopsAtTheNextPointInside) {
  const ManyPoints many = MakeManyPoints(kFullTable + 1);
  const TaskRun run = RunTask(many.points, "Q1 Q100000 0 1\n");
  EXPECT_EQ(run.outcome, RunOutcome::FatalData);
  // What was written survives; no vector line and no end line.
  EXPECT_EQ(run.deltah1, many.outsideLines);
  EXPECT_EQ(run.calls,
            (std::vector<std::string>{"mark 9", "message *** Liczba punktów > 100000", "end"}));
}

// Through the whole run: task 4 comes after tasks 1 to 3, only when it is
// enabled, and its fatal stops end the program without the final message.
// File names are matched without regard to letter case.
struct WholeRunCase {
  const char* what;
  bool enabled;
  std::string points;
  RunOutcome outcome;
  std::string result;  // content of DELTAH1 afterwards
  std::vector<std::string> calls;
};

void PrintTo(const WholeRunCase& c, std::ostream* os) {
  *os << c.what;
}

class SatelliteLevellingInRun : public ::testing::TestWithParam<WholeRunCase> {};

TEST_P(SatelliteLevellingInRun, RunsAsTheLastTask) {
  const WholeRunCase& c = GetParam();
  WorkFolder folder;
  folder.WriteModel([](int r, int col) { return 1000 * r + 10 * col; });
  folder.Write("BLH.GRS", c.points);
  folder.Write("Deltah.gps", "P1 P2 1.23456 0.0004\r\n0 0 0 0\r\n");
  folder.Write("DELTAH1", "old\r\n");
  RunRequest request;
  request.WorkFolder = folder.path();
  request.FrameCode = kFrameETRF2000;
  request.TaskEnabled = {false, false, false, c.enabled};
  request.ModelPath = folder / "quavelor_5021RM.bin";
  RecordingHost host;
  ModelGrid grid;
  EXPECT_EQ(RunComputation(request, host, grid), c.outcome);
  EXPECT_EQ(folder.Read("DELTAH1"), c.result);
  EXPECT_FALSE(folder.Exists("deltah1"));
  EXPECT_EQ(host.calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SatelliteLevellingInRun,
    ::testing::Values(WholeRunCase{"enabled",
                                   true,
                                   P1 + P2,
                                   RunOutcome::Completed,
                                   Result("P1", "P2", "3.27456", "0.00040000") + kEnd,
                                   {"hide", "mark 9", "message  koniec obliczeń "}},
                      WholeRunCase{"disabled",
                                   false,
                                   P1 + P2,
                                   RunOutcome::Completed,
                                   "old\r\n",
                                   {"hide", "message  koniec obliczeń "}},
                      WholeRunCase{
                          "bad point record",
                          true,
                          P1 + "P2 50 0 0 15 0 0.5.5\r\n",
                          RunOutcome::FatalData,
                          kPointListError,
                          {"hide", "mark 9",
                           "message *** BLH.grs - błędny rekord: P2 50 0 0 15 0 0.5.5", "end"}}),
    [](const ::testing::TestParamInfo<WholeRunCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p; ++p) name += std::isalnum(*p) ? *p : '_';
      return name;
    });

}  // namespace
}  // namespace qv
