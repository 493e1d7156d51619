// The editor window as it opens: size, place, tool bar, menus, text control,
// dialogs; and a picture of it for a visual check.
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "editor_fixture.h"
#include "ui/find_dialog.h"

namespace qv::test {
namespace {

using EditorWindowTest = EditorTest;

TEST_F(EditorWindowTest, OpensCentredOnTopAtItsSize) {
  TForm4* w = Open(Path("bl"));
  ASSERT_TRUE(w->isVisible());
  EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(w->frameGeometry().size(), QSize(642, 531));
  const QPoint screen_centre = w->screen()->availableGeometry().center();
  EXPECT_LE((w->frameGeometry().center() - screen_centre).manhattanLength(), 1);
  EXPECT_FALSE(w->windowIcon().isNull());
  EXPECT_EQ(w->ToolBar1->height(), 29);
}

struct ToolItem {
  const char* name;  // object name, or "gap"
  int width;
  const char* tip;
};

TEST_F(EditorWindowTest, ToolBarHoldsItsItemsInOrder) {
  TForm4* w = Open(Path("bl"));
  const std::vector<ToolItem> expected = {
      {"gap", 8, ""},
      {"SpeedButton4", 23, "Nowy plik"},
      {"gap", 8, ""},
      {"SpeedButton3", 23, "Otwórz zbiór"},
      {"SpeedButton1", 23, "Zapisz plik"},
      {"gap", 8, ""},
      {"SpeedButton2", 23, "Drukuj plik"},
      {"gap", 8, ""},
      {"SpeedButton5", 23, "Szukaj ciągu znaków"},
      {"gap", 8, ""},
      {"SpeedButton8", 23, "Wytnij zaznaczony tekst"},
      {"SpeedButton9", 23, "Kopiuj do schowka"},
      {"SpeedButton10", 23, "Wklej ze schowka"},
      {"gap", 8, ""},
      {"SpeedButton7", 23, "Cofanie o 1 krok"},
      {"gap", 18, ""},
      {"SpeedButton6", 23, "font = [ Bold ]"},
      {"TrackBar1", 150, ""},
      {"Edit1", 22, ""},
      {"SpeedButton11", 25, "font [do druku]"},
      {"gap", 18, ""},
      {"SpeedButton12", 106, ""},
  };
  const QList<QAction*> actions = w->ToolBar1->actions();
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) {
    QWidget* item = w->ToolBar1->widgetForAction(actions[i]);
    ASSERT_NE(item, nullptr) << i;
    const ToolItem& e = expected[i];
    SCOPED_TRACE(std::to_string(i) + " " + e.name);
    if (std::string(e.name) != "gap") {
      EXPECT_EQ(item->objectName(), QString::fromLatin1(e.name));
    }
    EXPECT_EQ(item->width(), e.width);
    EXPECT_EQ(item->toolTip(), QString::fromUtf8(e.tip));
    if (auto* button = qobject_cast<QToolButton*>(item)) {
      EXPECT_EQ(button->height(), 23);
      EXPECT_TRUE(button->autoRaise());
      EXPECT_FALSE(button->icon().isNull());
    }
  }
  EXPECT_EQ(w->SpeedButton12->text(), QStringLiteral("ZAMKNIJ"));
  EXPECT_EQ(w->SpeedButton12->height(), 23);
  EXPECT_TRUE(w->SpeedButton12->font().bold());
  EXPECT_EQ(w->SpeedButton12->font().pixelSize(), 11);
  EXPECT_EQ(w->TrackBar1->minimum(), 5);
  EXPECT_EQ(w->TrackBar1->maximum(), 20);
  EXPECT_EQ(w->TrackBar1->tickInterval(), 3);
  EXPECT_EQ(w->TrackBar1->value(), 8);
  EXPECT_EQ(w->Edit1->text(), QStringLiteral("8"));
}

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (QAction* action : actions) {
    texts << action->text();
    EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
  }
  return texts;
}

TEST_F(EditorWindowTest, MenusAndContextMenuCarryTheirItems) {
  TForm4* w = Open(Path("bl"));
  const QList<QAction*> menus = w->menuBar()->actions();
  ASSERT_EQ(Texts(menus), (QStringList{"Plik", "Edycja", "Znajdź"}));
  EXPECT_EQ(
      Texts(menus[0]->menu()->actions()),
      (QStringList{"&Nowy", "&Otwórz...", "&Zapisz", "Zapisz &jako...", "&Drukuj...", "W&yjście"}));
  EXPECT_EQ(Texts(menus[1]->menu()->actions()),
            (QStringList{"Cofnij", "&Wytnij", "&Kopiuj", "Wkl&ej"}));
  EXPECT_EQ(Texts(menus[2]->menu()->actions()), (QStringList{"Znajdź..."}));
  EXPECT_EQ(Texts(w->PopupMenu1->actions()), (QStringList{"Cofnij", "Wytnij", "Kopiuj", "Wklej"}));
}

TEST_F(EditorWindowTest, TextControlIsPlainMonospacedUnwrappedWithScrollBars) {
  TForm4* w = Open(Path("bl"));
  EXPECT_EQ(w->Memo1->font().family(), QStringLiteral("Courier New"));
  EXPECT_EQ(w->Memo1->font().pointSize(), 8);
  EXPECT_TRUE(QFontInfo(w->Memo1->font()).fixedPitch());
  EXPECT_EQ(w->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(w->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(w->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(w->DisplayFont().weight(), QFont::Normal);
  EXPECT_FALSE(w->DisplayFont().italic());
  EXPECT_FALSE(w->r1->isVisible());
  EXPECT_EQ(w->Memo1->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(EditorWindowTest, DialogsAreSetUpWithTheWindow) {
  TForm4* w = Open(Path("bl"));
  EXPECT_EQ(w->od1->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(w->sd1->acceptMode(), QFileDialog::AcceptSave);
  for (QFileDialog* dialog : {w->od1, w->sd1}) {
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->nameFilters().size(), 1);
    EXPECT_TRUE(dialog->nameFilters().first().startsWith("Wszystkie pliki"));
    EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
  }
  EXPECT_EQ(w->FontDialog1->currentFont().pointSize(), 8);
  EXPECT_FALSE(w->fd1->isModal());
  EXPECT_FALSE(w->fd1->isVisible());
  w->SpeedButton5Click();
  EXPECT_TRUE(w->fd1->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(EditorWindowTest, PictureOfTheWindowForAVisualCheck) {
  WriteBytes("blh_e", QByteArray("* punkty do przeliczenia\r\n"
                                 "P1  52 13 12.3456  21 01 02.3456  123.456\r\n"
                                 "P\xB3\xF3\xBF  50 03 59.0001  19 56 00.0000  245.100\r\n"));
  TForm4* w = Open(Path("blh_e"));
  const QImage picture = w->grab().toImage();
  EXPECT_EQ(picture.size(), w->size());
  const QString file = QStringLiteral(QV_BINARY_DIR "/editor_window.png");
  EXPECT_TRUE(picture.save(file)) << file.toStdString();

  w->SpeedButton5Click();
  w->fd1->SetFindText(QStringLiteral("P1"));
  const QString find_file = QStringLiteral(QV_BINARY_DIR "/editor_find_dialog.png");
  EXPECT_TRUE(w->fd1->grab().toImage().save(find_file)) << find_file.toStdString();
}

}  // namespace
}  // namespace qv::test
