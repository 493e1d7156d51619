// The model-loading dialog: its gauge, a whole run from its OK button, the run
// parameters of the latest call shared by all dialogs, and its close button.
#include "ui/model_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "../compute/work_folder.h"
#include "modal_helper.h"
#include "qt_app.h"
#include "ui/app_title.h"
#include "ui/main_window.h"
#include "ui/program_exit.h"

namespace qv {
namespace {

constexpr int32_t kThirtyMetres = 3000000;  // in units of 1e-5 m
const char* const kPoint = "PKT1 52 0 0 21 0 0\r\n";

class ModelDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApp();
    SetApplicationTitle(QStringLiteral("Quavelor_5021RM"));
    previousEnd_ = SetProgramEnd([this](int status) { endStatuses_.push_back(status); });
  }
  void TearDown() override { SetProgramEnd(previousEnd_); }

  void WriteConstantModel(const test::WorkFolder& folder) const {
    folder.WriteModel([](int, int) { return kThirtyMetres; });
  }

  std::vector<int> endStatuses_;
  ProgramEnd previousEnd_;
};

TEST(GaugeTest, ShowsTheWholePercentageOfTheRangeAndStaysWithinIt) {
  test::EnsureQtApp();
  struct Case {
    long steps;
    long progress;
    int percent;
  };
  // 1 % of 190000 is 1900 steps; the percentage is rounded down.
  const Case cases[] = {
      {0, 0, 0},          {1899, 1899, 0},      {1900, 1900, 1},       {94999, 94999, 49},
      {95000, 95000, 50}, {189999, 189999, 99}, {190000, 190000, 100}, {962001, 190000, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    Gauge gauge;
    gauge.SetRange(0, kGaugeMaxValue);
    for (long i = 0; i < c.steps; ++i) gauge.AddProgress(1);
    EXPECT_EQ(gauge.Progress(), c.progress);
    EXPECT_EQ(gauge.Percent(), c.percent);
    // One repaint for each percentage reached, none for the other steps.
    EXPECT_EQ(gauge.Repaints(), c.percent);
  }
}

TEST_F(ModelDialogTest, ANewDialogIsSmallFixedAndEmpty) {
  test::WorkFolder folder;
  TForm1 form(folder.path());
  ShowModelDialog(folder.path(), kFrameETRF2000, form, &form);
  const auto dialogs = form.findChildren<TForm2*>();
  ASSERT_EQ(dialogs.size(), 1);
  TForm2* dialog = dialogs[0];
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Czytanie geoidy"));
  EXPECT_EQ(dialog->size(), QSize(215, 46));
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
  const Qt::WindowFlags flags = dialog->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(dialog->Gauge1->geometry(), QRect(0, 0, 215, 20));
  EXPECT_EQ(dialog->Gauge1->MaxValue(), 190000);
  EXPECT_EQ(dialog->Gauge1->Progress(), 0);
  EXPECT_EQ(dialog->Button1->text(), QStringLiteral("OK"));
  EXPECT_EQ(dialog->Button1->geometry(), QRect(78, 26, 61, 20));
  EXPECT_TRUE(dialog->Label1->text().isEmpty());
  EXPECT_EQ(dialog->Label1->pos(), QPoint(7, 26));
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("GEOIDA_5021RM"));
  EXPECT_EQ(CurrentRunParameters().WorkFolder, folder.path());
  EXPECT_EQ(CurrentRunParameters().FrameCode, kFrameETRF2000);
}

TEST_F(ModelDialogTest, OkRunsTheWholeComputationAndHidesTheDialog) {
  test::WorkFolder folder;
  WriteConstantModel(folder);
  folder.Write("bl", kPoint);
  TForm1 form(folder.path());
  form.show();
  form.RadioButton3->click();
  form.BitBtn1->click();
  const auto dialogs = form.findChildren<TForm2*>();
  ASSERT_EQ(dialogs.size(), 1);
  TForm2* dialog = dialogs[0];

  std::vector<test::ModalHelper::Box> seen;
  {
    test::ModalHelper answerer;
    answerer.PressButton(QMessageBox::Ok);
    answerer.PressButton(QMessageBox::Ok);
    dialog->Button1->click();
    EXPECT_TRUE(answerer.AllAnswered()) << answerer.Describe();
    seen = answerer.Seen();
  }

  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Gauge1->Progress(), 190000);
  EXPECT_EQ(dialog->Gauge1->Percent(), 100);
  EXPECT_EQ(dialog->Gauge1->Repaints(), 100);
  EXPECT_TRUE(form.IsHighlighted(4));
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text,
            QString::fromStdString(folder / "bl") + "->" + QString::fromStdString(folder / "bln"));
  EXPECT_EQ(seen[1].text, QStringLiteral(" koniec obliczeń "));
  for (const auto& box : seen) EXPECT_EQ(box.caption, QStringLiteral("GEOIDA_5021RM"));
  const std::string bln = folder.Read("bln");
  EXPECT_NE(bln.find("PKT1"), std::string::npos);
  EXPECT_NE(bln.find("30.0000"), std::string::npos);
  EXPECT_NE(bln.find(" PL-ETRF2000\r\n"), std::string::npos);
  EXPECT_TRUE(endStatuses_.empty());
  EXPECT_TRUE(form.isVisible());

  // From now on every plain box carries the new title.
  TForm1 other(folder.path());
  test::ModalHelper later;
  later.PressButton(QMessageBox::Ok);
  other.BitBtn1->click();
  ASSERT_EQ(later.Seen().size(), 1u);
  EXPECT_EQ(later.Seen()[0].caption, QStringLiteral("GEOIDA_5021RM"));
}

