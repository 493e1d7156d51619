// Find, and the display font: Bold, the size slider and entry box, the font
// dialog.
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>

#include "editor_fixture.h"
#include "modal_helper.h"
#include "ui/find_dialog.h"

namespace qv::test {
namespace {

using EditorFindTest = EditorTest;
using EditorFontTest = EditorTest;

struct Selection {
  int start;
  int end;
  bool operator==(const Selection&) const = default;
};

Selection SelectionOf(TForm4* w) {
  const QTextCursor cursor = w->Memo1->textCursor();
  return {cursor.selectionStart(), cursor.selectionEnd()};
}

// Runs find-next once; returns the texts of the message boxes it showed.
QStringList FindNext(TForm4* w) {
  ModalHelper modal;
  modal.PressButton(QMessageBox::Ok);
  emit w->fd1->findNext();
  QStringList texts;
  for (const ModalHelper::Box& box : modal.Seen()) {
    EXPECT_EQ(box.caption, QStringLiteral("Informacja"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    texts << box.text;
  }
  return texts;
}

const QString kNotFound = QStringLiteral("Nie można odnaleźć łańcucha");

TEST_F(EditorFindTest, FindsEachOccurrenceForwardWithoutWrapping) {
  WriteBytes("bl", QByteArray("abab\r\n"));
  TForm4* w = Open(Path("bl"));
  w->SpeedButton5Click();
  w->fd1->SetFindText("ab");
  w->Edit1->setFocus();
  EXPECT_TRUE(FindNext(w).isEmpty());
  EXPECT_EQ(SelectionOf(w), (Selection{0, 2}));
  EXPECT_EQ(w->focusWidget(), w->Memo1);
  EXPECT_TRUE(FindNext(w).isEmpty());
  EXPECT_EQ(SelectionOf(w), (Selection{2, 4}));
  for (int again = 0; again < 2; ++again) {
    EXPECT_EQ(FindNext(w), QStringList{kNotFound});
    EXPECT_EQ(SelectionOf(w), (Selection{2, 4}));
  }
  // A changed selection starts the search from the beginning again.
  QTextCursor cursor = w->Memo1->textCursor();
  cursor.setPosition(1);
  w->Memo1->setTextCursor(cursor);
  EXPECT_TRUE(FindNext(w).isEmpty());
  EXPECT_EQ(SelectionOf(w), (Selection{0, 2}));
  EXPECT_FALSE(w->Modified());
}

TEST_F(EditorFindTest, LetterCaseCounts) {
  WriteBytes("bl", QByteArray("abab\r\n"));
  TForm4* w = Open(Path("bl"));
  w->fd1->SetFindText("AB");
  EXPECT_EQ(FindNext(w), QStringList{kNotFound});
  EXPECT_EQ(SelectionOf(w), (Selection{0, 0}));
}

TEST_F(EditorFindTest, FindsAcrossLinesAndPolishLetters) {
  WriteBytes("bl", QByteArray("pierwsza\r\nw\xB3\xF3k\r\nkoniec w\xB3\xF3k\r\n"));
  TForm4* w = Open(Path("bl"));
  w->fd1->SetFindText(QStringLiteral("włók"));
  EXPECT_TRUE(FindNext(w).isEmpty());
  EXPECT_EQ(SelectionOf(w), (Selection{9, 13}));
  EXPECT_TRUE(FindNext(w).isEmpty());
  EXPECT_EQ(SelectionOf(w), (Selection{21, 25}));
}

void PressKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
}

struct SizeCase {
  int size_before;
  QString entry;
  int key;
  int size_after;
  QString box_after;
  QString error;  // text of the error box, or empty
};

TEST_F(EditorFontTest, SizeEntry) {
  const std::vector<SizeCase> cases = {
      {8, "25", Qt::Key_Return, 8, "8", ""},
      {8, "4", Qt::Key_Return, 5, "5", ""},
      {5, "4", Qt::Key_Return, 5, "4", ""},
      {8, "3", Qt::Key_Enter, 5, "5", ""},
      {8, "2", Qt::Key_Return, 8, "8", ""},
      {8, "-7", Qt::Key_Return, 8, "8", ""},
      {8, "20", Qt::Key_Return, 20, "20", ""},
      {8, "21", Qt::Key_Return, 8, "8", ""},
      {8, "12", Qt::Key_Return, 12, "12", ""},
      {8, "12", Qt::Key_2, 8, "12", ""},
      {8, "x", Qt::Key_Return, 8, "x", "'x' is not a valid integer value"},
      {8, "1.5", Qt::Key_Return, 8, "1.5", "'1.5' is not a valid integer value"},
      {8, "", Qt::Key_Return, 8, "", "'' is not a valid integer value"},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.entry.toStdString() + " at size " + std::to_string(c.size_before));
    TForm4* w = Open(Path("bl"));
    w->TrackBar1->setValue(c.size_before);
    ASSERT_EQ(w->DisplayFont().pointSize(), c.size_before);
    w->Edit1->setText(c.entry);
    ModalHelper modal;
    if (!c.error.isEmpty()) modal.PressButton(QMessageBox::Ok);
    PressKey(w->Edit1, c.key);
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    if (!c.error.isEmpty()) {
      ASSERT_EQ(modal.Seen().size(), 1u);
      EXPECT_EQ(modal.Seen()[0].caption, QStringLiteral("Quavelor_5021RM"));
      EXPECT_EQ(modal.Seen()[0].text, c.error);
    }
    EXPECT_EQ(w->TrackBar1->value(), c.size_after);
    EXPECT_EQ(w->DisplayFont().pointSize(), c.size_after);
    EXPECT_EQ(w->Memo1->font().pointSize(), c.size_after);
    EXPECT_EQ(w->Edit1->text(), c.box_after);
    w->close();
    Flush();
  }
}

TEST_F(EditorFontTest, SliderSetsTheSizeAndTheBoxAndGivesTheTextTheFocus) {
  TForm4* w = Open(Path("bl"));
  // The window's focus child: the control that has the keyboard focus whenever
  // the window is active.
  w->Edit1->setFocus();
  ASSERT_EQ(w->focusWidget(), w->Edit1);
  w->TrackBar1->setValue(17);
  EXPECT_EQ(w->focusWidget(), w->Memo1);
  EXPECT_EQ(w->DisplayFont().pointSize(), 17);
  EXPECT_EQ(w->Memo1->font().pointSize(), 17);
  EXPECT_EQ(w->Edit1->text(), QStringLiteral("17"));
  EXPECT_EQ(w->DisplayFont().family(), QStringLiteral("Courier New"));
}

struct BoldCase {
  const char* name;
  bool bold, italic, underline;
  QFont::Weight weight_after;
};

TEST_F(EditorFontTest, BoldMakesExactlyBoldOrRegular) {
  const std::vector<BoldCase> cases = {
      {"regular", false, false, false, QFont::Bold},
      {"bold", true, false, false, QFont::Normal},
      {"italic", false, true, false, QFont::Bold},
      {"bold italic", true, true, false, QFont::Bold},
      {"bold underlined", true, false, true, QFont::Bold},
  };
  for (const BoldCase& c : cases) {
    SCOPED_TRACE(c.name);
    TForm4* w = Open(Path("bl"));
    // A face the font dialog lists with all its styles.
    QFont start(QStringLiteral("Liberation Mono"), 10);
    start.setBold(c.bold);
    start.setItalic(c.italic);
    start.setUnderline(c.underline);
    ModalHelper modal;
    modal.ChooseFont(start);
    w->SpeedButton11Click();
    ASSERT_TRUE(modal.AllAnswered()) << modal.Describe();
    ASSERT_EQ(w->DisplayFont().bold(), c.bold);
    ASSERT_EQ(w->DisplayFont().italic(), c.italic);
    w->SpeedButton6Click();
    EXPECT_EQ(w->DisplayFont().weight(), c.weight_after);
    EXPECT_FALSE(w->DisplayFont().italic());
    EXPECT_FALSE(w->DisplayFont().underline());
    EXPECT_EQ(w->Memo1->font().weight(), c.weight_after);
    EXPECT_EQ(w->DisplayFont().pointSize(), 10);
    w->close();
    Flush();
  }
}

TEST_F(EditorFontTest, BoldTwiceOnBoldItalicGivesBoldThenRegular) {
  TForm4* w = Open(Path("bl"));
  QFont start(QStringLiteral("Liberation Mono"), 8);
  start.setBold(true);
  start.setItalic(true);
  ModalHelper modal;
  modal.ChooseFont(start);
  w->SpeedButton11Click();
  w->SpeedButton6Click();
  EXPECT_TRUE(w->DisplayFont().bold());
  EXPECT_FALSE(w->DisplayFont().italic());
  w->SpeedButton6Click();
  EXPECT_EQ(w->DisplayFont().weight(), QFont::Normal);
  EXPECT_FALSE(w->DisplayFont().italic());
}

TEST_F(EditorFontTest, FontDialogSetsTheWholeFontButNotTheSizeControls) {
  TForm4* w = Open(Path("bl"));
  const QFont chosen(QStringLiteral("Liberation Serif"), 14, QFont::Normal, true);
  {
    ModalHelper modal;
    modal.ChooseFont(chosen);
    w->SpeedButton11Click();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  }
  EXPECT_EQ(w->DisplayFont().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(w->DisplayFont().pointSize(), 14);
  EXPECT_TRUE(w->DisplayFont().italic());
  EXPECT_EQ(w->Memo1->font().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(w->TrackBar1->value(), 8);
  EXPECT_EQ(w->Edit1->text(), QStringLiteral("8"));
  // The dialog opens next time with the font last chosen in it, even after the
  // text's font changed elsewhere.
  w->TrackBar1->setValue(11);
  EXPECT_EQ(w->FontDialog1->currentFont().family(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(w->FontDialog1->currentFont().pointSize(), 14);
  // Cancelling the dialog keeps the display font.
  ModalHelper modal;
  modal.Answer("QFontDialog", false);
  w->SpeedButton11Click();
  EXPECT_EQ(w->DisplayFont().pointSize(), 11);
}

}  // namespace
}  // namespace qv::test
