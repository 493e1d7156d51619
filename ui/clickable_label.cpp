#include "ui/clickable_label.h"

#include <QMouseEvent>

namespace qv {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

}  // namespace qv
