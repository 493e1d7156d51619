#include "ui/application.h"

#include <exception>

#include "ui/message_boxes.h"

namespace qv {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowError(nullptr, QString::fromUtf8(e.what()));
    return false;
  }
}

}  // namespace qv
