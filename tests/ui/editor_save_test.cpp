// Files written and read by the editor window: Save, Save as, Open, New,
// Close with its question, failures, letter case and long paths.
#include <QDir>
#include <cerrno>
#include <cstring>

#include "editor_fixture.h"
#include "modal_helper.h"
#include "platform/error.h"

namespace qv::test {
namespace {

using EditorSaveTest = EditorTest;

const QString kQuestion = QStringLiteral("Czy zapisać zmiany ?");

int VisibleEditors() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<TForm4*>(w) && w->isVisible()) ++count;
  }
  return count;
}

TEST_F(EditorSaveTest, MissingFileOpensAsOneSpaceAndSaveCreatesIt) {
  const QString path = Path("bl");
  TForm4* w = Open(path);
  EXPECT_EQ(w->windowTitle(), path);
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral(" "));
  EXPECT_FALSE(w->Modified());
  EXPECT_FALSE(Exists("bl"));
  w->SpeedButton1Click();
  EXPECT_EQ(ReadBytes("bl"), QByteArray(" \r\n"));
}

TEST_F(EditorSaveTest, ClosingAnUnchangedWindowAsksNothing) {
  QPointer<TForm4> w = Open(Path("bl"));
  ModalHelper modal;
  w->spr();
  Flush();
  EXPECT_TRUE(modal.Seen().empty());
  EXPECT_TRUE(w.isNull());
  EXPECT_FALSE(Exists("bl"));
}

TEST_F(EditorSaveTest, SaveWritesWindows1250WithCrLf) {
  WriteBytes("blh_n", kPolishWin1250 + "\nP1 12.5\n");
  TForm4* w = Open(Path("blh_n"));
  EXPECT_EQ(w->Memo1->toPlainText(), kPolishText + "\nP1 12.5");
  Type(w, QStringLiteral("\nŹdźbło 3"));
  EXPECT_TRUE(w->Modified());
  w->SpeedButton1Click();
  EXPECT_FALSE(w->Modified());
  EXPECT_EQ(ReadBytes("blh_n"), kPolishWin1250 +
                                    "\r\nP1 12.5\r\n\x8F"
                                    "d\x9F"
                                    "b\xB3o 3\r\n");
}

TEST_F(EditorSaveTest, SaveAsWritesTheChosenFileAndTakesItsPath) {
  WriteBytes("bln", QByteArray("wynik\r\n"));
  TForm4* w = Open(Path("bln"));
  Type(w, "!");
  ModalHelper modal;
  modal.ChooseFile(Path("bl"));
  w->Zapiszjako1Click();
  EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  EXPECT_EQ(ReadBytes("bl"), QByteArray("wynik!\r\n"));
  EXPECT_EQ(ReadBytes("bln"), QByteArray("wynik\r\n"));
  EXPECT_EQ(w->windowTitle(), Path("bl"));
  EXPECT_FALSE(w->Modified());
}

TEST_F(EditorSaveTest, SaveAsCancelledChangesNothing) {
  TForm4* w = Open(Path("bl"));
  Type(w, "abc");
  ModalHelper modal;
  modal.Answer("QFileDialog", false);
  w->Zapiszjako1Click();
  EXPECT_EQ(modal.Seen().size(), 1u);
  EXPECT_EQ(modal.Seen()[0].kind, QStringLiteral("file"));
  EXPECT_EQ(w->windowTitle(), Path("bl"));
  EXPECT_TRUE(w->Modified());
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(EditorSaveTest, FileDialogsStartInTheFolderOfTheDocument) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("roboczy"));
  const QString folder = QDir(Path("roboczy")).canonicalPath();
  TForm4* w = Open(Path("roboczy/bl"));
  ModalHelper modal;
  modal.Answer("QFileDialog", false);
  modal.Answer("QFileDialog", false);
  w->Zapiszjako1Click();
  w->SpeedButton3Click();
  EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  EXPECT_EQ(w->sd1->directory().canonicalPath(), folder);
  EXPECT_EQ(w->od1->directory().canonicalPath(), folder);
}

struct CloseCase {
  const char* how;
  void (TForm4::*command)();
  QMessageBox::StandardButton answer;
  bool closes;
  QByteArray file_after;
};

