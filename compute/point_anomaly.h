// What tasks 1 to 3 share for one point record: the cell of the point with the
// edge clamp and its height anomaly N in the frame of the run, the position
// items that begin every result line, and the out-of-area line.
#pragma once

#include <optional>
#include <string_view>

#include "compute/record.h"
#include "compute/result_file.h"
#include "model/grid_cell.h"
#include "model/model_grid.h"

namespace qv {

struct PointAnomaly {
  GridCell cell;  // located with the edge clamp
  long double N;  // metres, PL-ETRF2000, or PL-ETRF89 for kFrameETRF89
};

// N at the point of `record`, interpolated in PL-ETRF2000 and carried to
// PL-ETRF89 when `frameCode` is kFrameETRF89; no value when the point lies
// outside the model area.
std::optional<PointAnomaly> AnomalyAtPoint(const PointRecord& record, const ModelGrid& grid,
                                           int frameCode);

// The first fourteen items of a result line of tasks 1 to 3: the name in width
// 16, then degrees, minutes and seconds of B and of L as read, each followed by
// one blank.  The caller writes the height (or N) next.
void WritePosition(ResultFile& out, const PointRecord& record);

// The out-of-area line of task `task` (1, 2 or 3): the name without a width and
// " *** punkt poza obszarem dopuszczalnym (task)".
void WriteOutOfArea(ResultFile& out, std::string_view name, int task);

// The arc-second mark written after KSI and ETA.
inline constexpr std::string_view kArcSecondMark = "[\"]";

}  // namespace qv
