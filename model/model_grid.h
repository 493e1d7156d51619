// The quasi-geoid model in memory: 801 rows (48.00°–56.00° N, 0.01° apart) by
// 1201 columns (13.00°–25.00° E) of height anomalies in units of 1e-5 m, held
// in one contiguous block, and its loading from the model file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace qv {

inline constexpr int kGridRows = 801;
inline constexpr int kGridCols = 1201;
inline constexpr long kGridValues = long{kGridRows} * kGridCols;  // 962001
inline constexpr long kModelFileBytes = kGridValues * 4;          // 3,848,004

// One grid unit in metres: the nearest 80-bit value of 1e-5.  Grid values are
// multiplied by it, never divided by 100000: the two differ in the last bit.
inline constexpr long double kMetresPerGridUnit = 1e-5L;

// A grid value (units of 1e-5 m) in metres.
inline long double GridValueToMetres(int32_t value) {
  return static_cast<long double>(value) * kMetresPerGridUnit;
}

class ModelGrid {
 public:
  ModelGrid();
  // G[row][col], row 0 at 48°, col 0 at 13°; units of 1e-5 m.
  int32_t G(int row, int col) const { return values_[static_cast<long>(row) * kGridCols + col]; }
  int32_t* data() { return values_.get(); }
  const int32_t* data() const { return values_.get(); }

 private:
  std::unique_ptr<int32_t[]> values_;
};

// Reads the model file (962001 little-endian signed 32-bit values, row by row
// from the south, no header; bytes beyond them ignored) into `grid`, calling
// `step` once before each value.  Throws Error for a file that cannot be read
// or is shorter than kModelFileBytes.
void LoadModelGrid(const std::string& path, ModelGrid& grid, const std::function<void()>& step);

}  // namespace qv
