#include "ui/command_guard.h"

#include <QString>
#include <exception>

#include "ui/message_boxes.h"

namespace qv {

bool RunCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& e) {
    ShowError(parent, QString::fromUtf8(e.what()));
    return false;
  }
}

}  // namespace qv
