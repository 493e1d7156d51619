// Task 1, bl → bln, on the plane model, whose N and deflection are known by
// hand: result lines byte for byte in both frames, the deflection range of the
// task at its edge rows and columns, the strips beyond the area's edges, and
// the lines of bad, skipped and out-of-area records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frames/etrf89.h"
#include "run_fixture.h"

namespace qv::test {
namespace {

// A point, the row of its cell, and whether task 1 computes its deflection.
struct EdgeCase {
  PointText point;
  int row;
  bool deflection;
};

std::string Task1Line(const EdgeCase& c, long double N, std::string_view tag) {
  std::string line = c.point.Position() + Fixed(N, 9, 4) + " KSI = ";
  line += c.deflection ? Fixed(PlaneKSI(c.row), 6, 2) : " ***  ";
  line += "[\"] ETA = ";
  line += c.deflection ? Fixed(PlaneETA(c.row), 6, 2) : " ***  ";
  return line + "[\"]  " + std::string(tag);
}

// Points at the middle of cells (so that the cell is certain) on the edge rows
// and columns of the task's range 2..797 × 2..1197, on the area's edges and in
// the strips one grid step beyond them.
const std::vector<EdgeCase> kEdgeCases = {
    {{"ROW1", 48, 0, "54", 19, 0, "18"}, 1, false},
    {{"ROW2", 48, 1, "30", 19, 0, "18"}, 2, true},
    {{"ROW400", 52, 0, "18", 19, 0, "18"}, 400, true},
    {{"ROW797", 55, 58, "30", 19, 0, "18"}, 797, true},
    {{"ROW798", 55, 59, "6", 19, 0, "18"}, 798, false},
    {{"ROW799", 55, 59, "42", 19, 0, "18"}, 799, false},
    {{"N56", 56, 0, "0", 19, 0, "18"}, 799, false},
    {{"N56STRIP", 56, 0, "30", 19, 0, "18"}, 799, false},
    {{"S48STRIP", 47, 59, "50", 19, 0, "18"}, 0, false},
    {{"COL0", 52, 0, "18", 13, 0, "18"}, 400, false},
    {{"COL1", 52, 0, "18", 13, 0, "54"}, 400, false},
    {{"COL2", 52, 0, "18", 13, 1, "30"}, 400, true},
    {{"COL1197", 52, 0, "18", 24, 58, "30"}, 400, true},
    {{"COL1198", 52, 0, "18", 24, 59, "6"}, 400, false},
    {{"COL1199", 52, 0, "18", 24, 59, "42"}, 400, false},
    {{"E25", 52, 0, "18", 25, 0, "0"}, 400, false},
    {{"E25STRIP", 52, 0, "18", 25, 0, "18"}, 400, false},
    {{"W13STRIP", 52, 0, "18", 12, 59, "50"}, 400, false},
    {{"FRACTION", 52, 15, "30.12345", 21, 0, "45.5"}, 425, true},
};

TEST(Task1, LinesOfPointsAtTheEdgesOfTheDeflectionRange) {
  for (int frame : {kFrameETRF2000, kFrameETRF89}) {
    WorkFolder folder;
    folder.WriteModel(Plane);
    std::vector<std::string> input, expected;
    for (const EdgeCase& c : kEdgeCases) {
      input.push_back(c.point.Line());
      long double N = PlaneN(c.point.B(), c.point.L());
      if (frame == kFrameETRF89) N = AnomalyToETRF89(c.point.B(), c.point.L(), N);
      expected.push_back(Task1Line(c, N, FrameTag(frame)));
    }
    folder.Write("bl", Lines(input));
    RunResult run = RunIn(folder, frame, OnlyTask(1));
    EXPECT_EQ(run.outcome, RunOutcome::Completed);
    EXPECT_EQ(folder.Read("bln"), Lines(expected)) << "frame " << frame;
  }
}

// Written out by hand: N = 30 + 0.01·(425.8367625 + 801.25) = 42.270867625 m;
// row 425: ΔB = 1112.7075 m, ΔL = 681.225 m.
TEST(Task1, LineWrittenOutInFull) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("bl", "PKT1 52 15 30.12345 21 0 45\r\n");
  RunIn(folder, kFrameETRF2000, OnlyTask(1));
  EXPECT_EQ(folder.Read("bln"),
            "            PKT1 52 15 30.12345 21  0 45.00000   42.2709 KSI =  -1.85[\"] ETA =  "
            "-3.03[\"]   PL-ETRF2000\r\n");
}

// The values that the frame transformation gives at four points, read off an
// independent transformation with the same parameters; constant models give
// the PL-ETRF2000 N.
TEST(Task1, AnomalyCarriedToETRF89) {
  struct Case {
    int32_t model;
    PointText point;
    std::string N89;
  };
  const std::vector<Case> cases = {
      {3000000, {"A", 52, 0, "0", 19, 0, "0"}, "  30.0662"},
      {4500000, {"B", 48, 0, "0", 13, 0, "0"}, "  45.0770"},
      {3000000, {"C", 56, 0, "0", 25, 0, "0"}, "  30.0525"},
      {-500000, {"D", 50, 30, "0", 16, 12, "0"}, "  -4.9311"},
  };
  for (const Case& c : cases) {
    WorkFolder folder;
    folder.WriteModel([&](int, int) { return c.model; });
    folder.Write("bl", c.point.Line() + "\r\n");
    RunIn(folder, kFrameETRF89, OnlyTask(1));
    std::string bln = folder.Read("bln");
    EXPECT_EQ(bln.substr(0, 56), c.point.Position() + c.N89) << c.point.name;
    EXPECT_TRUE(bln.ends_with("  PL-ETRF89\r\n")) << bln;
  }
}

TEST(Task1, BadSkippedAndOutOfAreaRecords) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  const PointText inside{"IN", 52, 0, "18", 19, 0, "18"};
  const std::string good =
      Task1Line({inside, 400, true}, PlaneN(inside.B(), inside.L()), " PL-ETRF2000");
  struct Case {
    std::string input;
    std::vector<std::string> lines;  // what bln gets for it
  };
  const std::vector<Case> cases = {
      {inside.Line(), {good}},
      // The bad-record line keeps the whole line as read, Windows-1250 bytes
      // included ("*** Błędny rekord: ").
      {"Z\xB3y 52 x 18 19 0 18",
       {"*** B\xB3\xEA"
        "dny rekord: Z\xB3y 52 x 18 19 0 18"}},
      {"P 52.0 0 18 19 0 18",
       {"*** B\xB3\xEA"
        "dny rekord: P 52.0 0 18 19 0 18"}},
      {"P2 52 15",
       {"*** B\xB3\xEA"
        "dny rekord: P2 52 15"}},
      {"  ;;TITLE ,", {}},
      {"", {}},
      {"0 52 0 18 19 0 18", {}},
      {"00 52 0 18 19 0 18",
       {PointText{"00", 52, 0, "18", 19, 0, "18"}.Position() + good.substr(47)}},
      {"ABCDEFGHIJKLMNOPQRST 52 0 18 19 0 18", {"ABCDEFGHIJKLMNOP" + good.substr(16)}},
      {"\xA3\xF3"
       "d\x9F 52 0 18 19 0 18",
       {"            \xA3\xF3"
        "d\x9F" +
        good.substr(16)}},
      {"ABCDEFGHIJKLMNOPQRST 56 0 40 19 0 18",
       {"ABCDEFGHIJKLMNOP *** punkt poza obszarem dopuszczalnym (1)"}},
      {"S 47 59 20 19 0 18", {"S *** punkt poza obszarem dopuszczalnym (1)"}},
      {"E 52 0 18 25 0 40", {"E *** punkt poza obszarem dopuszczalnym (1)"}},
      {"W 52 0 18 12 59 20", {"W *** punkt poza obszarem dopuszczalnym (1)"}},
      {"IN\t52;0,18   19 0 18 comment", {good}},
  };
  std::string input;
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    input += c.input + "\r\n";
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
  }
  folder.Write("bl", input);
  RunIn(folder, kFrameETRF2000, OnlyTask(1));
  EXPECT_EQ(folder.Read("bln"), Lines(expected));
}

TEST(Task1, EmptyInputGivesEmptyResult) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("bl", "");
  folder.Write("bln", "old result\r\n");
  RunResult run = RunIn(folder, kFrameETRF2000, OnlyTask(1));
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  EXPECT_TRUE(folder.Exists("bln"));
  EXPECT_EQ(folder.Read("bln"), "");
}

}  // namespace
}  // namespace qv::test
