// PL-ETRF2000 → PL-ETRF89: the linearised seven-parameter similarity
// transformation about a fixed centre point, and the height anomaly carried
// through it.
#pragma once

#include "frames/grs80.h"

namespace qv {

// Cartesian PL-ETRF2000 coordinates (metres) to PL-ETRF89 (metres).  The
// differences from the centre point are the one place where the computation
// drops to 64-bit doubles.
CartesianXYZ TransformToETRF89(const CartesianXYZ& p);

// The height anomaly N (metres, PL-ETRF2000) of the point at B, L (seconds of
// arc) carried to PL-ETRF89: the point at height N above B, L is converted to
// X, Y, Z, transformed and converted back; its new height is returned
// (metres).  Meant for points of the model area.
long double AnomalyToETRF89(long double B, long double L, long double N);

}  // namespace qv
