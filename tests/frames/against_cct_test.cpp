// BLHToXYZ and AnomalyToETRF89 against the coordinate transformation command
// of Debian's proj-bin, on a few hundred pseudo-random points of the model
// area.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "cct_tool.h"
#include "frames/etrf89.h"
#include "frames/grs80.h"

namespace qv {
namespace {

constexpr int kPoints = 300;
constexpr long double kAgreement = 1e-6L;  // metres

struct Point {
  std::string text;     // "lon lat h" as given to cct, degrees and metres
  long double B, L, h;  // the same numbers, B and L in seconds of arc
};

// Points over 47.99°–56.01° N, 12.99°–25.01° E with heights in [hLow, hHigh),
// written with 9 decimals so that both sides read the same numbers.
std::vector<Point> RandomPoints(unsigned seed, long hLowMm, long hHighMm) {
  std::mt19937_64 random(seed);
  auto draw = [&](long long low, long long high) {
    return low + static_cast<long long>(random() % static_cast<unsigned long long>(high - low));
  };
  std::vector<Point> points;
  for (int k = 0; k < kPoints; ++k) {
    const long long latNano = draw(47'990'000'000LL, 56'010'000'000LL);
    const long long lonNano = draw(12'990'000'000LL, 25'010'000'000LL);
    const long long hMm = draw(hLowMm, hHighMm);
    char text[96];
    std::snprintf(text, sizeof text, "%lld.%09lld %lld.%09lld %s%lld.%03lld", lonNano / 1000000000,
                  lonNano % 1000000000, latNano / 1000000000, latNano % 1000000000,
                  hMm < 0 ? "-" : "", std::llabs(hMm) / 1000, std::llabs(hMm) % 1000);
    long double lon = 0, lat = 0, h = 0;
    std::sscanf(text, "%Lf %Lf %Lf", &lon, &lat, &h);
    points.push_back({text, lat * 3600, lon * 3600, h});
  }
  return points;
}

std::vector<std::string> Texts(const std::vector<Point>& points) {
  std::vector<std::string> lines;
  for (const Point& p : points) lines.push_back(p.text);
  return lines;
}

TEST(AgainstCct, BLHToXYZ) {
  if (!test::CctInstalled()) GTEST_SKIP() << "cct (Debian proj-bin) is not installed";
  const std::vector<Point> points = RandomPoints(5021, -100'000, 3'000'000);
  const auto reference = test::RunCct("-d 9 +proj=cart +ellps=GRS80", Texts(points));
  for (size_t k = 0; k < points.size(); ++k) {
    const CartesianXYZ xyz = BLHToXYZ({points[k].B, points[k].L, points[k].h});
    EXPECT_NEAR(xyz.X, reference[k][0], kAgreement) << points[k].text;
    EXPECT_NEAR(xyz.Y, reference[k][1], kAgreement) << points[k].text;
    EXPECT_NEAR(xyz.Z, reference[k][2], kAgreement) << points[k].text;
  }
}

TEST(AgainstCct, AnomalyToETRF89) {
  if (!test::CctInstalled()) GTEST_SKIP() << "cct (Debian proj-bin) is not installed";
  // Heights are height anomalies: a few metres below to some tens above.
  const std::vector<Point> points = RandomPoints(1989, -10'000, 60'000);
  const std::string pipeline =
      "-d 9 +proj=pipeline +step +proj=cart +ellps=GRS80 +step +proj=molobadekas "
      "+convention=position_vector +x=0.0322 +y=0.0347 +z=0.0507 +rx=0.012689410880321368 "
      "+ry=-0.009908961292110509 +rz=-0.001538735454603339 +s=0.05102 +px=3696570.6268 "
      "+py=1297521.5559 +pz=5011111.0767 +step +inv +proj=cart +ellps=GRS80";
  const auto reference = test::RunCct(pipeline, Texts(points));
  for (size_t k = 0; k < points.size(); ++k) {
    EXPECT_NEAR(AnomalyToETRF89(points[k].B, points[k].L, points[k].h), reference[k][2], kAgreement)
        << points[k].text;
  }
}

}  // namespace
}  // namespace qv
