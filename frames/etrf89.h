// PL-ETRF2000 → PL-ETRF89: the linearised seven-parameter transformation about
// a fixed centre point, and the height anomaly carried through it.
#pragma once

#include "frames/grs80.h"

namespace qv {

// Cartesian PL-ETRF2000 coordinates (metres) to PL-ETRF89.
CartesianXYZ TransformToETRF89(const CartesianXYZ& p);

// The height anomaly N (metres, PL-ETRF2000) of the point at B, L (seconds of
// arc) carried to PL-ETRF89.
long double AnomalyToETRF89(long double B, long double L, long double N);

}  // namespace qv
