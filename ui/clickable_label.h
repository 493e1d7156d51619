// A text box that reports a click: the data-file panels of the main window
// (raised boxes with a centred caption) and its "INFO" text.
#pragma once

#include <QLabel>

namespace qv {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  // A left-button press and release inside the box.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace qv
