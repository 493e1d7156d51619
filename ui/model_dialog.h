// The model-loading dialog (TForm2, "Czytanie geoidy"): a progress gauge and
// an OK button that starts the run.  Every use of the compute command creates
// one more dialog; the run reads the work folder and frame of the latest call,
// whichever dialog's OK is pressed, and hides the dialog that started it.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "ui/gauge.h"
#include "ui/gui_run_host.h"

namespace qv {

// The gauge's range: full after this many model values.
inline constexpr long kGaugeMaxValue = 190000;

// The run parameters shared by all dialogs: those of the latest call of
// ShowModelDialog.
struct RunParameters {
  std::string WorkFolder;
  int FrameCode = 0;  // kFrameETRF89 or kFrameETRF2000
};
const RunParameters& CurrentRunParameters();

// The model grid of the program, refilled by every run.
ModelGrid& ProgramModelGrid();

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  // panels: the main window, which outlives the dialog.
  explicit TForm2(RunPanels& panels, QWidget* owner = nullptr);

  QLabel* Label1;
  Gauge* Gauge1;
  QPushButton* Button1;

 public slots:
  // The run, on the parameters of the latest ShowModelDialog call.
  void Button1Click();

 private:
  RunPanels& panels_;
};

// Stores folder and frameCode as the run parameters, sets the application
// title to "GEOIDA_5021RM" and shows a new dialog centred on the screen.  The
// dialog is not modal and the call returns at once, with 0: the program's
// event loop serves the dialog like every other window.  The dialog belongs
// to `owner` (the main window) and lives as long as it.
int ShowModelDialog(const std::string& folder, int frameCode, RunPanels& panels, QWidget* owner);

}  // namespace qv
