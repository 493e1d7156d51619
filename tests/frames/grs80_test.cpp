// Conversions between geodetic and Cartesian coordinates on GRS80.
#include "frames/grs80.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qv {
namespace {

constexpr long double kA = 6378137.0L;
// Semi-minor axis a·(1 − f) of GRS80, worked out by hand from the defining
// flattening; the eccentricity used by BLHToXYZ must lead to the same axis.
constexpr long double kB = 6356752.3141403559L;

struct ForwardCase {
  std::string name;
  GeodeticBLH blh;  // seconds of arc, metres
  CartesianXYZ expected;
  long double tolerance;  // metres
};

class BLHToXYZCases : public ::testing::TestWithParam<ForwardCase> {};

TEST_P(BLHToXYZCases, GivesTheCartesianCoordinates) {
  const ForwardCase& c = GetParam();
  const CartesianXYZ xyz = BLHToXYZ(c.blh);
  EXPECT_NEAR(xyz.X, c.expected.X, c.tolerance);
  EXPECT_NEAR(xyz.Y, c.expected.Y, c.tolerance);
  EXPECT_NEAR(xyz.Z, c.expected.Z, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Points, BLHToXYZCases,
    ::testing::Values(
        // 52° N, 19° E, 30 m: the values are known to 4 decimals.
        ForwardCase{"Poland52N19E",
                    {187200, 68400, 30},
                    {3720595.6791L, 1281103.8302L, 5002826.9857L},
                    0.00005L},
        ForwardCase{"EquatorGreenwich", {0, 0, 0}, {kA, 0, 0}, 1e-6L},
        ForwardCase{"EquatorGreenwich100m", {0, 0, 100}, {kA + 100, 0, 0}, 1e-6L},
        ForwardCase{"Equator90East", {0, 324000, 0}, {0, kA, 0}, 1e-6L},
        ForwardCase{"NorthPole", {324000, 0, 0}, {0, 0, kB}, 1e-6L},
        ForwardCase{"SouthPole50m", {-324000, 0, 50}, {0, 0, -(kB + 50)}, 1e-6L}),
    [](const auto& info) { return info.param.name; });

struct RoundTripCase {
  std::string name;
  GeodeticBLH blh;
  int updates;  // updates of the foot-point distance; 0 when not known beforehand
};

class RoundTripCases : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripCases, ReturnsTheInputs) {
  const RoundTripCase& c = GetParam();
  int updates = -1;
  const GeodeticBLH back = XYZToBLH(BLHToXYZ(c.blh), &updates);
  EXPECT_NEAR(back.B, c.blh.B, 1e-6L);
  EXPECT_NEAR(back.L, c.blh.L, 1e-6L);
  EXPECT_NEAR(back.h, c.blh.h, 1e-6L);
  if (c.updates > 0) {
    EXPECT_EQ(updates, c.updates);
  } else {
    EXPECT_GE(updates, 1);
    EXPECT_LE(updates, 3);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Points, RoundTripCases,
    ::testing::Values(RoundTripCase{"Poland52N19E", {187200, 68400, 30}, 2},
                      // The second update still moves t by about 0.000086 m.
                      RoundTripCase{"SouthWestCorner", {172800, 46800, 45}, 3},
                      // Below the ellipsoid: the sign of h comes from p − t < 0.
                      RoundTripCase{"BelowEllipsoid", {181800, 58320, -5}, 0},
                      RoundTripCase{"NorthEastCorner", {201600, 90000, 30}, 0},
                      RoundTripCase{"HighMountain", {177000, 72000, 2500}, 0},
                      RoundTripCase{"SeaBottom", {198000, 64800, -300}, 0}),
    [](const auto& info) { return info.param.name; });

TEST(XYZToBLH, IgnoresTheSignOfY) {
  const CartesianXYZ west{4000000, -1000000, 4800000};
  const CartesianXYZ east{4000000, 1000000, 4800000};
  const GeodeticBLH w = XYZToBLH(west);
  const GeodeticBLH e = XYZToBLH(east);
  // atan(1/4) = 14.036...°, known to 4 decimals in seconds of arc.
  EXPECT_NEAR(w.L, 50530.4765L, 0.00005L);
  EXPECT_EQ(w.L, e.L);
  EXPECT_EQ(w.B, e.B);
  EXPECT_EQ(w.h, e.h);
}

TEST(XYZToBLH, AlwaysReturnsOutsideItsDomain) {
  const long double nan = std::nanl("");
  const long double inf = HUGE_VALL;
  const CartesianXYZ inputs[] = {
      {nan, 0, 0},  {0, 0, nan},           {inf, 0, 0},         {0, 0, 0},  // on the axis
      {1e7L, 0, 0}, {kA - 1000, 0, 0},  // in the equator plane the iteration runs away
      {kA, 0, 0},   {1e30L, 1e30L, 1e30L}, {-1e300L, 0, 1e300L}};
  for (const CartesianXYZ& in : inputs) {
    int updates = -1;
    XYZToBLH(in, &updates);
    EXPECT_GE(updates, 1);
    EXPECT_LE(updates, kMaxFootPointUpdates);
  }
  int updates = -1;
  const GeodeticBLH blh = XYZToBLH({nan, nan, nan}, &updates);
  EXPECT_EQ(updates, kMaxFootPointUpdates);  // NaN never meets the stop rule
  EXPECT_TRUE(std::isnan(blh.h));
}

}  // namespace
}  // namespace qv