TEST_F(EditorSaveTest, CloseAsksAboutChangesAndDoesWhatTheAnswerSays) {
  const QByteArray old_bytes("stary\r\n");
  const QByteArray new_bytes("stary nowy\r\n");
  auto frame_close = [](TForm4* w) { w->close(); };
  std::vector<CloseCase> cases;
  for (auto [how, command] :
       {std::pair{"ZAMKNIJ", &TForm4::spr}, std::pair{"Wyjście", &TForm4::Wyjcie1Click},
        std::pair{"frame", static_cast<void (TForm4::*)()>(nullptr)}}) {
    cases.push_back({how, command, QMessageBox::Yes, true, new_bytes});
    cases.push_back({how, command, QMessageBox::No, true, old_bytes});
    cases.push_back({how, command, QMessageBox::Cancel, false, old_bytes});
    cases.push_back({how, command, QMessageBox::NoButton, false, old_bytes});
  }
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(std::string(c.how) + " answered " + std::to_string(c.answer));
    WriteBytes("bl", old_bytes);
    QPointer<TForm4> w = Open(Path("bl"));
    Type(w, " nowy");
    ModalHelper modal;
    modal.PressButton(c.answer);
    if (c.command) {
      (w->*c.command)();
    } else {
      frame_close(w);
    }
    ASSERT_EQ(modal.Seen().size(), 1u);
    EXPECT_EQ(modal.Seen()[0].caption, QStringLiteral("Kelvra"));
    EXPECT_EQ(modal.Seen()[0].text, kQuestion);
    EXPECT_EQ(modal.Seen()[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(modal.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    Flush();
    EXPECT_EQ(w.isNull(), c.closes);
    EXPECT_EQ(ReadBytes("bl"), c.file_after);
    if (!c.closes) {
      EXPECT_TRUE(w->isVisible());
      EXPECT_TRUE(w->Modified());
      EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("stary nowy"));
      w->Memo1->document()->setModified(false);
      w->close();
      Flush();
    }
  }
}

TEST_F(EditorSaveTest, ClosedWithoutSavingTheFileReopensUnchanged) {
  WriteBytes("bl", QByteArray("linia 1\r\nlinia 2\r\n"));
  TForm4* w = Open(Path("bl"));
  Type(w, "zmiana");
  ModalHelper modal;
  modal.PressButton(QMessageBox::No);
  w->close();
  Flush();
  TForm4* again = Open(Path("bl"));
  EXPECT_EQ(again->Memo1->toPlainText(), QStringLiteral("linia 1\nlinia 2"));
  EXPECT_FALSE(again->Modified());
}

TEST_F(EditorSaveTest, NewAsksAboutChangesFirst) {
  struct Case {
    QMessageBox::StandardButton answer;
    QString text_after;
    QString caption_after;
    bool modified_after;
    QByteArray file_after;
  };
  const QString nowy = Path("Nowy dokument");
  const std::vector<Case> cases = {
      {QMessageBox::Cancel, "stary+", Path("bl"), true, "stary\r\n"},
      {QMessageBox::No, "", nowy, false, "stary\r\n"},
      {QMessageBox::Yes, "", nowy, false, "stary+\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    WriteBytes("bl", QByteArray("stary\r\n"));
    TForm4* w = Open(Path("bl"));
    Type(w, "+");
    ModalHelper modal;
    modal.PressButton(c.answer);
    w->SpeedButton4Click();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    EXPECT_EQ(w->Memo1->toPlainText(), c.text_after);
    EXPECT_EQ(w->windowTitle(), c.caption_after);
    EXPECT_EQ(w->Modified(), c.modified_after);
    EXPECT_EQ(ReadBytes("bl"), c.file_after);
  }
}

TEST_F(EditorSaveTest, NewTwiceKeepsTheCaptionOfTheFirst) {
  TForm4* w = Open(Path("deltah1"));
  w->SpeedButton4Click();
  EXPECT_EQ(w->windowTitle(), Path("Nowy dokument"));
  Type(w, "abc");
  ModalHelper modal;
  modal.PressButton(QMessageBox::No);
  w->SpeedButton4Click();
  EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  EXPECT_EQ(w->windowTitle(), Path("Nowy dokument"));
  EXPECT_TRUE(w->Memo1->toPlainText().isEmpty());
}

TEST_F(EditorSaveTest, SaveOfANewDocumentAsksForAName) {
  TForm4* w = Open(Path("bl"));
  w->SpeedButton4Click();
  Type(w, "pierwsza");
  {
    ModalHelper modal;
    modal.Answer("QFileDialog", false);
    w->SpeedButton1Click();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    EXPECT_EQ(modal.Seen()[0].kind, QStringLiteral("file"));
  }
  EXPECT_FALSE(Exists("Nowy dokument"));
  EXPECT_TRUE(w->Modified());
  EXPECT_EQ(w->windowTitle(), Path("Nowy dokument"));
  {
    ModalHelper modal;
    modal.ChooseFile(Path("bl"));
    w->SpeedButton1Click();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  }
  EXPECT_EQ(ReadBytes("bl"), QByteArray("pierwsza\r\n"));
  EXPECT_EQ(w->windowTitle(), Path("bl"));
  EXPECT_FALSE(Exists("Nowy dokument"));
  // From now on the document has its file: Save writes it without a dialog.
  Type(w, "!");
  ModalHelper none;
  w->SpeedButton1Click();
  EXPECT_TRUE(none.Seen().empty());
  EXPECT_EQ(ReadBytes("bl"), QByteArray("pierwsza!\r\n"));
}

TEST_F(EditorSaveTest, CloseYesOnANewDocumentAsksForANameAndCancelKeepsTheWindow) {
  QPointer<TForm4> w = Open(Path("bl"));
  w->SpeedButton4Click();
  Type(w, "tekst");
  {
    ModalHelper modal;
    modal.PressButton(QMessageBox::Yes);
    modal.Answer("QFileDialog", false);
    w->spr();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  }
  Flush();
  ASSERT_FALSE(w.isNull());
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(w->Modified());
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("tekst"));
  {
    ModalHelper modal;
    modal.PressButton(QMessageBox::Yes);
    modal.ChooseFile(Path("zapisany"));
    w->spr();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  }
  Flush();
  EXPECT_TRUE(w.isNull());
  EXPECT_EQ(ReadBytes("zapisany"), QByteArray("tekst\r\n"));
}

TEST_F(EditorSaveTest, OpenAsksAboutChangesThenLoadsTheChosenFile) {
  WriteBytes("bl", QByteArray("pierwszy\r\n"));
  WriteBytes("bln", QByteArray("drugi\r\n"));
  TForm4* w = Open(Path("bl"));
  Type(w, "+");
  {
    ModalHelper modal;
    modal.PressButton(QMessageBox::Cancel);
    w->SpeedButton3Click();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    EXPECT_EQ(modal.Seen().size(), 1u);
  }
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("pierwszy+"));
  EXPECT_TRUE(w->Modified());
  {
    // No, then the open dialog cancelled: the document is still there, changed.
    ModalHelper modal;
    modal.PressButton(QMessageBox::No);
    modal.Answer("QFileDialog", false);
    w->SpeedButton3Click();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  }
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("pierwszy+"));
  EXPECT_TRUE(w->Modified());
  EXPECT_EQ(w->windowTitle(), Path("bl"));
  {
    ModalHelper modal;
    modal.PressButton(QMessageBox::No);
    modal.ChooseFile(Path("bln"));
    w->SpeedButton3Click();
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  }
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("drugi"));
  EXPECT_EQ(w->windowTitle(), Path("bln"));
  EXPECT_FALSE(w->Modified());
  EXPECT_EQ(ReadBytes("bl"), QByteArray("pierwszy\r\n"));
}

