#include "ui/program_exit.h"

#include <QApplication>
#include <QPointer>
#include <vector>

#include "ui/editor_window.h"
#include "ui/message_boxes.h"

namespace qv {

namespace {

constexpr int kExitStatus = 0;

ProgramEnd& CurrentEnd() {
  static ProgramEnd end = [](int status) { QCoreApplication::exit(status); };
  return end;
}

// The editor windows still open, in the order the window system lists them.
std::vector<QPointer<TForm4>> OpenEditors() {
  std::vector<QPointer<TForm4>> editors;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* editor = qobject_cast<TForm4*>(widget); editor != nullptr && editor->isVisible()) {
      editors.emplace_back(editor);
    }
  }
  return editors;
}

}  // namespace

bool LeaveProgram(ExitCause cause) {
  const QMessageBox::StandardButtons buttons =
      cause == ExitCause::UserClosed ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                     : QMessageBox::Yes | QMessageBox::No;
  for (const QPointer<TForm4>& editor : OpenEditors()) {
    // A box answered earlier may have let other windows close meanwhile.
    if (editor.isNull() || !editor->IsModified()) continue;
    editor->raise();
    const auto answer = AskQuestion(editor, QStringLiteral("Kelvra"),
                                    QStringLiteral("Czy zapisać zmiany ?"), buttons);
    if (answer == QMessageBox::Yes) {
      if (!editor->SaveNow()) return false;
    } else if (answer != QMessageBox::No) {
      return false;  // Cancel, or the box closed without an answer
    }
  }
  CurrentEnd()(kExitStatus);
  return true;
}

ProgramEnd SetProgramEnd(ProgramEnd end) {
  ProgramEnd previous = std::move(CurrentEnd());
  CurrentEnd() = std::move(end);
  return previous;
}

}  // namespace qv
