// The one way out: closing the main window, its "   Wyjście =>" button and a
// run that cannot go on first ask each editor window with unsaved changes,
// then end the program with status 0.
#include "ui/program_exit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "../compute/work_folder.h"
#include "modal_helper.h"
#include "qt_app.h"
#include "ui/editor_window.h"
#include "ui/main_window.h"

namespace qv {
namespace {

const QMessageBox::StandardButtons kYesNoCancel =
    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
const QMessageBox::StandardButtons kYesNo = QMessageBox::Yes | QMessageBox::No;

class ProgramExitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApp();
    previousEnd_ = SetProgramEnd([this](int status) { endStatuses_.push_back(status); });
    folder_.Write("bl", "old\r\n");
  }
  void TearDown() override {
    SetProgramEnd(previousEnd_);
    // Editors own dialogs of their own, which are top-level widgets too:
    // collect the editors first, then delete them.
    std::vector<TForm4*> editors;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* editor = qobject_cast<TForm4*>(widget)) editors.push_back(editor);
    }
    for (TForm4* editor : editors) delete editor;
  }

  // An editor window on `name` whose text the user replaced by "new".
  TForm4* ChangedEditor(const std::string& name) {
    TForm4* editor = OpenInEditor(QString::fromStdString(folder_ / name));
    editor->Memo1->selectAll();
    editor->Memo1->insertPlainText(QStringLiteral("new"));
    return editor;
  }

  void ExpectQuestion(const test::ModalHelper::Box& box, QMessageBox::StandardButtons buttons) {
    EXPECT_EQ(box.caption, QStringLiteral("Kelvra"));
    EXPECT_EQ(box.text, QStringLiteral("Czy zapisać zmiany ?"));
    EXPECT_EQ(box.buttons, buttons);
  }

  test::WorkFolder folder_;
  std::vector<int> endStatuses_;
  ProgramEnd previousEnd_;
};

TEST_F(ProgramExitTest, WithoutUnsavedChangesTheProgramEndsAtOnce) {
  OpenInEditor(QString::fromStdString(folder_ / "bl"));  // open but unchanged
  test::ModalHelper answerer;
  EXPECT_TRUE(LeaveProgram(ExitCause::UserClosed));
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_EQ(endStatuses_, std::vector<int>{0});
}

struct AnswerCase {
  const char* what;
  ExitCause cause;
  QMessageBox::StandardButton answer;
  QMessageBox::StandardButtons offered;
  bool ends;
  const char* fileAfter;  // what the file starts with
};

TEST_F(ProgramExitTest, AnUnsavedEditorIsAskedFirst) {
  const AnswerCase cases[] = {
      {"user, Cancel keeps the program", ExitCause::UserClosed, QMessageBox::Cancel, kYesNoCancel,
       false, "old\r\n"},
      {"user, No drops the changes", ExitCause::UserClosed, QMessageBox::No, kYesNoCancel, true,
       "old\r\n"},
      {"user, Yes saves them", ExitCause::UserClosed, QMessageBox::Yes, kYesNoCancel, true, "new"},
      {"run, No drops the changes", ExitCause::RunEnded, QMessageBox::No, kYesNo, true, "old\r\n"},
      {"run, Yes saves them", ExitCause::RunEnded, QMessageBox::Yes, kYesNo, true, "new"},
  };
  for (const AnswerCase& c : cases) {
    SCOPED_TRACE(c.what);
    endStatuses_.clear();
    folder_.Write("bl", "old\r\n");
    TForm4* editor = ChangedEditor("bl");
    test::ModalHelper answerer;
    answerer.PressButton(c.answer);
    EXPECT_EQ(LeaveProgram(c.cause), c.ends);
    EXPECT_TRUE(answerer.AllAnswered()) << answerer.Describe();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    ExpectQuestion(answerer.Seen()[0], c.offered);
    EXPECT_EQ(endStatuses_, c.ends ? std::vector<int>{0} : std::vector<int>{});
    EXPECT_EQ(folder_.Read("bl").rfind(c.fileAfter, 0), 0u) << folder_.Read("bl");
    EXPECT_TRUE(editor->isVisible());
    delete editor;
  }
}

TEST_F(ProgramExitTest, EachUnsavedEditorIsAskedAndCancelStopsTheQuestions) {
  folder_.Write("bln", "old bln\r\n");
  ChangedEditor("bl");
  OpenInEditor(QString::fromStdString(folder_ / "blh_e"));  // unchanged: not asked
  ChangedEditor("bln");
  {
    test::ModalHelper answerer;
    answerer.PressButton(QMessageBox::No);
    answerer.PressButton(QMessageBox::No);
    EXPECT_TRUE(LeaveProgram(ExitCause::UserClosed));
    EXPECT_EQ(answerer.Seen().size(), 2u);
  }
  {
    test::ModalHelper answerer;
    answerer.PressButton(QMessageBox::Cancel);
    EXPECT_FALSE(LeaveProgram(ExitCause::UserClosed));
    EXPECT_EQ(answerer.Seen().size(), 1u);
  }
  EXPECT_EQ(endStatuses_, std::vector<int>{0});
}

TEST_F(ProgramExitTest, ClosingTheMainWindowGoesThroughTheExitPath) {
  TForm1 form(folder_.path());
  form.show();
  ChangedEditor("bl");
  {
    test::ModalHelper answerer;
    answerer.PressButton(QMessageBox::Cancel);
    EXPECT_FALSE(form.close());
    ASSERT_EQ(answerer.Seen().size(), 1u);
    ExpectQuestion(answerer.Seen()[0], kYesNoCancel);
  }
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(endStatuses_.empty());
  {
    test::ModalHelper answerer;
    answerer.PressButton(QMessageBox::Cancel);
    form.BitBtn2->click();
    EXPECT_EQ(answerer.Seen().size(), 1u);
  }
  EXPECT_TRUE(form.isVisible());
  {
    test::ModalHelper answerer;
    answerer.PressButton(QMessageBox::No);
    form.BitBtn2->click();
    EXPECT_EQ(answerer.Seen().size(), 1u);
  }
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(endStatuses_, std::vector<int>{0});
  EXPECT_EQ(folder_.Read("bl"), "old\r\n");
}

TEST_F(ProgramExitTest, AFailedSaveKeepsTheProgramRunning) {
  // A path through a regular file cannot be written.
  TForm4* editor = OpenInEditor(QString::fromStdString(folder_ / "bl" + "/bln"));
  editor->Memo1->insertPlainText(QStringLiteral("new"));
  test::ModalHelper answerer;
  answerer.PressButton(QMessageBox::Yes);
  answerer.PressButton(QMessageBox::Ok);
  EXPECT_FALSE(LeaveProgram(ExitCause::RunEnded));
  EXPECT_TRUE(answerer.AllAnswered()) << answerer.Describe();
  ASSERT_EQ(answerer.Seen().size(), 2u);
  EXPECT_TRUE(answerer.Seen()[1].text.startsWith(QStringLiteral("Cannot create file")));
  EXPECT_TRUE(endStatuses_.empty());
  EXPECT_TRUE(editor->isVisible());
}

}  // namespace
}  // namespace qv
