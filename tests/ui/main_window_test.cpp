// The main window: panels highlighted for the data files present at start,
// the frame choice, the compute command without a frame, panels opening
// editors, help windows, the map of the model and a picture for review.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStatusBar>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../compute/work_folder.h"
#include "modal_helper.h"
#include "qt_app.h"
#include "ui/anomaly_map.h"
#include "ui/app_title.h"
#include "ui/editor_window.h"
#include "ui/help_window.h"
#include "ui/model_dialog.h"

namespace qv {
namespace {

template <typename Window>
std::vector<Window*> OpenWindows() {
  std::vector<Window*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible()) {
      found.push_back(window);
    }
  }
  return found;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApp();
    SetApplicationTitle(QStringLiteral("Quavelor_5021RM"));
  }
  void TearDown() override {
    for (auto* editor : OpenWindows<TForm4>()) delete editor;
    for (auto* help : OpenWindows<TForm3>()) delete help;
  }

  std::set<int> Highlighted(const TForm1& form) const {
    std::set<int> panels;
    for (int n = 1; n <= kDataFiles; ++n) {
      if (form.IsHighlighted(n)) panels.insert(n);
    }
    return panels;
  }

  test::WorkFolder folder_;
};

struct StartCase {
  const char* what;
  std::vector<std::string> files;
  std::vector<std::string> folders;
  std::set<int> highlighted;
};

TEST_F(MainWindowTest, HighlightsThePanelsOfTheFilesPresentAtStart) {
  const StartCase cases[] = {
      {"none", {}, {}, {}},
      {"only bl and deltah1", {"bl", "deltah1"}, {}, {1, 9}},
      {"a folder named bl is not the file", {"deltah1"}, {"bl"}, {9}},
      {"names in other letter cases",
       {"BL", "Blh_E", "BLH_n.1", "DELTAH.GPS", "Blh.Grs"},
       {},
       {1, 2, 5, 7, 8}},
      {"all nine",
       {"bl", "blh_e", "blh_n", "bln", "blh_n.1", "blh_e.1", "deltah.gps", "blh.grs", "deltah1"},
       {},
       {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"other files do not count", {"bl.txt", "xbln", "deltah"}, {}, {}},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.what);
    test::WorkFolder folder;
    for (const auto& name : c.files) folder.Write(name, "x\r\n");
    for (const auto& name : c.folders) std::filesystem::create_directory(folder / name);
    TForm1 form(folder.path());
    EXPECT_EQ(Highlighted(form), c.highlighted);
    // The others keep the window's button face.
    for (int n = 1; n <= kDataFiles; ++n) {
      if (!c.highlighted.count(n)) {
        EXPECT_EQ(form.Panel(n)->palette().color(QPalette::Window),
                  QGuiApplication::palette().color(QPalette::Button));
      }
    }
  }
}

TEST_F(MainWindowTest, TheHighlightIsTheTooltipBackgroundAndDiffersFromTheButtonFace) {
  EXPECT_EQ(TForm1::HighlightColour(), QGuiApplication::palette().color(QPalette::ToolTipBase));
  EXPECT_NE(TForm1::HighlightColour(), QGuiApplication::palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, FilesAreTestedOnlyAtStart) {
  folder_.Write("bln", "old\r\n");
  TForm1 form(folder_.path());
  folder_.Write("bl", " \r\n");              // created later, as by an editor
  std::filesystem::remove(folder_ / "bln");  // removed later
  EXPECT_FALSE(form.IsHighlighted(1));
  EXPECT_TRUE(form.IsHighlighted(4));
  form.MarkFilePresent(6);
  EXPECT_EQ(Highlighted(form), (std::set<int>{4, 6}));
}

TEST_F(MainWindowTest, StartsWithNoFrameAllTasksAndTheWorkFolderInTheStatusBar) {
  TForm1 form(folder_.path());
  EXPECT_EQ(form.FrameCode(), 0);
  EXPECT_FALSE(form.RadioButton1->isChecked());
  EXPECT_FALSE(form.RadioButton3->isChecked());
  EXPECT_EQ(form.TaskEnabled(), (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(form.StatusText->text(), QString::fromStdString(" Folder roboczy = " + folder_.path()));
  EXPECT_TRUE(form.windowTitle().startsWith(" QUAVELOR_5021RM -  program  ( wersja  3.1 )   "));

  form.CheckBox(2)->setChecked(false);
  form.CheckBox(4)->setChecked(false);
  EXPECT_EQ(form.TaskEnabled(), (std::array<bool, 4>{true, false, true, false}));
}

TEST_F(MainWindowTest, TheRadioButtonsChooseTheFrameOneAtATime) {
  TForm1 form(folder_.path());
  form.RadioButton3->click();
  EXPECT_EQ(form.FrameCode(), kFrameETRF2000);
  form.RadioButton1->click();
  EXPECT_EQ(form.FrameCode(), kFrameETRF89);
  EXPECT_FALSE(form.RadioButton3->isChecked());
  form.RadioButton3->click();
  EXPECT_EQ(form.FrameCode(), kFrameETRF2000);
  EXPECT_FALSE(form.RadioButton1->isChecked());
}

TEST_F(MainWindowTest, ComputeWithoutAFrameAsksForOneAndOpensNoDialog) {
  TForm1 form(folder_.path());
  form.show();
  test::ModalHelper answerer;
  answerer.PressButton(QMessageBox::Ok);
  form.BitBtn1->click();
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].caption, QStringLiteral("Quavelor_5021RM"));
  EXPECT_EQ(answerer.Seen()[0].text, QStringLiteral(" * ALE WYBIERZ NAJPIERW UKLAD ODNIESIENIA "));
  EXPECT_EQ(answerer.Seen()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(answerer.Seen()[0].icon, QMessageBox::NoIcon);
  EXPECT_TRUE(form.findChildren<TForm2*>().isEmpty());
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("Quavelor_5021RM"));
}

TEST_F(MainWindowTest, EachPanelOpensANewEditorOnItsNameInTheWorkFolder) {
  folder_.Write("blh.grs", "P1 52 0 0 21 0 0 100\r\n");
  TForm1 form(folder_.path());
  const char* const names[kDataFiles] = {"bl",      "blh_e",      "blh_n",   "bln",    "BLH_n.1",
                                         "BLH_e.1", "deltah.gps", "Blh.grs", "deltah1"};
  for (int n = 1; n <= kDataFiles; ++n) {
    SCOPED_TRACE(n);
    const auto before = OpenWindows<TForm4>();
    form.PanelClick(n);
    const auto after = OpenWindows<TForm4>();
    ASSERT_EQ(after.size(), before.size() + 1);
    TForm4* opened = nullptr;
    for (auto* editor : after) {
      if (std::find(before.begin(), before.end(), editor) == before.end()) opened = editor;
    }
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), QString::fromStdString(folder_.path() + "/" + names[n - 1]));
  }
  // A click does not change the panel's colour.
  EXPECT_EQ(Highlighted(form), (std::set<int>{8}));
  // Clicking again opens one more window.
  form.PanelClick(8);
  EXPECT_EQ(OpenWindows<TForm4>().size(), 10u);
}

