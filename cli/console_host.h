// The run's user interface for the batch command: every message becomes one
// UTF-8 line on a stream (standard error), nothing waits for an answer, and the
// progress of a task's records is shown on that stream only when it is a
// terminal.
#pragma once

#include <cstdio>
#include <string>

#include "compute/run.h"

namespace qv {

class ConsoleHost : public RunHost {
 public:
  // `out`: where messages go.  `showProgress`: whether to show records done.
  ConsoleHost(std::FILE* out, bool showProgress) : out_(out), showProgress_(showProgress) {}

  void AdvanceGauge() override {}
  void HideDialog() override {}
  void MarkFilePresent(int) override {}
  void ShowMessage(const std::string& text) override { WriteLine(text); }
  void ShowInformation(const std::string& text) override { WriteLine(text); }
  void EndProgram() override { ended_ = true; }
  void RecordsDone(int task, long records) override;

  // Whether the run asked for the program to end.
  bool ended() const { return ended_; }

 private:
  void WriteLine(const std::string& text);

  std::FILE* out_;
  bool showProgress_;
  bool progressShown_ = false;  // a progress line without its line break
  bool ended_ = false;
};

}  // namespace qv
