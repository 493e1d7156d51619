// Geodetic (B, L, h) and geocentric Cartesian (X, Y, Z) coordinates on the
// GRS80 ellipsoid.  B and L in seconds of arc, h, X, Y, Z in metres; X towards
// L = 0 in the equator plane, Y towards L = 90° E, Z towards the north pole.
// All arithmetic is 80-bit; each function holds its own form of the
// ellipsoid's constants (eccentricity for one, flattening for the other).
#pragma once

namespace qv {

struct GeodeticBLH {
  long double B = 0;  // latitude, seconds of arc, north positive
  long double L = 0;  // longitude, seconds of arc, east positive
  long double h = 0;  // ellipsoidal height, metres
};

struct CartesianXYZ {
  long double X = 0, Y = 0, Z = 0;  // metres
};

CartesianXYZ BLHToXYZ(const GeodeticBLH& p);

// Inverse by Newton iteration on the meridian ellipse, stopping when the
// foot-point distance moves by at most 0.00005 m.  Meant for 0 < √(X²+Y²) < a;
// L always comes out between 0 and 648000″ (the sign of Y is not used).
// Outside that domain the result may be NaN, but the iteration is capped at
// kMaxFootPointUpdates updates, so it always returns.  `updates`, when given,
// receives the number of updates of the foot-point distance.
inline constexpr int kMaxFootPointUpdates = 100;
GeodeticBLH XYZToBLH(const CartesianXYZ& p, int* updates = nullptr);

// The h of XYZToBLH alone, by the same operations (bit for bit the same
// value), without computing B and L.
long double EllipsoidalHeight(const CartesianXYZ& p);

}  // namespace qv
