// A RunHost for tests: records every call in order, as text, so that a test can
// compare the whole sequence of what the run asked of the user interface.
#pragma once

#include <string>
#include <vector>

#include "compute/run.h"

namespace qv::test {

class RecordingHost : public RunHost {
 public:
  void AdvanceGauge() override { ++gaugeSteps; }
  void HideDialog() override { calls.push_back("hide"); }
  void MarkFilePresent(int panel) override { calls.push_back("mark " + std::to_string(panel)); }
  void ShowMessage(const std::string& text) override { calls.push_back("message " + text); }
  void ShowInformation(const std::string& text) override { calls.push_back("info " + text); }
  void EndProgram() override { calls.push_back("end"); }

  long gaugeSteps = 0;
  std::vector<std::string> calls;
};

}  // namespace qv::test