TEST_F(MainWindowTest, InTheRootFolderPathsKeepASingleSeparator) {
  TForm1 form("/");
  EXPECT_EQ(form.StatusText->text(), QStringLiteral(" Folder roboczy = /"));
  EXPECT_EQ(form.ModelPath(), "/quavelor_5021RM.bin");
  form.PanelClick(8);
  ASSERT_EQ(OpenWindows<TForm4>().size(), 1u);
  EXPECT_EQ(OpenWindows<TForm4>()[0]->windowTitle(), QStringLiteral("/Blh.grs"));
}

TEST_F(MainWindowTest, InfoOpensOneMoreHelpWindowEachClick) {
  TForm1 form(folder_.path());
  EXPECT_TRUE(OpenWindows<TForm3>().empty());
  form.StaticText8Click();
  form.StaticText8Click();
  EXPECT_EQ(OpenWindows<TForm3>().size(), 2u);
}

TEST_F(MainWindowTest, TheMapShowsContoursEveryMetreAndADegreeGrid) {
  // N = 0.0071 m per column: whole metres at 140.8, 281.7, ... columns, none of
  // them on a whole degree, 8 of them across the area.
  constexpr int32_t kUnitsPerColumn = 710;
  ModelGrid grid;
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c) grid.data()[r * kGridCols + c] = kUnitsPerColumn * c;
  }
  const QImage map = DrawAnomalyMap(grid);
  ASSERT_EQ(map.size(), QSize(346, 350));
  const int y = 100;  // between the grid lines of 53° and 54°
  int contours = 0;
  int gridLines = 0;
  for (int x = 0; x < map.width(); ++x) {
    const QColor colour = map.pixelColor(x, y);
    if (colour == QColor(40, 40, 40)) ++contours;
    if (colour == Qt::white) ++gridLines;
  }
  EXPECT_EQ(contours, 8);
  EXPECT_EQ(gridLines, 11);  // 14° to 24°
  // Low N in the west is drawn cold, high N in the east warm.
  EXPECT_GT(map.pixelColor(2, y).blue(), map.pixelColor(2, y).red());
  EXPECT_GT(map.pixelColor(343, y).red(), map.pixelColor(343, y).blue());
}

TEST_F(MainWindowTest, TheMapIsAPlaceholderWithoutAModelFile) {
  {
    TForm1 form(folder_.path());
    EXPECT_EQ(form.Image2->pixmap().toImage(),
              MapPlaceholder().convertToFormat(form.Image2->pixmap().toImage().format()));
  }
  folder_.Write("quavelor_5021RM.bin", "too short");
  EXPECT_EQ(AnomalyMapOfFile(folder_ / "quavelor_5021RM.bin"), MapPlaceholder());
  std::filesystem::remove(folder_ / "quavelor_5021RM.bin");
  folder_.WriteModel([](int r, int c) { return 3000000 + 100 * r + 50 * c; },
                     "QUAVELOR_5021RM.BIN");
  TForm1 form(folder_.path());
  EXPECT_EQ(form.Image2->size(), QSize(113, 113));
  EXPECT_EQ(form.Image2->pixmap().size(), QSize(346, 350));
  EXPECT_NE(form.Image2->pixmap().toImage().pixelColor(170, 175),
            MapPlaceholder().pixelColor(170, 175));
}

TEST_F(MainWindowTest, WritesAPictureOfTheWindowForReview) {
  folder_.WriteModel([](int r, int c) {
    // A surface like the real one: about 42 m in the south-west falling to
    // 28 m in the north-east, with a gentle undulation.
    const double metres =
        42.0 - 0.012 * r - 0.006 * c + 0.8 * std::sin(r / 90.0) * std::cos(c / 130.0);
    return static_cast<int32_t>(std::lround(metres * 1e5));
  });
  folder_.Write("bl", "x\r\n");
  folder_.Write("deltah1", "x\r\n");
  TForm1 form(folder_.path());
  form.RadioButton3->setChecked(true);
  form.show();
  const QString path = QStringLiteral(QV_BINARY_DIR "/main_window.png");
  ASSERT_TRUE(form.grab().save(path));
  EXPECT_EQ(QImage(path).size(), form.size());
}

}  // namespace
}  // namespace qv
