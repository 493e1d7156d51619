// Tasks 2 (blh_e → blh_n.1, Hn = He − N with KSI and ETA) and 3 (blh_n →
// blh_e.1, He = Hn + N): lines byte for byte in both frames, task 2's
// deflection range (one row and one column further than task 1's), the
// spacing of its two kinds of line, and the records each task skips, rejects
// or places outside the area.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frames/etrf89.h"
#include "run_fixture.h"

namespace qv::test {
namespace {

// A point with its height field, the row of its cell, and whether task 2
// computes its deflection.
struct HeightCase {
  PointText point;
  std::string height;
  int row;
  bool deflection;
};

long double Height(const HeightCase& c) {
  return std::strtold(c.height.c_str(), nullptr);
}

std::string Task2Line(const HeightCase& c, long double N, std::string_view tag) {
  std::string line = c.point.Position() + Fixed(Height(c) - N, 9, 4) + " KSI = ";
  if (c.deflection) {
    line += Fixed(PlaneKSI(c.row), 6, 2) + "[\"]  ETA = " + Fixed(PlaneETA(c.row), 6, 2);
  } else {
    line += " ***  [\"] ETA =  ***  ";
  }
  return line + "[\"]  PL-KRON86-NH z " + std::string(tag);
}

std::string Task3Line(const HeightCase& c, long double N, std::string_view tag) {
  return c.point.Position() + Fixed(Height(c) + N, 9, 4) + " " + std::string(tag);
}

const std::vector<HeightCase> kEdgeCases = {
    {{"ROW1", 48, 0, "54", 19, 0, "18"}, "250.5", 1, false},
    {{"ROW2", 48, 1, "30", 19, 0, "18"}, "250.5", 2, true},
    {{"ROW797", 55, 58, "30", 19, 0, "18"}, "100", 797, true},
    {{"ROW798", 55, 59, "0", 19, 0, "0"}, "100", 798, true},
    {{"ROW799", 55, 59, "30", 19, 0, "0"}, "100", 799, false},
    {{"N56", 56, 0, "0", 19, 0, "18"}, "-12.25", 799, false},
    {{"S48STRIP", 47, 59, "50", 19, 0, "18"}, "0", 0, false},
    {{"COL1", 52, 0, "18", 13, 0, "54"}, "333.3333", 400, false},
    {{"COL2", 52, 0, "18", 13, 1, "30"}, "333.3333", 400, true},
    {{"COL1198", 52, 0, "0", 24, 59, "0"}, "1e2", 400, true},
    {{"COL1199", 52, 0, "18", 24, 59, "42"}, "1e2", 400, false},
    {{"E25STRIP", 52, 0, "18", 25, 0, "18"}, "99.99", 400, false},
    {{"FRACTION", 52, 15, "30.12345", 21, 0, "45.5"}, "123.4567", 425, true},
};

TEST(Tasks2And3, LinesOfPointsAtTheEdgesOfTheDeflectionRange) {
  for (int frame : {kFrameETRF2000, kFrameETRF89}) {
    WorkFolder folder;
    folder.WriteModel(Plane);
    std::string input;
    std::vector<std::string> expected2, expected3;
    for (const HeightCase& c : kEdgeCases) {
      input += c.point.Line() + " " + c.height + "\r\n";
      long double N = PlaneN(c.point.B(), c.point.L());
      if (frame == kFrameETRF89) N = AnomalyToETRF89(c.point.B(), c.point.L(), N);
      expected2.push_back(Task2Line(c, N, FrameTag(frame)));
      expected3.push_back(Task3Line(c, N, FrameTag(frame)));
    }
    folder.Write("blh_e", input);
    folder.Write("blh_n", input);
    std::array<bool, 4> tasks{{false, true, true, false}};
    RunResult run = RunIn(folder, frame, tasks);
    EXPECT_EQ(run.outcome, RunOutcome::Completed);
    EXPECT_EQ(folder.Read("blh_n.1"), Lines(expected2)) << "frame " << frame;
    EXPECT_EQ(folder.Read("blh_e.1"), Lines(expected3)) << "frame " << frame;
  }
}

// N interpolated as 30.1234 m: He 130.1234 gives Hn 100.0000 and back; a
// height of ten characters widens the line.
TEST(Tasks2And3, LinesWrittenOutInFull) {
  WorkFolder folder;
  folder.WriteModel([](int, int) { return 3012340; });
  folder.Write("blh_e", "PKT1 52 0 0 19 0 0 130.1234\r\nPKT2 52 0 0 19 0 0 -970.3766 uwagi\r\n");
  folder.Write("blh_n", "PKT1 52 0 0 19 0 0 100.0000\r\nPKT2 52 0 0 19 0 0 -1030.6234\r\n");
  RunIn(folder, kFrameETRF2000, {{false, true, true, false}});
  EXPECT_EQ(folder.Read("blh_n.1"),
            "            PKT1 52  0  0.00000 19  0  0.00000  100.0000 KSI =   0.00[\"]  ETA =   "
            "0.00[\"]  PL-KRON86-NH z  PL-ETRF2000\r\n"
            "            PKT2 52  0  0.00000 19  0  0.00000 -1000.5000 KSI =   0.00[\"]  ETA =   "
            "0.00[\"]  PL-KRON86-NH z  PL-ETRF2000\r\n");
  EXPECT_EQ(folder.Read("blh_e.1"),
            "            PKT1 52  0  0.00000 19  0  0.00000  130.1234  PL-ETRF2000\r\n"
            "            PKT2 52  0  0.00000 19  0  0.00000 -1000.5000  PL-ETRF2000\r\n");
}

TEST(Tasks2And3, BadSkippedAndOutOfAreaRecords) {
  WorkFolder folder;
  folder.WriteModel([](int, int) { return 3012340; });
  const std::string point = "            PKT1 52  0  0.00000 19  0  0.00000 ";
  const std::string tail2 = " KSI =   0.00[\"]  ETA =   0.00[\"]  PL-KRON86-NH z  PL-ETRF2000";
  // "*** Błedny rekord: " in Windows-1250.
  const std::string bad =
      "*** B\xB3"
      "edny rekord: ";
  struct Case {
    std::string input;
    std::vector<std::string> task2, task3;
  };
  const std::vector<Case> cases = {
      {"PKT1 52 0 0 19 0 0 130.1234",
       {point + " 100.0000" + tail2},
       {point + " 160.2468  PL-ETRF2000"}},
      {"PKT1 52 0 0 19 0 0", {}, {bad + "PKT1 52 0 0 19 0 0"}},
      {"PKT1 52", {}, {bad + "PKT1 52"}},
      {"TYTU\xA3", {}, {}},
      {"0 52 0 0 19 0 0 130.1234", {}, {}},
      // A decimal comma splits the height: 13 is read, 5 is a comment.
      {"PKT1 52 0 0 19 0 0 13,5",
       {point + " -17.1234" + tail2},
       {point + "  43.1234  PL-ETRF2000"}},
      {"PKT1 52 0 0 19 0 0 wys",
       {bad + "PKT1 52 0 0 19 0 0 wys"},
       {bad + "PKT1 52 0 0 19 0 0 wys"}},
      {"PKT1 52 0 0 19 x 0 10", {bad + "PKT1 52 0 0 19 x 0 10"}, {bad + "PKT1 52 0 0 19 x 0 10"}},
      {"ABCDEFGHIJKLMNOPQ 47 59 20 19 0 0 10",
       {"ABCDEFGHIJKLMNOP *** punkt poza obszarem dopuszczalnym (2)"},
       {"ABCDEFGHIJKLMNOP *** punkt poza obszarem dopuszczalnym (3)"}},
      {"ABCDEFGHIJKLMNOPQ 52 0 0 19 0 0 130.1234",
       {"ABCDEFGHIJKLMNOP 52  0  0.00000 19  0  0.00000  100.0000" + tail2},
       {"ABCDEFGHIJKLMNOP 52  0  0.00000 19  0  0.00000  160.2468  PL-ETRF2000"}},
  };
  std::string input;
  std::vector<std::string> expected2, expected3;
  for (const Case& c : cases) {
    input += c.input + "\r\n";
    expected2.insert(expected2.end(), c.task2.begin(), c.task2.end());
    expected3.insert(expected3.end(), c.task3.begin(), c.task3.end());
  }
  folder.Write("blh_e", input);
  folder.Write("blh_n", input);
  RunIn(folder, kFrameETRF2000, {{false, true, true, false}});
  EXPECT_EQ(folder.Read("blh_n.1"), Lines(expected2));
  EXPECT_EQ(folder.Read("blh_e.1"), Lines(expected3));
}

}  // namespace
}  // namespace qv::test
