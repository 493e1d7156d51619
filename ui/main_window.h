// The main window (TForm1): shows which of the nine data files exist in the
// work folder, takes the reference frame of the ellipsoidal heights and the
// tasks to run, starts a run through the model-loading dialog, opens any data
// file in an editor window and opens help windows.  Positions and sizes are
// in pixels of the client area.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>

#include "ui/clickable_label.h"
#include "ui/gui_run_host.h"

namespace qv {

inline constexpr int kDataFiles = 9;
inline constexpr int kTasks = 4;

class TForm1 : public QMainWindow, public RunPanels {
  Q_OBJECT

 public:
  // workFolder: the folder of all data files and of the model file, without a
  // trailing separator (the program passes its own folder).
  explicit TForm1(const std::string& workFolder, QWidget* parent = nullptr);

  const std::string& WorkFolder() const { return workFolder_; }
  // 0 until a frame is chosen, then kFrameETRF89 or kFrameETRF2000.
  int FrameCode() const { return frameCode_; }
  std::string ModelPath() const;

  // The data-file panel of table row n (1 to 9) and the task check box n (1 to 4).
  ClickableLabel* Panel(int n) const;
  QCheckBox* CheckBox(int n) const;
  // The background that tells that a panel's file exists: the desktop's
  // tooltip background.
  static QColor HighlightColour();
  bool IsHighlighted(int panel) const;

  std::array<bool, 4> TaskEnabled() const override;
  // Paints panel n (1 to 9) in the highlight colour.
  void MarkFilePresent(int panel) override;

  QLabel* Image2;
  ClickableLabel* StaticText8;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton3;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QLabel* StatusText;

 public slots:
  void RadioButton1Click();
  void RadioButton3Click();
  // "OBLICZAJ": the model-loading dialog for the chosen frame.
  void BitBtn1Click();
  // "   Wyjście =>": the way out, as closing the window.
  void BitBtn2Click();
  // "INFO": one more help window.
  void StaticText8Click();
  // A data-file panel (1 to 9): a new editor window on its file.
  void PanelClick(int n);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildControls();
  void FormCreate();

  std::string workFolder_;
  int frameCode_ = 0;
  bool outerSizeSet_ = false;
  std::array<ClickableLabel*, kDataFiles> panels_{};
  std::array<QCheckBox*, kTasks> checkBoxes_{};
};

}  // namespace qv
