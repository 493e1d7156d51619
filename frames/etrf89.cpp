#include "frames/etrf89.h"

namespace qv {

namespace {

// Centre point of the transformation, metres, held as 64-bit doubles.
constexpr double kCentreX = 3696570.6268;
constexpr double kCentreY = 1297521.5559;
constexpr double kCentreZ = 5011111.0767;

// Translations, metres.
constexpr long double kShiftX = 0.0322L;
constexpr long double kShiftY = 0.0347L;
constexpr long double kShiftZ = 0.0507L;

// Scale term, the same on every axis.
constexpr long double kScale = 5.102e-8L;
// Rotation terms, named by the axis they turn about; their signs stand in the
// formulas below.
constexpr long double kTurnX = 6.152e-8L;  // couples Y and Z
constexpr long double kTurnY = 4.804e-8L;  // couples X and Z
constexpr long double kTurnZ = 7.46e-9L;   // couples X and Y

}  // namespace

CartesianXYZ TransformToETRF89(const CartesianXYZ& p) {
  const double dX = static_cast<double>(p.X - kCentreX);
  const double dY = static_cast<double>(p.Y - kCentreY);
  const double dZ = static_cast<double>(p.Z - kCentreZ);

  // Each sum left to right: dX term, coordinate plus translation, dY term, dZ term.
  CartesianXYZ out;
  out.X = kScale * dX + (p.X + kShiftX) + kTurnZ * dY - kTurnY * dZ;
  out.Y = -kTurnZ * dX + (p.Y + kShiftY) + kScale * dY - kTurnX * dZ;
  out.Z = kTurnY * dX + (p.Z + kShiftZ) + kTurnX * dY + kScale * dZ;
  return out;
}

long double AnomalyToETRF89(long double B, long double L, long double N) {
  const CartesianXYZ etrf2000 = BLHToXYZ({B, L, N});
  const CartesianXYZ etrf89 = TransformToETRF89(etrf2000);
  return EllipsoidalHeight(etrf89);
}

}  // namespace qv
