// The PL-ETRF2000 → PL-ETRF89 transformation and the height anomaly carried
// through it.
#include "frames/etrf89.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qv {
namespace {

struct AnomalyCase {
  std::string name;
  long double B, L, N;   // seconds of arc, metres
  long double expected;  // metres, known to 4 decimals
};

class AnomalyCases : public ::testing::TestWithParam<AnomalyCase> {};

TEST_P(AnomalyCases, CarriesNToETRF89) {
  const AnomalyCase& c = GetParam();
  EXPECT_NEAR(AnomalyToETRF89(c.B, c.L, c.N), c.expected, 0.00005L);
}

INSTANTIATE_TEST_SUITE_P(Points, AnomalyCases,
                         ::testing::Values(AnomalyCase{"Middle", 187200, 68400, 30, 30.0662L},
                                           AnomalyCase{"SouthWest", 172800, 46800, 45, 45.0770L},
                                           AnomalyCase{"NorthEast", 201600, 90000, 30, 30.0525L},
                                           AnomalyCase{"Negative", 181800, 58320, -5, -4.9311L}),
                         [](const auto& info) { return info.param.name; });

// Centre point of the transformation, where only the translation acts.
constexpr long double kX0 = 3696570.6268L, kY0 = 1297521.5559L, kZ0 = 5011111.0767L;

struct ShiftCase {
  std::string name;
  CartesianXYZ offset;  // from the centre point, metres
  CartesianXYZ change;  // X1 − X, Y1 − Y, Z1 − Z in metres, worked out by hand
};

class TransformCases : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(TransformCases, MovesByTranslationScaleAndRotation) {
  const ShiftCase& c = GetParam();
  const CartesianXYZ in{kX0 + c.offset.X, kY0 + c.offset.Y, kZ0 + c.offset.Z};
  const CartesianXYZ out = TransformToETRF89(in);
  EXPECT_NEAR(out.X - in.X, c.change.X, 1e-9L);
  EXPECT_NEAR(out.Y - in.Y, c.change.Y, 1e-9L);
  EXPECT_NEAR(out.Z - in.Z, c.change.Z, 1e-9L);
}

// Per 100 km from the centre: scale 5.102 mm on the axis itself; rotation
// terms 0.746, 4.804 and 6.152 mm on the other axes, with their signs.
INSTANTIATE_TEST_SUITE_P(
    Offsets, TransformCases,
    ::testing::Values(ShiftCase{"Centre", {0, 0, 0}, {0.0322L, 0.0347L, 0.0507L}},
                      ShiftCase{"AlongX",
                                {1e5L, 0, 0},
                                {0.0322L + 0.005102L, 0.0347L - 0.000746L, 0.0507L + 0.004804L}},
                      ShiftCase{"AlongY",
                                {0, 1e5L, 0},
                                {0.0322L + 0.000746L, 0.0347L + 0.005102L, 0.0507L + 0.006152L}},
                      ShiftCase{"AlongZ",
                                {0, 0, 1e5L},
                                {0.0322L - 0.004804L, 0.0347L - 0.006152L, 0.0507L + 0.005102L}},
                      ShiftCase{"BackAlongX",
                                {-1e5L, 0, 0},
                                {0.0322L - 0.005102L, 0.0347L + 0.000746L, 0.0507L - 0.004804L}}),
    [](const auto& info) { return info.param.name; });

TEST(AnomalyToETRF89, RaisesNByTwoToElevenCentimetresOverTheArea) {
  for (long double deg = 48; deg <= 56; deg += 0.5L) {
    for (long double lon = 13; lon <= 25; lon += 0.5L) {
      for (long double N : {-5.0L, 30.0L, 50.0L}) {
        const long double raised = AnomalyToETRF89(deg * 3600, lon * 3600, N) - N;
        EXPECT_GT(raised, 0.015L) << deg << " " << lon << " " << N;
        EXPECT_LT(raised, 0.115L) << deg << " " << lon << " " << N;
      }
    }
  }
}

TEST(AnomalyToETRF89, KeepsTheHorizontalPositionWithinThousandthsOfASecond) {
  for (long double deg = 48; deg <= 56; deg += 1) {
    for (long double lon = 13; lon <= 25; lon += 1) {
      const GeodeticBLH moved = XYZToBLH(TransformToETRF89(BLHToXYZ({deg * 3600, lon * 3600, 35})));
      EXPECT_LT(std::fabs(moved.B - deg * 3600), 0.01L);
      EXPECT_LT(std::fabs(moved.L - lon * 3600), 0.01L);
    }
  }
}

}  // namespace
}  // namespace qv
