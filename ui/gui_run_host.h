// The desktop program's side of a run: the gauge and the hiding of the
// model-loading dialog whose OK button started it, the result panels and task
// check boxes of the main window, the program's message boxes and its one way
// out.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "compute/run.h"

namespace qv {

class Gauge;

// What the run needs of the main window.
class RunPanels {
 public:
  virtual ~RunPanels() = default;
  // The ticked states of the task check boxes 1 to 4.
  virtual std::array<bool, 4> TaskEnabled() const = 0;
  // Highlights a result panel: 4, 5, 6 or 9.
  virtual void MarkFilePresent(int panel) = 0;
};

class GuiRunHost : public RunHost {
 public:
  GuiRunHost(Gauge& gauge, QWidget& dialog, RunPanels& panels);

  void AdvanceGauge() override;
  void HideDialog() override;
  void MarkFilePresent(int panel) override;
  void ShowMessage(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  void EndProgram() override;

 private:
  Gauge& gauge_;
  QWidget& dialog_;
  RunPanels& panels_;
};

}  // namespace qv
