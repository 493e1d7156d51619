// The deflection of the vertical from the model grid: central differences at
// the four nodes of a cell, blended with the bilinear weights of N.
#pragma once

#include "model/grid_cell.h"
#include "model/model_grid.h"

namespace qv {

struct Deflection {
  long double KSI = 0;  // along the meridian, seconds of arc
  long double ETA = 0;  // along the prime vertical, seconds of arc
};

// Length of one 0.01° grid step along the meridian / the parallel at cell row
// `row`, metres.
long double MeridianStep(int32_t row);
long double ParallelStep(int32_t row);

// Valid for cells whose stencil (rows r-1..r+2, columns c-1..c+2) lies in the
// grid; the caller checks its own range.
Deflection ComputeDeflection(const ModelGrid& grid, const GridCell& cell);

}  // namespace qv
