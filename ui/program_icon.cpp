#include "ui/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {

namespace {

constexpr int kMinimumSize = 16;
constexpr int kIconSizes[] = {16, 32, 48, 64, 128};
// Shapes are laid out on a 64-unit square and scaled to the size asked for.
constexpr double kUnits = 64.0;
constexpr int kWaveSamples = 48;

}  // namespace

QImage DrawProgramIcon(int size) {
  size = std::max(size, kMinimumSize);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kUnits, size / kUnits);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 128));
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

  // The ellipsoid: a flat arc across the lower half.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(-6, 40, 76, 40), 30 * 16, 120 * 16);

  // The quasi-geoid: a wave above the ellipsoid.
  QPainterPath wave;
  for (int i = 0; i <= kWaveSamples; ++i) {
    const double x = 8 + 48.0 * i / kWaveSamples;
    const double y = 24 + 5 * std::sin(2 * std::numbers::pi * i / kWaveSamples * 1.5);
    if (i == 0) {
      wave.moveTo(x, y);
    } else {
      wave.lineTo(x, y);
    }
  }
  painter.setPen(QPen(QColor(0, 255, 255), 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(wave);

  // N: the distance between them, a double arrow.
  painter.setPen(QPen(QColor(255, 220, 0), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(32, 24), QPointF(32, 40));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 220, 0));
  painter.drawPolygon(QPolygonF({QPointF(27, 29), QPointF(37, 29), QPointF(32, 22)}));
  painter.drawPolygon(QPolygonF({QPointF(27, 36), QPointF(37, 36), QPointF(32, 43)}));
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(DrawProgramIcon(size)));
  return icon;
}

}  // namespace qv
