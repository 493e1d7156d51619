// Bilinear height anomaly N from the model grid.
#include "model/interpolation.h"

#include <gtest/gtest.h>

#include <string>

#include "synthetic_grid.h"

namespace qv {
namespace {

using test::Dms;

// Grids are large; each test program shares one and refills it.
ModelGrid& SharedGrid() {
  static ModelGrid grid;
  return grid;
}

GridCell Locate(long double B, long double L) {
  std::optional<GridCell> cell = LocateCell(B, L, EdgeClamp::On);
  EXPECT_TRUE(cell.has_value());
  return cell.value_or(GridCell{});
}

TEST(InterpolateAnomaly, ReturnsTheNodeValueAtANode) {
  ModelGrid& grid = SharedGrid();
  test::FillGrid(grid, [](int r, int c) { return 2'800'000 + 1'301 * r - 977 * c + (r * c) % 89; });
  struct Node {
    int deg, min, ldeg, lmin;
    int row, col;
  };
  for (const Node& n :
       {Node{52, 0, 19, 0, 400, 600}, Node{48, 0, 13, 0, 0, 0}, Node{56, 0, 25, 0, 800, 1200},
        Node{56, 0, 13, 0, 800, 0}, Node{48, 0, 25, 0, 0, 1200}, Node{50, 30, 16, 12, 250, 320}}) {
    const long double N =
        InterpolateAnomaly(grid, Locate(Dms(n.deg, n.min, 0), Dms(n.ldeg, n.lmin, 0)));
    EXPECT_EQ(N, grid.G(n.row, n.col) * 1e-5L) << n.row << " " << n.col;
  }
}

TEST(InterpolateAnomaly, MultipliesByTheStoredUnitRatherThanDividing) {
  // 3 units: 3·1e-5L and 3/100000 differ in the last bit of the 80-bit format,
  // and a node returns the product.
  constexpr int32_t kValue = 3;
  ASSERT_NE(kValue * 1e-5L, kValue / 100000.0L);
  ModelGrid& grid = SharedGrid();
  test::FillGrid(grid, [](int, int) { return kValue; });
  const long double N = InterpolateAnomaly(grid, Locate(Dms(52, 0, 0), Dms(19, 0, 0)));
  EXPECT_EQ(N, kValue * 1e-5L);
  EXPECT_NE(N, kValue / 100000.0L);
}

struct CornerCase {
  std::string name;
  int dr, dc;          // which node of the cell holds the only non-zero value
  long double weight;  // its weight at p = 0.25, q = 0.75
};

class CornerCases : public ::testing::TestWithParam<CornerCase> {};

TEST_P(CornerCases, WeighsEachNodeByItsDistance) {
  const CornerCase& c = GetParam();
  ModelGrid& grid = SharedGrid();
  const int row = 400 + c.dr, col = 600 + c.dc;
  test::FillGrid(grid, [&](int r, int k) { return r == row && k == col ? 100'000 : 0; });
  // p = 0.25 (9″ north of 52°), q = 0.75 (27″ east of 19°).
  const long double N = InterpolateAnomaly(grid, Locate(Dms(52, 0, 9), Dms(19, 0, 27)));
  EXPECT_NEAR(N, c.weight, 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(Nodes, CornerCases,
                         ::testing::Values(CornerCase{"SouthWest", 0, 0, 0.75L * 0.25L},
                                           CornerCase{"NorthWest", 1, 0, 0.25L * 0.25L},
                                           CornerCase{"NorthEast", 1, 1, 0.25L * 0.75L},
                                           CornerCase{"SouthEast", 0, 1, 0.75L * 0.75L},
                                           CornerCase{"OutsideTheCell", 2, 1, 0}),
                         [](const auto& info) { return info.param.name; });

struct PlaneCase {
  std::string name;
  long double B, L;  // seconds of arc
};

class PlaneCases : public ::testing::TestWithParam<PlaneCase> {};

// A model that is linear in latitude and longitude is reproduced everywhere,
// also in the strips beyond the edges, where the edge cell is extended.
TEST_P(PlaneCases, ReproducesALinearModel) {
  const PlaneCase& c = GetParam();
  ModelGrid& grid = SharedGrid();
  test::FillGrid(grid, [](int r, int k) { return 2'500'000 + 2'000 * r - 700 * k; });
  const long double x = (c.B / 3600 - 48) * 100;  // grid steps north of 48°
  const long double y = (c.L / 3600 - 13) * 100;  // grid steps east of 13°
  const long double expected = (2'500'000 + 2'000 * x - 700 * y) * 1e-5L;
  EXPECT_NEAR(InterpolateAnomaly(grid, Locate(c.B, c.L)), expected, 1e-12L);
}

INSTANTIATE_TEST_SUITE_P(
    Points, PlaneCases,
    ::testing::Values(PlaneCase{"Inside", Dms(51, 17, 23.456L), Dms(20, 41, 2.5L)},
                      PlaneCase{"NorthEdge", Dms(56, 0, 0), Dms(17, 0, 11)},
                      PlaneCase{"NorthStrip", Dms(56, 0, 30), Dms(17, 0, 11)},
                      PlaneCase{"SouthStrip", Dms(47, 59, 50), Dms(24, 59, 59)},
                      PlaneCase{"EastStrip", Dms(49, 3, 3), Dms(25, 0, 33)},
                      PlaneCase{"WestStrip", Dms(49, 3, 3), Dms(12, 59, 33)},
                      PlaneCase{"NorthEastStrip", Dms(56, 0, 20), Dms(25, 0, 20)}),
    [](const auto& info) { return info.param.name; });

TEST(InterpolateAnomaly, OnTheNorthEdgeUsesRow800Alone) {
  ModelGrid& grid = SharedGrid();
  const GridCell cell = Locate(Dms(56, 0, 0), Dms(21, 0, 18));
  test::FillGrid(grid, [](int r, int c) { return r == 800 ? 4'000'000 + 10 * c : 0; });
  const long double withZeroRow799 = InterpolateAnomaly(grid, cell);
  test::FillGrid(grid, [](int r, int c) { return r == 800 ? 4'000'000 + 10 * c : -9'999'999; });
  EXPECT_EQ(InterpolateAnomaly(grid, cell), withZeroRow799);
  // Half way between columns 800 and 801 of row 800.
  EXPECT_NEAR(withZeroRow799, (4'000'000 + 8'005) * 1e-5L, 1e-12L);
}

}  // namespace
}  // namespace qv
