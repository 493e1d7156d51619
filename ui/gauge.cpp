#include "ui/gauge.h"

#include <QPainter>
#include <algorithm>
#include <limits>

namespace qv {

namespace {
constexpr int kPercentFull = 100;
constexpr int kBorder = 1;  // single border, in pixels
}  // namespace

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  UpdatePercent();
}

void Gauge::SetRange(long minValue, long maxValue) {
  minValue_ = minValue;
  maxValue_ = std::max(maxValue, minValue + 1);
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  UpdatePercent();
}

void Gauge::SetProgress(long value) {
  progress_ = std::clamp(value, minValue_, maxValue_);
  // A step back may lower the percentage; only a step forward can be
  // counted against the next threshold alone.
  UpdatePercent();
}

void Gauge::AddProgress(long steps) {
  if (steps < 0) {
    SetProgress(progress_ + steps);
    return;
  }
  progress_ = std::min(progress_ + steps, maxValue_);
  if (progress_ >= nextChange_) UpdatePercent();
}

int Gauge::PercentOf(long value) const {
  return static_cast<int>((value - minValue_) * kPercentFull / (maxValue_ - minValue_));
}

void Gauge::UpdatePercent() {
  const int shown = PercentOf(progress_);
  if (shown >= kPercentFull) {
    nextChange_ = std::numeric_limits<long>::max();
  } else {
    // Smallest v with (v - min) * 100 / range >= shown + 1.
    const long range = maxValue_ - minValue_;
    nextChange_ = minValue_ + ((shown + 1) * range + kPercentFull - 1) / kPercentFull;
  }
  if (shown == percent_) return;
  percent_ = shown;
  ++repaints_;
  // The run holds the event loop while it loads: paint now, not later.
  repaint();
}

void Gauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inner = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
  const int barWidth = inner.width() * percent_ / kPercentFull;
  const QRect bar(inner.left(), inner.top(), barWidth, inner.height());
  const QRect rest(inner.left() + barWidth, inner.top(), inner.width() - barWidth, inner.height());
  const QString text = QString::number(percent_) + QLatin1Char('%');

  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.fillRect(bar, Qt::black);
  painter.fillRect(rest, Qt::white);

  // The text reads white on the bar and black on the rest.
  painter.setFont(font());
  painter.setClipRect(rest);
  painter.setPen(Qt::black);
  painter.drawText(inner, Qt::AlignCenter, text);
  painter.setClipRect(bar);
  painter.setPen(Qt::white);
  painter.drawText(inner, Qt::AlignCenter, text);
}

}  // namespace qv
