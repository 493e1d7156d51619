// Model grids for tests, filled in memory from a function of row and column.
#pragma once

#include <cstdint>
#include <functional>

#include "model/model_grid.h"

namespace qv::test {

inline void FillGrid(ModelGrid& grid, const std::function<int32_t(int, int)>& value) {
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c) grid.data()[long{r} * kGridCols + c] = value(r, c);
  }
}

// Seconds of arc of degrees, minutes and seconds.
constexpr long double Dms(int deg, int min, long double sec) {
  return deg * 3600 + min * 60 + sec;
}

}  // namespace qv::test
