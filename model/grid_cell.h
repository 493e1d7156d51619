// Where a point lies in the model grid: its cell and the fractions inside it.
#pragma once

#include <cstdint>
#include <optional>

namespace qv {

struct GridCell {
  int32_t Row = 0;          // row of the south-west node, 0..799
  int32_t Col = 0;          // column of the south-west node, 0..1199
  long double RowFrac = 0;  // grid steps north of that node
  long double ColFrac = 0;  // grid steps east of that node
};

enum class EdgeClamp { Off, On };

// The cell of the point at latitude B and longitude L (seconds of arc), or no
// cell when the point lies outside the model area.  With the clamp, row 800
// and column 1200 fall into the last cell (tasks 1–3); task 4 does not clamp.
std::optional<GridCell> LocateCell(long double B, long double L, EdgeClamp clamp);

}  // namespace qv
