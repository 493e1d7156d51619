// The modified flag of an editor window after each command.
#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <QSlider>

#include "editor_fixture.h"
#include "modal_helper.h"
#include "ui/find_dialog.h"

namespace qv::test {
namespace {

using EditorFlagTest = EditorTest;

struct FlagCase {
  const char* event;
  bool modified_before;
  std::function<void(EditorTest&, TForm4*, ModalHelper&)> act;
  bool modified_after;
};

void SelectFirst(TForm4* w, int length) {
  QTextCursor cursor(w->Memo1->document());
  cursor.setPosition(length, QTextCursor::KeepAnchor);
  w->Memo1->setTextCursor(cursor);
}

TEST_F(EditorFlagTest, FlagAfterEachCommand) {
  WriteBytes("inny", QByteArray("inny plik\r\n"));
  const QString pdf = Path("wydruk.pdf");
  const std::vector<FlagCase> cases = {
      {"OpenInEditor", false, [](EditorTest&, TForm4*, ModalHelper&) {}, false},
      {"typing", false, [](EditorTest&, TForm4* w, ModalHelper&) { Type(w, "x"); }, true},
      {"cut", false,
       [](EditorTest&, TForm4* w, ModalHelper&) {
         SelectFirst(w, 2);
         w->SpeedButton8Click();
       },
       true},
      {"paste", false,
       [](EditorTest&, TForm4* w, ModalHelper&) {
         QGuiApplication::clipboard()->setText("wklejony");
         w->Wklej2Click();
       },
       true},
      {"copy", false,
       [](EditorTest&, TForm4* w, ModalHelper&) {
         SelectFirst(w, 2);
         w->Kopiuj1Click();
       },
       false},
      {"undo from the tool bar, nothing to undo", false,
       [](EditorTest&, TForm4* w, ModalHelper&) { w->SpeedButton7Click(); }, true},
      {"undo from the Edycja menu, nothing to undo", false,
       [](EditorTest&, TForm4* w, ModalHelper&) { w->Cofnij1Click(); }, true},
      {"undo from the context menu, nothing to undo", false,
       [](EditorTest&, TForm4* w, ModalHelper&) { w->Cofnij2Click(); }, false},
      {"undo from the context menu of the only edit", false,
       [](EditorTest&, TForm4* w, ModalHelper&) {
         Type(w, "x");
         w->Cofnij2Click();
       },
       false},
      {"undo from the tool bar of the only edit", false,
       [](EditorTest&, TForm4* w, ModalHelper&) {
         Type(w, "x");
         w->SpeedButton7Click();
       },
       true},
      {"New", false, [](EditorTest&, TForm4* w, ModalHelper&) { w->SpeedButton4Click(); }, false},
      {"Open", false,
       [](EditorTest& t, TForm4* w, ModalHelper& m) {
         m.ChooseFile(t.Path("inny"));
         w->SpeedButton3Click();
       },
       false},
      {"Save", true, [](EditorTest&, TForm4* w, ModalHelper&) { w->SpeedButton1Click(); }, false},
      {"Save as", true,
       [](EditorTest& t, TForm4* w, ModalHelper& m) {
         m.ChooseFile(t.Path("kopia"));
         w->Zapiszjako1Click();
       },
       false},
      {"Close answered Yes", true,
       [](EditorTest&, TForm4* w, ModalHelper& m) {
         m.PressButton(QMessageBox::Yes);
         w->spr();
       },
       false},
      {"Close answered No", true,
       [](EditorTest&, TForm4* w, ModalHelper& m) {
         m.PressButton(QMessageBox::No);
         w->spr();
       },
       false},
      {"Close answered Cancel", true,
       [](EditorTest&, TForm4* w, ModalHelper& m) {
         m.PressButton(QMessageBox::Cancel);
         w->spr();
       },
       true},
  };
  // Commands that leave the flag as it was, from either state.
  const std::vector<std::pair<const char*, std::function<void(TForm4*, ModalHelper&)>>> neutral = {
      {"Bold", [](TForm4* w, ModalHelper&) { w->SpeedButton6Click(); }},
      {"Size", [](TForm4* w, ModalHelper&) { w->TrackBar1->setValue(14); }},
      {"Font",
       [](TForm4* w, ModalHelper& m) {
         m.ChooseFont(QFont("Liberation Serif", 12));
         w->SpeedButton11Click();
       }},
      {"Print",
       [pdf](TForm4* w, ModalHelper& m) {
         w->Printer->setOutputFormat(QPrinter::PdfFormat);
         w->Printer->setOutputFileName(pdf);
         m.Answer("QPrintDialog", true);
         w->SpeedButton2Click();
       }},
      {"Find",
       [](TForm4* w, ModalHelper&) {
         w->fd1->SetFindText("zawar");
         w->asqwe();
       }},
  };
  std::vector<FlagCase> all = cases;
  for (const auto& [name, act] : neutral) {
    for (bool before : {false, true}) {
      all.push_back(
          {name, before, [act](EditorTest&, TForm4* w, ModalHelper& m) { act(w, m); }, before});
    }
  }

  for (const FlagCase& c : all) {
    SCOPED_TRACE(std::string(c.event) + (c.modified_before ? ", modified before" : ""));
    WriteBytes("bl", QByteArray("zawartość\r\n"));
    TForm4* w = Open(Path("bl"));
    if (c.modified_before) w->Memo1->document()->setModified(true);
    ModalHelper modal;
    c.act(*this, w, modal);
    EXPECT_EQ(w->Modified(), c.modified_after);
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    w->Memo1->document()->setModified(false);
    w->close();
    Flush();
  }
}

TEST_F(EditorFlagTest, UndoOnAnUnchangedDocumentMakesCloseAsk) {
  for (auto undo : {&TForm4::SpeedButton7Click, &TForm4::Cofnij1Click}) {
    TForm4* w = Open(Path("bl"));
    QPointer<TForm4> alive(w);
    (w->*undo)();
    ModalHelper modal;
    modal.PressButton(QMessageBox::Cancel);
    w->spr();
    ASSERT_EQ(modal.Seen().size(), 1u);
    EXPECT_EQ(modal.Seen()[0].text, QStringLiteral("Czy zapisać zmiany ?"));
    Flush();
    EXPECT_TRUE(alive && alive->isVisible());
  }
}

}  // namespace
}  // namespace qv::test
