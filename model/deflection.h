// The deflection of the vertical from the model grid: central differences at
// the four nodes of a cell, blended with the bilinear weights of N.  Always
// taken from the grid itself (PL-ETRF2000), whatever frame N is written in.
#pragma once

#include <cstdint>

#include "model/grid_cell.h"
#include "model/model_grid.h"

namespace qv {

struct Deflection {
  long double KSI = 0;  // along the meridian, seconds of arc, positive where N falls northwards
  long double ETA =
      0;  // along the prime vertical, seconds of arc, positive where N falls eastwards
};

// Length of one 0.01° grid step along the meridian / the parallel at cell row
// `row` (0..800), metres: 1111.9 + 0.0019·row and 746.25 − 0.153·row.
long double MeridianStep(int32_t row);
long double ParallelStep(int32_t row);

// Valid for cells whose stencil (rows r-1..r+2, columns c-1..c+2) lies in the
// grid; the caller checks its own range.
Deflection ComputeDeflection(const ModelGrid& grid, const GridCell& cell);

}  // namespace qv
