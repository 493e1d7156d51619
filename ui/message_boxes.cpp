#include "ui/message_boxes.h"

#include "ui/app_title.h"

namespace qv {
namespace {

QMessageBox::StandardButton Run(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape) {
  QMessageBox box(icon, caption, text, buttons, parent);
  box.setEscapeButton(escape);
  box.setTextFormat(Qt::PlainText);
  int answer = box.exec();
  return static_cast<QMessageBox::StandardButton>(answer);
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
  ShowMessage(parent, ApplicationTitle(), text);
}

void ShowMessage(QWidget* parent, const QString& caption, const QString& text) {
  Run(parent, QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& caption,
                                           const QString& text) {
  QMessageBox::StandardButton answer =
      Run(parent, QMessageBox::NoIcon, caption, text,
          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
  if (answer != QMessageBox::Yes && answer != QMessageBox::No) return QMessageBox::Cancel;
  return answer;
}

QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox::StandardButton answer = Run(parent, QMessageBox::NoIcon, caption, text,
                                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  return answer == QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::No;
}

void ShowInformation(QWidget* parent, const QString& text) {
  Run(parent, QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
      QMessageBox::Ok);
}

void ShowError(QWidget* parent, const QString& text) {
  Run(parent, QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace qv
