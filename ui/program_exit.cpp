#include "ui/program_exit.h"

#include <QApplication>
#include <QPointer>
#include <vector>

#include "ui/editor_window.h"
#include "ui/message_boxes.h"

namespace qv {

namespace {

constexpr int kExitStatus = 0;
const QString kQuestionCaption = QStringLiteral("Kelvra");
const QString kSaveQuestion = QStringLiteral("Czy zapisać zmiany ?");

ProgramEnd& CurrentEnd() {
  static ProgramEnd end = [](int status) { QCoreApplication::exit(status); };
  return end;
}

// The editor windows still open, in the order the window system lists them.
std::vector<QPointer<::TForm4>> OpenEditors() {
  std::vector<QPointer<::TForm4>> editors;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* editor = qobject_cast<::TForm4*>(widget); editor != nullptr && editor->isVisible()) {
      editors.emplace_back(editor);
    }
  }
  return editors;
}

}  // namespace

bool LeaveProgram(ExitCause cause) {
  for (const QPointer<::TForm4>& editor : OpenEditors()) {
    // A box answered earlier may have let other windows close meanwhile.
    if (editor.isNull() || !editor->Modified()) continue;
    editor->raise();
    const auto answer = cause == ExitCause::UserClosed
                            ? AskYesNoCancel(editor, kQuestionCaption, kSaveQuestion)
                            : AskYesNo(editor, kQuestionCaption, kSaveQuestion);
    if (answer == QMessageBox::Yes) {
      // The editor's own Save: it reports a failure (or a cancelled file
      // dialog for a new document) by leaving the document modified.
      editor->SpeedButton1Click();
      if (editor.isNull() || editor->Modified()) return false;
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
