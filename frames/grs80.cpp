#include "frames/grs80.h"

#include <cmath>

namespace qv {

namespace {

constexpr long double kSemiMajorAxis = 6378137.0L;                    // a, metres
constexpr long double kEccentricity = 0.08181919104281576L;           // e, used by BLHToXYZ
constexpr long double kFlattening = 0.003352810681182317L;            // f, used by XYZToBLH
constexpr long double kArcSecondsPerRadian = 206264.80624709635515L;  // 648000/π
constexpr long double kHalfPi = 1.5707963267948966192L;
constexpr long double kFootPointTolerance = 0.00005L;  // metres

}  // namespace

CartesianXYZ BLHToXYZ(const GeodeticBLH& p) {
  const long double a = kSemiMajorAxis;
  const long double e2 = kEccentricity * kEccentricity;
  const long double k = 1 / kArcSecondsPerRadian;

  const long double beta = p.B * k;
  const long double lambda = p.L * k;
  const long double cB = std::cos(beta);
  const long double sB = std::sin(beta);
  const long double cL = std::cos(lambda);
  const long double sL = std::sin(lambda);

  // Radius of curvature in the prime vertical.
  const long double Rn = a / std::sqrt(1 - e2 * sB * sB);

  CartesianXYZ out;
  out.X = (Rn + p.h) * cB * cL;
  out.Y = (Rn + p.h) * cB * sL;
  out.Z = ((1 - e2) * Rn + p.h) * sB;
  return out;
}

namespace {

// The foot point of (X, Y, Z) on the meridian ellipse, as XYZToBLH finds it.
struct FootPoint {
  long double p;  // distance of the point from the minor axis
  long double t;  // distance of the foot point from the minor axis
  long double s;  // √(a² − t²), recomputed from the last t
};

FootPoint FindFootPoint(const CartesianXYZ& in, long double e2, long double q, int* updates) {
  const long double a = kSemiMajorAxis;
  const long double X = in.X;
  const long double Y = in.Y;
  const long double Z = in.Z;

  // Distance of the point from the minor axis.
  const long double p = std::sqrt(X * X + Y * Y);

  // Newton iteration for t, the foot point's distance from the minor axis; the
  // foot point is the point of the meridian ellipse whose normal passes
  // through the given point, its Z is q·s with s = √(a² − t²).
  long double t = p;
  int count = 0;
  while (count < kMaxFootPointUpdates) {
    const long double t0 = t;
    const long double s = std::sqrt((a + t) * (a - t));
    const long double F = s * (p - e2 * t) - Z * t * q;
    const long double D = -Z * q - e2 * s - t * (p - e2 * t) / s;
    t = t - F / D;
    ++count;
    if (std::fabs(t - t0) <= kFootPointTolerance) break;
  }
  if (updates) *updates = count;

  // B, L and h are taken from the last t and an s recomputed from it.
  return {p, t, std::sqrt((a + t) * (a - t))};
}

// The height above the foot point: its distance, negative inside the
// ellipsoid (there the point lies on the axis side of its foot point).
long double HeightAbove(const FootPoint& f, long double Z, long double q) {
  const long double dz = Z - q * f.s;
  const long double dp = f.p - f.t;
  const long double h = std::sqrt(dz * dz + dp * dp);
  return dp < 0 ? -h : h;
}

}  // namespace

GeodeticBLH XYZToBLH(const CartesianXYZ& in, int* updates) {
  const long double a = kSemiMajorAxis;
  const long double b = a * (1 - kFlattening);
  const long double q = b / a;
  const long double e2 = 1 - q * q;
  const FootPoint f = FindFootPoint(in, e2, q, updates);

  GeodeticBLH out;
  out.B = (kHalfPi - std::atan(q * f.t / f.s)) * kArcSecondsPerRadian;
  const long double cosL = in.X / f.p;
  out.L = std::atan2(std::sqrt(1 - cosL * cosL), cosL) * kArcSecondsPerRadian;
  out.h = HeightAbove(f, in.Z, q);
  return out;
}

long double EllipsoidalHeight(const CartesianXYZ& in) {
  const long double a = kSemiMajorAxis;
  const long double b = a * (1 - kFlattening);
  const long double q = b / a;
  const long double e2 = 1 - q * q;
  return HeightAbove(FindFootPoint(in, e2, q, nullptr), in.Z, q);
}

}  // namespace qv
