#include "ui/gui_run_host.h"

#include "ui/gauge.h"
#include "ui/message_boxes.h"
#include "ui/program_exit.h"

namespace qv {

GuiRunHost::GuiRunHost(Gauge& gauge, QWidget& dialog, RunPanels& panels)
    : gauge_(gauge), dialog_(dialog), panels_(panels) {}

void GuiRunHost::AdvanceGauge() {
  gauge_.AddProgress(1);
}

void GuiRunHost::HideDialog() {
  dialog_.hide();
}

void GuiRunHost::MarkFilePresent(int panel) {
  panels_.MarkFilePresent(panel);
}

void GuiRunHost::ShowMessage(const std::string& text) {
  qv::ShowMessage(nullptr, QString::fromStdString(text));
}

void GuiRunHost::ShowInformation(const std::string& text) {
  qv::ShowInformation(nullptr, QString::fromStdString(text));
}

void GuiRunHost::EndProgram() {
  LeaveProgram(ExitCause::RunEnded);
}

}  // namespace qv