TEST_F(ModelDialogTest, EveryDialogRunsWithTheParametersOfTheLatestCall) {
  test::WorkFolder folder;
  WriteConstantModel(folder);
  folder.Write("bl", kPoint);
  TForm1 form(folder.path());
  form.show();
  form.RadioButton1->click();
  form.BitBtn1->click();
  form.RadioButton3->click();
  form.BitBtn1->click();
  // A change without the compute command does not reach the dialogs.
  form.RadioButton1->click();
  auto dialogs = form.findChildren<TForm2*>();
  ASSERT_EQ(dialogs.size(), 2);
  TForm2* first = dialogs[0];
  TForm2* second = dialogs[1];
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(second->isVisible());

  {
    test::ModalHelper answerer;
    answerer.PressButton(QMessageBox::Ok);
    answerer.PressButton(QMessageBox::Ok);
    first->Button1->click();
  }
  EXPECT_NE(folder.Read("bln").find(" PL-ETRF2000\r\n"), std::string::npos);
  EXPECT_FALSE(first->isVisible());
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(second->Gauge1->Progress(), 0);

  // The compute command after a run: a new dialog with an empty gauge; the
  // earlier one stays hidden.
  form.BitBtn1->click();
  dialogs = form.findChildren<TForm2*>();
  ASSERT_EQ(dialogs.size(), 3);
  EXPECT_EQ(dialogs[2]->Gauge1->Progress(), 0);
  EXPECT_TRUE(dialogs[2]->isVisible());
  EXPECT_FALSE(first->isVisible());
}

TEST_F(ModelDialogTest, TheRunUsesTheFolderOfTheLatestCall) {
  test::WorkFolder earlier;
  test::WorkFolder later;
  for (const test::WorkFolder* f : {&earlier, &later}) {
    WriteConstantModel(*f);
    f->Write("bl", kPoint);
  }
  TForm1 form(earlier.path());
  ShowModelDialog(earlier.path(), kFrameETRF2000, form, &form);
  ShowModelDialog(later.path(), kFrameETRF2000, form, &form);
  test::ModalHelper answerer;
  answerer.PressButton(QMessageBox::Ok);
  answerer.PressButton(QMessageBox::Ok);
  form.findChildren<TForm2*>()[0]->Button1->click();
  EXPECT_TRUE(later.Exists("bln"));
  EXPECT_FALSE(earlier.Exists("bln"));
}

TEST_F(ModelDialogTest, TheCloseButtonOnlyHidesTheDialog) {
  test::WorkFolder folder;
  WriteConstantModel(folder);
  folder.Write("bl", kPoint);
  TForm1 form(folder.path());
  form.show();
  form.RadioButton3->click();
  form.BitBtn1->click();
  TForm2* dialog = form.findChildren<TForm2*>()[0];
  test::ModalHelper answerer;
  EXPECT_TRUE(dialog->close());
  QApplication::processEvents();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_FALSE(folder.Exists("bln"));
  EXPECT_EQ(dialog->Gauge1->Progress(), 0);
  EXPECT_FALSE(form.IsHighlighted(4));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.findChildren<TForm2*>().size(), 1);
}

TEST_F(ModelDialogTest, AMissingModelEndsTheProgramThroughTheExitPath) {
  test::WorkFolder folder;
  folder.Write("bl", kPoint);
  TForm1 form(folder.path());
  ShowModelDialog(folder.path(), kFrameETRF2000, form, &form);
  test::ModalHelper answerer;
  answerer.PressButton(QMessageBox::Ok);
  form.findChildren<TForm2*>()[0]->Button1->click();
  EXPECT_TRUE(answerer.AllAnswered()) << answerer.Describe();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, QStringLiteral("Information"));
  EXPECT_EQ(answerer.Seen()[0].icon, QMessageBox::Information);
  EXPECT_EQ(answerer.Seen()[0].text, QStringLiteral("*** Brak pliku: quavelor_5021RM.bin"));
  EXPECT_EQ(endStatuses_, std::vector<int>{0});
  EXPECT_FALSE(folder.Exists("bln"));
}

TEST_F(ModelDialogTest, WritesAPictureOfTheDialogForReview) {
  test::WorkFolder folder;
  TForm1 form(folder.path());
  ShowModelDialog(folder.path(), kFrameETRF2000, form, &form);
  TForm2* dialog = form.findChildren<TForm2*>()[0];
  dialog->Gauge1->SetProgress(kGaugeMaxValue * 37 / 100);
  const QString path = QStringLiteral(QV_BINARY_DIR "/model_dialog.png");
  ASSERT_TRUE(dialog->grab().save(path));
  EXPECT_EQ(QImage(path).size(), QSize(215, 46));
}

}  // namespace
}  // namespace qv
