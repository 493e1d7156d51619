#include "model/grid_cell.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr long double kSecondsPerDegree = 3600.0L;
constexpr long double kSouthEdgeDegrees = 48.0L;  // latitude of row 0
constexpr long double kWestEdgeDegrees = 13.0L;   // longitude of column 0
constexpr long double kStepsPerDegree = 100.0L;   // 0.01° grid step
constexpr int32_t kLastCellRow = 799;             // south-west node of the last cell
constexpr int32_t kLastCellCol = 1199;

// The integer part of a grid coordinate, cut toward zero; none when it does
// not fit 32 bits (absurd degrees, NaN, infinities), which the caller treats
// as outside the area.
std::optional<int32_t> IntegerPart(long double v) {
  constexpr long double kBelowMin = std::numeric_limits<int32_t>::min() - 1.0L;
  constexpr long double kAboveMax = std::numeric_limits<int32_t>::max() + 1.0L;
  if (!(v > kBelowMin && v < kAboveMax)) return std::nullopt;
  return static_cast<int32_t>(v);
}

}  // namespace

std::optional<GridCell> LocateCell(long double B, long double L, EdgeClamp clamp) {
  // This order of operations decides the cell of points on a strip's limit.
  const long double x = (B / kSecondsPerDegree - kSouthEdgeDegrees) * kStepsPerDegree;
  const long double y = (L / kSecondsPerDegree - kWestEdgeDegrees) * kStepsPerDegree;

  std::optional<int32_t> row = IntegerPart(x);
  std::optional<int32_t> col = IntegerPart(y);
  if (!row || !col) return std::nullopt;

  GridCell cell;
  cell.Row = *row;
  cell.Col = *col;
  if (clamp == EdgeClamp::On) {
    // Points on the northern and eastern edges fall into the last cell.
    if (cell.Row == kLastCellRow + 1) cell.Row = kLastCellRow;
    if (cell.Col == kLastCellCol + 1) cell.Col = kLastCellCol;
  }
  if (cell.Row < 0 || cell.Row > kLastCellRow || cell.Col < 0 || cell.Col > kLastCellCol) {
    return std::nullopt;
  }
  cell.RowFrac = x - cell.Row;
  cell.ColFrac = y - cell.Col;
  return cell;
}

}  // namespace qv
