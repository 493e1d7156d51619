// Geodetic (B, L, h) and geocentric Cartesian (X, Y, Z) coordinates on the
// GRS80 ellipsoid.  B and L in seconds of arc, h, X, Y, Z in metres.
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

// Inverse by Newton iteration on the meridian ellipse.  `updates`, when given,
// receives the number of updates of the foot-point distance.
GeodeticBLH XYZToBLH(const CartesianXYZ& p, int* updates = nullptr);

}  // namespace qv
