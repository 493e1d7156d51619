// Deflection of the vertical from the model grid.
#include "model/deflection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "synthetic_grid.h"

namespace qv {
namespace {

using test::Dms;

// Seconds of arc per radian, from π itself.
const long double kRho = 648000 / std::acos(-1.0L);

ModelGrid& SharedGrid() {
  static ModelGrid grid;
  return grid;
}

std::string TwoDecimals(long double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2Lf", v);
  return text;
}

struct StepCase {
  int32_t row;
  long double meridian, parallel;  // metres
};

TEST(StepLengths, FollowTheRow) {
  for (const StepCase& c : {StepCase{0, 1111.9L, 746.25L}, StepCase{2, 1111.9038L, 745.944L},
                            StepCase{400, 1112.66L, 685.05L}, StepCase{797, 1113.4143L, 624.309L},
                            StepCase{800, 1113.42L, 623.85L}}) {
    EXPECT_NEAR(MeridianStep(c.row), c.meridian, 1e-12L) << c.row;
    EXPECT_NEAR(ParallelStep(c.row), c.parallel, 1e-12L) << c.row;
  }
}

enum class Slope { Flat, RisesNorth, RisesEast, FallsNorth, FallsEast };

int32_t Value(Slope slope, int r, int c) {
  constexpr int32_t kBase = 3'500'000;  // 35 m
  constexpr int32_t kPerStep = 1'000;   // 0.01 m per grid step
  switch (slope) {
    case Slope::Flat:
      return kBase;
    case Slope::RisesNorth:
      return kBase + kPerStep * r;
    case Slope::RisesEast:
      return kBase + kPerStep * c;
    case Slope::FallsNorth:
      return kBase - kPerStep * r;
    case Slope::FallsEast:
      return kBase - kPerStep * c;
  }
  return 0;
}

struct SlopeCase {
  std::string name;
  Slope slope;
  long double B, L;      // the point, seconds of arc
  int32_t row;           // its cell row, for the step length
  std::string ksi, eta;  // written with 2 decimals
};

class SlopeCases : public ::testing::TestWithParam<SlopeCase> {};

TEST_P(SlopeCases, GivesTheNegativeSlopeInSecondsOfArc) {
  const SlopeCase& c = GetParam();
  ModelGrid& grid = SharedGrid();
  test::FillGrid(grid, [&](int r, int k) { return Value(c.slope, r, k); });
  const std::optional<GridCell> cell = LocateCell(c.B, c.L, EdgeClamp::On);
  ASSERT_TRUE(cell.has_value());
  ASSERT_EQ(cell->Row, c.row);
  const Deflection d = ComputeDeflection(grid, *cell);

  EXPECT_EQ(TwoDecimals(d.KSI), c.ksi);
  EXPECT_EQ(TwoDecimals(d.ETA), c.eta);
  // 0.01 m per step over the step length, as an angle.
  const long double slope = 0.01L * kRho;
  switch (c.slope) {
    case Slope::Flat:
      EXPECT_EQ(d.KSI, 0);
      EXPECT_EQ(d.ETA, 0);
      break;
    case Slope::RisesNorth:
    case Slope::FallsNorth:
      EXPECT_NEAR(std::fabs(d.KSI), slope / MeridianStep(c.row), 1e-12L);
      EXPECT_EQ(d.ETA, 0);
      break;
    case Slope::RisesEast:
    case Slope::FallsEast:
      EXPECT_EQ(d.KSI, 0);
      EXPECT_NEAR(std::fabs(d.ETA), slope / ParallelStep(c.row), 1e-12L);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grids, SlopeCases,
    ::testing::Values(SlopeCase{"Flat", Slope::Flat, Dms(52, 0, 10), Dms(19, 0, 20), 400, "0.00",
                                "0.00"},
                      SlopeCase{"NorthRow400", Slope::RisesNorth, Dms(52, 0, 0), Dms(19, 0, 0), 400,
                                "-1.85", "0.00"},
                      SlopeCase{"NorthRow400InCell", Slope::RisesNorth, Dms(52, 0, 25),
                                Dms(19, 0, 7), 400, "-1.85", "0.00"},
                      SlopeCase{"NorthRow2", Slope::RisesNorth, Dms(48, 1, 15), Dms(19, 0, 0), 2,
                                "-1.86", "0.00"},
                      SlopeCase{"EastRow400", Slope::RisesEast, Dms(52, 0, 0), Dms(19, 0, 0), 400,
                                "0.00", "-3.01"},
                      SlopeCase{"EastRow797", Slope::RisesEast, Dms(55, 58, 30), Dms(19, 0, 30),
                                797, "0.00", "-3.30"},
                      SlopeCase{"FallsNorth", Slope::FallsNorth, Dms(52, 0, 0), Dms(19, 0, 0), 400,
                                "1.85", "0.00"},
                      SlopeCase{"FallsEast", Slope::FallsEast, Dms(52, 0, 0), Dms(19, 0, 0), 400,
                                "0.00", "3.01"}),
    [](const auto& info) { return info.param.name; });

TEST(ComputeDeflection, UsesOnlyTheTwelveStencilNodes) {
  ModelGrid& grid = SharedGrid();
  const GridCell cell = *LocateCell(Dms(51, 0, 13), Dms(20, 0, 29), EdgeClamp::On);
  const int r = cell.Row, c = cell.Col;
  auto inStencil = [&](int i, int j) {
    const int di = i - r, dj = j - c;
    const bool middleRows = (di == 0 || di == 1) && dj >= -1 && dj <= 2;
    const bool outerRows = (di == -1 || di == 2) && (dj == 0 || dj == 1);
    return middleRows || outerRows;
  };
  auto relief = [](int i, int j) { return 3'000'000 + (i * 7919 + j * 104'729) % 50'000; };
  test::FillGrid(grid, [&](int i, int j) { return inStencil(i, j) ? relief(i, j) : 0; });
  const Deflection quiet = ComputeDeflection(grid, cell);
  test::FillGrid(grid, [&](int i, int j) { return inStencil(i, j) ? relief(i, j) : 99'999'999; });
  const Deflection noisy = ComputeDeflection(grid, cell);
  EXPECT_EQ(quiet.KSI, noisy.KSI);
  EXPECT_EQ(quiet.ETA, noisy.ETA);
  EXPECT_NE(quiet.KSI, 0);
  EXPECT_NE(quiet.ETA, 0);
}

}  // namespace
}  // namespace qv
