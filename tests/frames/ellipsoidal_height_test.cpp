// EllipsoidalHeight is XYZToBLH's h without B and L: the very same 80-bit
// value, compared bit for bit, over points above, on and below the ellipsoid,
// across the model area and at the ends of the domain.
#include <gtest/gtest.h>

#include <cstring>

#include "frames/grs80.h"

namespace qv {
namespace {

constexpr long double kArcSecondsPerDegree = 3600.0L;

bool SameBits(long double a, long double b) {
  // Only the 80 bits of the value; the padding bytes are not part of it.
  constexpr std::size_t kValueBytes = 10;
  return std::memcmp(&a, &b, kValueBytes) == 0;
}

struct Case {
  long double BDegrees, LDegrees, h;  // degrees, degrees, metres
};

TEST(EllipsoidalHeight, SameBitsAsTheHeightOfTheFullInverse) {
  const Case cases[] = {
      {48.0L, 13.0L, 0.0L},       {56.0L, 25.0L, 0.0L},      {52.123456L, 19.87654L, 34.5678L},
      {50.5L, 14.25L, 2499.999L}, {54.9L, 23.1L, -120.25L},  {49.01L, 22.99L, 1e-9L},
      {10.0L, 1.0L, 8848.86L},    {89.0L, 179.0L, -6000.0L}, {30.0L, -45.0L, 100000.0L},
  };
  for (const Case& c : cases) {
    const CartesianXYZ xyz =
        BLHToXYZ({c.BDegrees * kArcSecondsPerDegree, c.LDegrees * kArcSecondsPerDegree, c.h});
    const long double full = XYZToBLH(xyz).h;
    const long double alone = EllipsoidalHeight(xyz);
    EXPECT_TRUE(SameBits(full, alone)) << c.BDegrees << " " << c.LDegrees << " " << c.h;
    // Not a coincidence of two wrong values: the height comes back.
    EXPECT_NEAR(static_cast<double>(alone), static_cast<double>(c.h), 1e-6);
  }
}

TEST(EllipsoidalHeight, NegativeInsideTheEllipsoid) {
  const CartesianXYZ deep =
      BLHToXYZ({52.0L * kArcSecondsPerDegree, 20.0L * kArcSecondsPerDegree, -1000.0L});
  EXPECT_LT(EllipsoidalHeight(deep), 0.0L);
  EXPECT_TRUE(SameBits(XYZToBLH(deep).h, EllipsoidalHeight(deep)));
}

}  // namespace
}  // namespace qv
