// Each button and menu item of the editor window runs its own command; the
// clipboard commands; printer failures.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

#include "editor_fixture.h"
#include "modal_helper.h"
#include "ui/find_dialog.h"

namespace qv::test {
namespace {

using EditorCommandsTest = EditorTest;

// The menu-bar item `item` of menu `menu`, or nullptr.
QAction* MenuItem(TForm4* w, const QString& menu, const QString& item) {
  for (QAction* title : w->menuBar()->actions()) {
    if (title->text() != menu) continue;
    for (QAction* action : title->menu()->actions()) {
      if (action->text() == item) return action;
    }
  }
  return nullptr;
}

QAction* PopupItem(TForm4* w, const QString& item) {
  for (QAction* action : w->PopupMenu1->actions()) {
    if (action->text() == item) return action;
  }
  return nullptr;
}

struct TriggerCase {
  const char* how;
  std::function<void(TForm4*)> trigger;
  std::function<void(EditorTest&, TForm4*)> check;
  // Answer to the question about unsaved changes, when the command asks it.
  QMessageBox::StandardButton answer = QMessageBox::NoButton;
};

TEST_F(EditorCommandsTest, ButtonsAndMenuItemsRunTheirCommands) {
  auto menu = [](const char* title, const char* item) {
    return [=](TForm4* w) {
      QAction* action = MenuItem(w, QString::fromUtf8(title), QString::fromUtf8(item));
      ASSERT_NE(action, nullptr) << item;
      action->trigger();
    };
  };
  auto popup = [](const char* item) {
    return [=](TForm4* w) {
      QAction* action = PopupItem(w, QString::fromUtf8(item));
      ASSERT_NE(action, nullptr) << item;
      action->trigger();
    };
  };
  auto became_new = [](EditorTest& t, TForm4* w) {
    EXPECT_EQ(w->windowTitle(), t.Path("Nowy dokument"));
    EXPECT_TRUE(w->Memo1->toPlainText().isEmpty());
  };
  auto saved = [](EditorTest& t, TForm4* w) {
    EXPECT_EQ(t.ReadBytes("bl"), QByteArray("tekst+\r\n"));
    EXPECT_FALSE(w->Modified());
  };
  auto find_shown = [](EditorTest&, TForm4* w) { EXPECT_TRUE(w->fd1->isVisible()); };
  auto undone_and_marked = [](EditorTest&, TForm4* w) {
    EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("tekst"));
    EXPECT_TRUE(w->Modified());
  };
  auto undone_clean = [](EditorTest&, TForm4* w) {
    EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("tekst"));
    EXPECT_FALSE(w->Modified());
  };
  auto bold = [](EditorTest&, TForm4* w) { EXPECT_TRUE(w->DisplayFont().bold()); };
  auto closed = [](EditorTest&, TForm4* w) { EXPECT_FALSE(w->isVisible()); };

  // Every window starts with "tekst" in "bl" and "+" typed after it.
  std::vector<TriggerCase> cases = {
      {"SpeedButton4", [](TForm4* w) { w->SpeedButton4->click(); }, became_new, QMessageBox::No},
      {"Plik/&Nowy", menu("Plik", "&Nowy"), became_new, QMessageBox::No},
      {"SpeedButton1", [](TForm4* w) { w->SpeedButton1->click(); }, saved},
      {"Plik/&Zapisz", menu("Plik", "&Zapisz"), saved},
      {"SpeedButton5", [](TForm4* w) { w->SpeedButton5->click(); }, find_shown},
      {"Znajdź/Znajdź...", menu("Znajdź", "Znajdź..."), find_shown},
      {"SpeedButton7", [](TForm4* w) { w->SpeedButton7->click(); }, undone_and_marked},
      {"Edycja/Cofnij", menu("Edycja", "Cofnij"), undone_and_marked},
      {"context Cofnij", popup("Cofnij"), undone_clean},
      {"SpeedButton6", [](TForm4* w) { w->SpeedButton6->click(); }, bold},
  };
  for (const TriggerCase& c : cases) {
    SCOPED_TRACE(c.how);
    WriteBytes("bl", QByteArray("tekst\r\n"));
    TForm4* w = Open(Path("bl"));
    Type(w, "+");
    ModalHelper modal;
    if (c.answer != QMessageBox::NoButton) modal.PressButton(c.answer);
    c.trigger(w);
    c.check(*this, w);
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    w->Memo1->document()->setModified(false);
    w->close();
    Flush();
  }

  // The three ways to close ask the same question.
  const std::vector<TriggerCase> closing = {
      {"SpeedButton12", [](TForm4* w) { w->SpeedButton12->click(); }, closed},
      {"Plik/W&yjście", menu("Plik", "W&yjście"), closed},
      {"frame", [](TForm4* w) { w->close(); }, closed},
  };
  for (const TriggerCase& c : closing) {
    SCOPED_TRACE(c.how);
    TForm4* w = Open(Path("bl"));
    Type(w, "+");
    ModalHelper modal;
    modal.PressButton(QMessageBox::No);
    c.trigger(w);
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    c.check(*this, w);
    Flush();
  }
}

TEST_F(EditorCommandsTest, ClipboardCommandsMoveThePlainText) {
  WriteBytes("bl", QByteArray("alfa beta\r\n"));
  TForm4* w = Open(Path("bl"));
  QTextCursor cursor(w->Memo1->document());
  cursor.setPosition(5, QTextCursor::KeepAnchor);
  w->Memo1->setTextCursor(cursor);
  w->SpeedButton9->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("alfa "));
  EXPECT_FALSE(w->Modified());
  w->SpeedButton8->click();
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("beta"));
  EXPECT_TRUE(w->Modified());
  cursor = w->Memo1->textCursor();
  cursor.movePosition(QTextCursor::End);
  w->Memo1->setTextCursor(cursor);
  w->SpeedButton10->click();
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("betaalfa "));
}

TEST_F(EditorCommandsTest, PrinterFailureIsShownInTheErrorBox) {
  TForm4* w = Open(Path("bl"));
  const QString pdf = Path("brak/wydruk.pdf");
  w->Printer->setOutputFormat(QPrinter::PdfFormat);
  w->Printer->setOutputFileName(pdf);
  ModalHelper modal;
  modal.Answer("QPrintDialog", true);
  modal.PressButton(QMessageBox::Ok);
  w->SpeedButton2Click();
  EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  ASSERT_EQ(modal.Seen().size(), 2u);
  EXPECT_EQ(modal.Seen()[1].caption, QStringLiteral("Quavelor_5021RM"));
  EXPECT_EQ(modal.Seen()[1].icon, QMessageBox::Critical);
  EXPECT_EQ(modal.Seen()[1].text, QStringLiteral("Cannot print to \"%1\"").arg(pdf));
  EXPECT_TRUE(w->isVisible());
}

}  // namespace
}  // namespace qv::test