TEST_F(EditorSaveTest, CaseInsensitiveNameOpensAndOverwritesTheExistingFile) {
  WriteBytes("blh.grs", QByteArray("P1 1 2 3\r\n"));
  TForm4* w = Open(Path("Blh.grs"));
  EXPECT_EQ(w->windowTitle(), Path("Blh.grs"));
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("P1 1 2 3"));
  Type(w, "\nP2 4 5 6");
  w->SpeedButton1Click();
  EXPECT_EQ(ReadBytes("blh.grs"), QByteArray("P1 1 2 3\r\nP2 4 5 6\r\n"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"blh.grs"});
}

TEST_F(EditorSaveTest, PathLongerThan255CharactersIsUsedWhole) {
  QString folder = dir_.path();
  while (folder.size() < 300) {
    folder += QStringLiteral("/katalog_o_dlugiej_nazwie_numer_") + QString::number(folder.size());
  }
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString path = folder + QStringLiteral("/bl");
  ASSERT_GT(path.size(), 255);
  TForm4* w = Open(path);
  EXPECT_EQ(w->windowTitle(), path);
  Type(w, "x");
  w->SpeedButton1Click();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray(" x\r\n"));
}

TEST_F(EditorSaveTest, TwoWindowsEachSaveTheirOwnFileAndCloseAlone) {
  WriteBytes("bl", QByteArray("dane\r\n"));
  WriteBytes("bln", QByteArray("wyniki\r\n"));
  QPointer<TForm4> first = Open(Path("bl"));
  QPointer<TForm4> second = Open(Path("bln"));
  Type(first, " 1");
  Type(second, " 2");
  first->SpeedButton1Click();
  second->SpeedButton1Click();
  EXPECT_EQ(ReadBytes("bl"), QByteArray("dane 1\r\n"));
  EXPECT_EQ(ReadBytes("bln"), QByteArray("wyniki 2\r\n"));
  first->spr();
  Flush();
  EXPECT_TRUE(first.isNull());
  ASSERT_FALSE(second.isNull());
  EXPECT_TRUE(second->isVisible());
}

