// Location of a point in the model grid, with and without the edge clamp.
#include "model/grid_cell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "synthetic_grid.h"

namespace qv {
namespace {

using test::Dms;

struct CellCase {
  std::string name;
  long double B, L;  // seconds of arc
  EdgeClamp clamp;
  bool inside;
  int32_t row = 0, col = 0;
  long double rowFrac = 0, colFrac = 0;  // worked out by hand from the degrees
};

constexpr long double kB52 = Dms(52, 0, 0);  // row 400
constexpr long double kL19 = Dms(19, 0, 0);  // column 600
constexpr auto On = EdgeClamp::On;
constexpr auto Off = EdgeClamp::Off;

class LocateCellCases : public ::testing::TestWithParam<CellCase> {};

TEST_P(LocateCellCases, FindsTheCellOrTheOutside) {
  const CellCase& c = GetParam();
  const std::optional<GridCell> cell = LocateCell(c.B, c.L, c.clamp);
  ASSERT_EQ(cell.has_value(), c.inside);
  if (!cell) return;
  EXPECT_EQ(cell->Row, c.row);
  EXPECT_EQ(cell->Col, c.col);
  EXPECT_NEAR(cell->RowFrac, c.rowFrac, 1e-12L);
  EXPECT_NEAR(cell->ColFrac, c.colFrac, 1e-12L);
}

const long double kNaN = std::nanl("");
const long double kInf = HUGE_VALL;

INSTANTIATE_TEST_SUITE_P(
    Edges, LocateCellCases,
    ::testing::Values(
        CellCase{"Node52N19E", kB52, kL19, On, true, 400, 600, 0, 0},
        CellCase{"Node52N19ENoClamp", kB52, kL19, Off, true, 400, 600, 0, 0},
        CellCase{"SouthWestCorner", Dms(48, 0, 0), Dms(13, 0, 0), On, true, 0, 0, 0, 0},
        CellCase{"InsideCell", Dms(52, 0, 9), Dms(19, 0, 27), Off, true, 400, 600, 0.25L, 0.75L},
        CellCase{"JustBelowNorthEdge", Dms(55, 59, 59), kL19, Off, true, 799, 600, 35.0L / 36, 0},
        // 56° N: row 800 falls into the last cell, along its northern edge.
        CellCase{"NorthEdge", Dms(56, 0, 0), kL19, On, true, 799, 600, 1, 0},
        CellCase{"NorthEdgeNoClamp", Dms(56, 0, 0), kL19, Off, false},
        CellCase{"NorthStrip", Dms(56, 0, 18), kL19, On, true, 799, 600, 1.5L, 0},
        CellCase{"NorthStripNoClamp", Dms(56, 0, 18), kL19, Off, false},
        CellCase{"NorthStrip30", Dms(56, 0, 30), kL19, On, true, 799, 600, 1 + 5.0L / 6, 0},
        CellCase{"BeyondNorthStrip", Dms(56, 0, 40), kL19, On, false},
        // South of 48° the cut toward zero still gives row 0.
        CellCase{"SouthStrip", Dms(47, 59, 50), kL19, On, true, 0, 600, -5.0L / 18, 0},
        CellCase{"SouthStripNoClamp", Dms(47, 59, 50), kL19, Off, true, 0, 600, -5.0L / 18, 0},
        CellCase{"BeyondSouthStrip", Dms(47, 59, 20), kL19, On, false},
        CellCase{"EastEdge", kB52, Dms(25, 0, 0), On, true, 400, 1199, 0, 1},
        CellCase{"EastEdgeNoClamp", kB52, Dms(25, 0, 0), Off, false},
        CellCase{"EastStrip", kB52, Dms(25, 0, 18), On, true, 400, 1199, 0, 1.5L},
        CellCase{"EastStripNoClamp", kB52, Dms(25, 0, 18), Off, false},
        CellCase{"BeyondEastStrip", kB52, Dms(25, 0, 40), On, false},
        CellCase{"WestStrip", kB52, Dms(12, 59, 50), Off, true, 400, 0, 0, -5.0L / 18},
        CellCase{"BeyondWestStrip", kB52, Dms(12, 59, 20), On, false},
        CellCase{"NorthEastCorner", Dms(56, 0, 0), Dms(25, 0, 0), On, true, 799, 1199, 1, 1}),
    [](const auto& info) { return info.param.name; });

// Latitudes and longitudes far beyond anything a record holds: grid
// coordinates beyond 32 bits, infinities and NaN are outside, with no
// undefined conversion.
INSTANTIATE_TEST_SUITE_P(Absurd, LocateCellCases,
                         ::testing::Values(CellCase{"HugeB", 1e30L, kL19, On, false},
                                           CellCase{"HugeNegativeB", -1e30L, kL19, On, false},
                                           CellCase{"HugeL", kB52, 1e4000L, Off, false},
                                           // x ≈ 2.17e9, just past the largest 32-bit integer.
                                           CellCase{"BJustBeyond32Bits", 7.8e10L, kL19, On, false},
                                           CellCase{"BJustWithin32Bits", 7.7e10L, kL19, On, false},
                                           CellCase{"LJustBeyond32BitsBelow", kB52, -7.8e10L, On,
                                                    false},
                                           CellCase{"InfiniteB", kInf, kL19, On, false},
                                           CellCase{"MinusInfiniteL", kB52, -kInf, On, false},
                                           CellCase{"NaNB", kNaN, kL19, On, false},
                                           CellCase{"NaNL", kB52, kNaN, Off, false}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace qv
