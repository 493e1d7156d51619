// The picture of the main window's Image2: a colour map of the model's height
// anomalies N over the whole model area (48°–56° N, 13°–25° E), with a colour
// ramp from the lowest to the highest N, contour lines every metre and a grid
// line every degree.  346 × 350 pixels, north up; the window shows it
// stretched to 113 × 113.
#pragma once

#include <QImage>
#include <string>

#include "model/model_grid.h"

namespace qv {

inline constexpr int kMapWidth = 346;   // pixels, west to east
inline constexpr int kMapHeight = 350;  // pixels, north to south

// The map of `grid`.
QImage DrawAnomalyMap(const ModelGrid& grid);

// The plain picture shown when there is no model to draw.
QImage MapPlaceholder();

// The map of the model file at `modelPath` (its name matched without regard to
// letter case), or the placeholder when no file is there or it cannot be read
// as a model: the picture is only a guide, and the run reports a bad model.
QImage AnomalyMapOfFile(const std::string& modelPath);

}  // namespace qv
