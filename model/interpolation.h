// Bilinear interpolation in a grid cell: the height anomaly N, and the blend of
// four node values that N and the deflection of the vertical share.
#pragma once

#include "model/grid_cell.h"
#include "model/model_grid.h"

namespace qv {

// Blends the values at the south-west (v00), north-west (v10), north-east
// (v11) and south-east (v01) nodes at p grid steps north and q grid steps
// east of the south-west node.  The order of summation decides the last digit:
// (1 − p)·v00·(1 − q) + v10·p·(1 − q) + v11·p·q + (1 − p)·v01·q, left to right.
long double BilinearBlend(long double v00, long double v10, long double v11, long double v01,
                          long double p, long double q);

// N in metres, PL-ETRF2000, at the point of `cell`; the corners are converted
// to metres before they are weighted.  The cell's nodes must exist (any cell
// from LocateCell).
long double InterpolateAnomaly(const ModelGrid& grid, const GridCell& cell);

}  // namespace qv
