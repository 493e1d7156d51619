// Bilinear height anomaly N in a grid cell.
#pragma once

#include "model/grid_cell.h"
#include "model/model_grid.h"

namespace qv {

// N in metres, PL-ETRF2000.
long double InterpolateAnomaly(const ModelGrid& grid, const GridCell& cell);

}  // namespace qv