TEST_F(EditorSaveTest, UnreadableFileOpensNoWindow) {
  MakeSocket("bl");
  const int before = VisibleEditors();
  try {
    OpenInEditor(Path("bl"));
    ADD_FAILURE() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + Path("bl").toStdString() + "\". " + std::strerror(ENXIO));
  }
  Flush();
  EXPECT_EQ(VisibleEditors(), before);
}

TEST_F(EditorSaveTest, UnreadableFileChosenInOpenLeavesTheDocument) {
  MakeSocket("gniazdo");
  WriteBytes("bl", QByteArray("tekst\r\n"));
  TForm4* w = Open(Path("bl"));
  ModalHelper modal;
  modal.ChooseFile(Path("gniazdo"));
  modal.PressButton(QMessageBox::Ok);
  w->SpeedButton3Click();
  EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  ASSERT_EQ(modal.Seen().size(), 2u);
  EXPECT_EQ(modal.Seen()[1].caption, QStringLiteral("Quavelor_5021RM"));
  EXPECT_EQ(modal.Seen()[1].text,
            QStringLiteral("Cannot open file \"%1\". %2")
                .arg(Path("gniazdo"), QString::fromUtf8(std::strerror(ENXIO))));
  EXPECT_EQ(w->windowTitle(), Path("bl"));
  EXPECT_EQ(w->Memo1->toPlainText(), QStringLiteral("tekst"));
}

struct FailureCase {
  const char* name;
  QString folder_name;  // under the test folder; "plik" is a regular file
  int err;
};

TEST_F(EditorSaveTest, FailedSaveKeepsTheFlagAndTheCaptionAndShowsTheReason) {
  WriteBytes("plik", QByteArray("zwykły plik"));
  const std::vector<FailureCase> cases = {
      {"through a regular file", "plik", ENOTDIR},
      {"in a missing folder", "brak", ENOENT},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Path(c.folder_name + "/bl");
    const QString message = QStringLiteral("Cannot create file \"%1\". %2")
                                .arg(path, QString::fromUtf8(std::strerror(c.err)));
    QPointer<TForm4> w = Open(path);
    Type(w, "x");
    {
      ModalHelper modal;
      modal.PressButton(QMessageBox::Ok);
      w->SpeedButton1Click();
      ASSERT_EQ(modal.Seen().size(), 1u);
      EXPECT_EQ(modal.Seen()[0].caption, QStringLiteral("Quavelor_5021RM"));
      EXPECT_EQ(modal.Seen()[0].text, message);
      EXPECT_EQ(modal.Seen()[0].icon, QMessageBox::Critical);
    }
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(w->windowTitle(), path);
    {
      ModalHelper modal;
      modal.ChooseFile(path);
      modal.PressButton(QMessageBox::Ok);
      w->Zapiszjako1Click();
      EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
      ASSERT_EQ(modal.Seen().size(), 2u);
      EXPECT_EQ(modal.Seen()[1].text, message);
    }
    EXPECT_TRUE(w->Modified());
    {
      ModalHelper modal;
      modal.PressButton(QMessageBox::Yes);
      modal.PressButton(QMessageBox::Ok);
      w->spr();
      EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
      ASSERT_EQ(modal.Seen().size(), 2u);
      EXPECT_EQ(modal.Seen()[1].text, message);
    }
    Flush();
    ASSERT_FALSE(w.isNull());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(ReadBytes("plik"), QByteArray("zwykły plik"));
  }
}

TEST_F(EditorSaveTest, SaveAsFailureKeepsTheOldCaption) {
  TForm4* w = Open(Path("bl"));
  Type(w, "x");
  ModalHelper modal;
  modal.ChooseFile(Path("brak/bln"));
  modal.PressButton(QMessageBox::Ok);
  w->Zapiszjako1Click();
  EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  EXPECT_EQ(w->windowTitle(), Path("bl"));
  EXPECT_TRUE(w->Modified());
}

}  // namespace
}  // namespace qv::test
