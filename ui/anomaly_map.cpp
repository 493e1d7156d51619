#include "ui/anomaly_map.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/error.h"
#include "platform/folder_names.h"

namespace qv {

namespace {

constexpr double kSouthDeg = 48.0;
constexpr double kWestDeg = 13.0;
constexpr double kSpanLatDeg = 8.0;
constexpr double kSpanLonDeg = 12.0;
constexpr double kNodesPerDeg = 100.0;  // 0.01° grid
constexpr double kMetresPerUnit = 1e-5;
constexpr double kContourStepM = 1.0;

const QColor kContourColour(40, 40, 40);
const QColor kGridColour(255, 255, 255);

struct RampStop {
  double at;  // 0 at the lowest N, 1 at the highest
  QColor colour;
};

const std::array<RampStop, 6> kRamp{{
    {0.0, QColor(40, 60, 160)},
    {0.2, QColor(40, 150, 220)},
    {0.4, QColor(80, 200, 160)},
    {0.6, QColor(200, 220, 90)},
    {0.8, QColor(240, 160, 60)},
    {1.0, QColor(200, 50, 40)},
}};

QColor RampColour(double t) {
  t = std::clamp(t, 0.0, 1.0);
  for (size_t i = 1; i < kRamp.size(); ++i) {
    if (t <= kRamp[i].at) {
      const RampStop& a = kRamp[i - 1];
      const RampStop& b = kRamp[i];
      const double f = (t - a.at) / (b.at - a.at);
      auto mix = [f](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * f)); };
      return QColor(mix(a.colour.red(), b.colour.red()), mix(a.colour.green(), b.colour.green()),
                    mix(a.colour.blue(), b.colour.blue()));
    }
  }
  return kRamp.back().colour;
}

// N in metres at grid position (row, col), bilinear between the nodes.
double SampleMetres(const ModelGrid& grid, double row, double col) {
  const int r = std::clamp(static_cast<int>(row), 0, kGridRows - 2);
  const int c = std::clamp(static_cast<int>(col), 0, kGridCols - 2);
  const double fr = row - r;
  const double fc = col - c;
  const double south = grid.G(r, c) + (grid.G(r, c + 1) - grid.G(r, c)) * fc;
  const double north = grid.G(r + 1, c) + (grid.G(r + 1, c + 1) - grid.G(r + 1, c)) * fc;
  return (south + (north - south) * fr) * kMetresPerUnit;
}

double PixelLonDeg(int x) {
  return kWestDeg + (x + 0.5) * kSpanLonDeg / kMapWidth;
}
double PixelLatDeg(int y) {
  return kSouthDeg + kSpanLatDeg - (y + 0.5) * kSpanLatDeg / kMapHeight;
}

}  // namespace

QImage DrawAnomalyMap(const ModelGrid& grid) {
  std::vector<double> n(static_cast<size_t>(kMapWidth) * kMapHeight);
  for (int y = 0; y < kMapHeight; ++y) {
    const double row = (PixelLatDeg(y) - kSouthDeg) * kNodesPerDeg;
    for (int x = 0; x < kMapWidth; ++x) {
      const double col = (PixelLonDeg(x) - kWestDeg) * kNodesPerDeg;
      n[static_cast<size_t>(y) * kMapWidth + x] = SampleMetres(grid, row, col);
    }
  }
  const auto [low, high] = std::minmax_element(n.begin(), n.end());
  const double span = std::max(*high - *low, kContourStepM);
  auto at = [&n](int x, int y) { return n[static_cast<size_t>(y) * kMapWidth + x]; };
  auto level = [](double metres) { return std::floor(metres / kContourStepM); };

  QImage image(kMapWidth, kMapHeight, QImage::Format_RGB32);
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const double here = at(x, y);
      // A contour passes where a whole metre lies between a pixel and its
      // neighbour to the east or to the south.
      const bool contour = (x + 1 < kMapWidth && level(at(x + 1, y)) != level(here)) ||
                           (y + 1 < kMapHeight && level(at(x, y + 1)) != level(here));
      const bool gridLine =
          (x + 1 < kMapWidth && std::floor(PixelLonDeg(x + 1)) != std::floor(PixelLonDeg(x))) ||
          (y + 1 < kMapHeight && std::floor(PixelLatDeg(y + 1)) != std::floor(PixelLatDeg(y)));
      QColor colour = RampColour((here - *low) / span);
      if (gridLine) colour = kGridColour;
      if (contour) colour = kContourColour;
      image.setPixelColor(x, y, colour);
    }
  }
  return image;
}

QImage MapPlaceholder() {
  QImage image(kMapWidth, kMapHeight, QImage::Format_RGB32);
  image.fill(QColor(220, 220, 220));
  QPainter painter(&image);
  painter.setPen(QPen(QColor(150, 150, 150), 6));
  painter.drawRect(image.rect().adjusted(3, 3, -3, -3));
  return image;
}

QImage AnomalyMapOfFile(const std::string& modelPath) {
  if (!FileExists(modelPath)) return MapPlaceholder();
  ModelGrid grid;
  try {
    LoadModelGrid(ResolvePath(modelPath), grid, [] {});
  } catch (const Error&) {
    return MapPlaceholder();
  }
  return DrawAnomalyMap(grid);
}

}  // namespace qv
