// The run from start to end: the model file, the no-data test, which tasks are
// opened and in what order the host is asked for what, result files that
// exist from before, names in any letter case, and files that cannot be read
// or written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "run_fixture.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

using Calls = std::vector<std::string>;

const std::string kPoint = "P 52 0 0 19 0 0 100\r\n";
const std::string kOld = "old result\r\n";
const std::string kEnd = "message  koniec obliczeń ";
const std::string kNoData = "info *** Brak zbioru danych ";

Calls Concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(RunDriver, FrameTags) {
  EXPECT_EQ(FrameTag(kFrameETRF89), " PL-ETRF89");
  EXPECT_EQ(FrameTag(kFrameETRF2000), " PL-ETRF2000");
  EXPECT_EQ(FrameTag(0), "");
  EXPECT_EQ(FrameTag(2), "");
}

TEST(RunDriver, MissingOrBadModelEndsTheProgramBeforeAnyFile) {
  struct Case {
    const char* what;
    std::function<void(const WorkFolder&)> model;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"none", [](const WorkFolder&) {}, "info *** Brak pliku: quavelor_5021RM.bin"},
      {"a folder of that name",
       [](const WorkFolder& f) { fs::create_directory(f / "quavelor_5021RM.bin"); },
       "info *** Brak pliku: quavelor_5021RM.bin"},
      {"empty", [](const WorkFolder& f) { f.Write("quavelor_5021RM.bin", ""); },
       "info *** Błędny plik modelu: quavelor_5021RM.bin"},
      {"one byte short",
       [](const WorkFolder& f) {
         f.Write("quavelor_5021RM.bin", std::string(kModelFileBytes - 1, '\0'));
       },
       "info *** Błędny plik modelu: quavelor_5021RM.bin"},
  };
  for (const Case& c : cases) {
    WorkFolder folder;
    c.model(folder);
    folder.Write("bl", kPoint);
    RunResult run = RunIn(folder, kFrameETRF2000);
    EXPECT_EQ(run.outcome, RunOutcome::ModelMissing) << c.what;
    EXPECT_EQ(run.host.calls, (Calls{c.message, "end"})) << c.what;
    EXPECT_FALSE(folder.Exists("bln")) << c.what;
  }
}

TEST(RunDriver, ModelFoundWhateverItsLetterCaseAndGaugeAdvancedPerValue) {
  WorkFolder folder;
  folder.WriteModel(Plane, "QUAVELOR_5021rm.BIN");
  folder.Write("bl", kPoint);
  RunResult run = RunIn(folder, kFrameETRF2000);
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  EXPECT_EQ(run.host.gaugeSteps, kGridValues);
  EXPECT_EQ(run.host.calls.front(), "hide");
}

TEST(RunDriver, NoDataWhenNoTaskHasItsInput) {
  const std::vector<std::function<void(const WorkFolder&)>> cases = {
      [](const WorkFolder&) {},
      [](const WorkFolder& f) { f.Write("deltah.gps", kPoint); },
      [](const WorkFolder& f) { f.Write("blh.grs", kPoint); },
      // A folder is not a file, whatever its name.
      [](const WorkFolder& f) {
        fs::create_directory(f / "bl");
        fs::create_directory(f / "BLH_E");
        fs::create_directory(f / "blh_n");
        f.Write("deltah.gps", kPoint);
        fs::create_directory(f / "blh.grs");
      },
      // Result files are no data.
      [](const WorkFolder& f) {
        for (const char* name : {"bln", "blh_n.1", "blh_e.1", "deltah1"}) f.Write(name, kOld);
      },
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    WorkFolder folder;
    folder.WriteModel(Plane);
    cases[i](folder);
    RunResult run = RunIn(folder, kFrameETRF2000);
    EXPECT_EQ(run.outcome, RunOutcome::NoData) << "case " << i;
    EXPECT_EQ(run.host.calls, (Calls{"hide", kNoData})) << "case " << i;
    EXPECT_TRUE(!folder.Exists("bln") || folder.Read("bln") == kOld) << "case " << i;
  }
}

TEST(RunDriver, DataWithItsTaskNotEnabledWritesNothingAndEndsNormally) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("bl", kPoint);
  folder.Write("blh_e.1", kOld);
  RunResult run = RunIn(folder, kFrameETRF2000, {{false, true, true, true}});
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  EXPECT_EQ(run.host.calls, (Calls{"hide", kEnd}));
  EXPECT_FALSE(folder.Exists("bln"));
  EXPECT_EQ(folder.Read("blh_e.1"), kOld);
}

// Step 7 opens every enabled task before the first runs: all result panels are
// marked before the first start message.
TEST(RunDriver, TasksOpenedFirstThenRunInOrder) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  for (const char* input : {"bl", "blh_e", "blh_n"}) folder.Write(input, kPoint);
  RunResult run = RunIn(folder, kFrameETRF2000);
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  EXPECT_EQ(run.host.calls, Concat({{"hide", "mark 4", "mark 5", "mark 6"},
                                    StartMessage(folder, "bl", "bln"),
                                    StartMessage(folder, "blh_e", "blh_n.1"),
                                    StartMessage(folder, "blh_n", "blh_e.1"),
                                    {kEnd}}));
}

TEST(RunDriver, EachTaskAloneLeavesTheOtherResultsAsTheyWere) {
  const char* const inputs[3] = {"bl", "blh_e", "blh_n"};
  const char* const results[3] = {"bln", "blh_n.1", "blh_e.1"};
  for (int task = 1; task <= 3; ++task) {
    WorkFolder folder;
    folder.WriteModel(Plane);
    for (int t = 0; t < 3; ++t) {
      folder.Write(inputs[t], kPoint);
      folder.Write(results[t], kOld);
    }
    RunResult run = RunIn(folder, kFrameETRF2000, OnlyTask(task));
    EXPECT_EQ(run.outcome, RunOutcome::Completed);
    EXPECT_EQ(run.host.calls, Concat({{"hide", "mark " + std::to_string(3 + task)},
                                      StartMessage(folder, inputs[task - 1], results[task - 1]),
                                      {kEnd}}));
    for (int t = 0; t < 3; ++t) {
      std::string content = folder.Read(results[t]);
      EXPECT_EQ(content == kOld, t != task - 1) << "task " << task << ", " << results[t];
      EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 1);
    }
  }
}

TEST(RunDriver, SatelliteLevellingRunsLastAndMarksItsPanel) {
  for (bool enabled : {true, false}) {
    WorkFolder folder;
    folder.WriteModel(Plane);
    folder.Write("bl", kPoint);
    folder.Write("deltah.gps", "A B 0.5 1\r\n");
    folder.Write("blh.grs", "A 52 0 0 19 0 0\r\nB 52 0 0 19 0 36\r\n");
    folder.Write("deltah1", kOld);
    RunResult run = RunIn(folder, kFrameETRF2000, {{true, false, false, enabled}});
    EXPECT_EQ(run.outcome, RunOutcome::Completed);
    Calls expected = Concat({{"hide", "mark 4"}, StartMessage(folder, "bl", "bln")});
    if (enabled) expected.push_back("mark 9");
    expected.push_back(kEnd);
    EXPECT_EQ(run.host.calls, expected);
    EXPECT_EQ(folder.Read("deltah1") == kOld, !enabled);
  }
}

TEST(RunDriver, NamesMatchedWhateverTheirLetterCase) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("BL", kPoint);
  folder.Write("BLN", kOld);
  // A folder named like an input is passed over for a file of another case.
  fs::create_directory(folder / "blh_e");
  folder.Write("Blh_E", kPoint);
  RunResult run = RunIn(folder, kFrameETRF2000);
  EXPECT_EQ(run.outcome, RunOutcome::Completed);
  EXPECT_EQ(run.host.calls, Concat({{"hide", "mark 4", "mark 5"},
                                    StartMessage(folder, "BL", "BLN"),
                                    StartMessage(folder, "Blh_E", "blh_n.1"),
                                    {kEnd}}));
  int resultFiles = 0;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    std::string name = entry.path().filename().string();
    if (name == "bln" || name == "BLN") ++resultFiles;
  }
  EXPECT_EQ(resultFiles, 1);  // BLN rewritten, no second file bln
  std::string bln = folder.Read("BLN");
  EXPECT_NE(bln, kOld);
  EXPECT_EQ(std::count(bln.begin(), bln.end(), '\n'), 1);
  EXPECT_TRUE(folder.Exists("blh_n.1"));
}

// Files that cannot be written or read end the run with the file's path and
// the system's reason; what finished before stays written; no final message.
TEST(RunDriver, FileErrorsEndTheRun) {
  struct Case {
    const char* what;
    std::function<void(const WorkFolder&)> setup;
    Calls expected;                 // after "hide"; paths relative to the folder marked by @
    const char* untouchedComplete;  // a result file that must be complete, or null
  };
  const std::string full = "No space left on device";
  const std::vector<Case> cases = {
      {"bln on a full disk",
       [](const WorkFolder& f) { fs::create_symlink("/dev/full", f / "bln"); },
       {"mark 4", "mark 5", "message @bl->@bln", "info *** Błąd pliku: @bln (" + full + ")"},
       nullptr},
      {"blh_n.1 on a full disk after task 1",
       [](const WorkFolder& f) { fs::create_symlink("/dev/full", f / "blh_n.1"); },
       {"mark 4", "mark 5", "message @bl->@bln", "message @blh_e->@blh_n.1",
        "info *** Błąd pliku: @blh_n.1 (" + full + ")"},
       "bln"},
      {"bln a folder",
       [](const WorkFolder& f) { fs::create_directory(f / "bln"); },
       {"info *** Błąd pliku: @bln (Is a directory)"},
       nullptr},
  };
  for (const Case& c : cases) {
    WorkFolder folder;
    folder.WriteModel(Plane);
    // Enough lines that the result is written before it is closed.
    std::string many;
    for (int i = 0; i < 30000; ++i) many += kPoint;
    folder.Write("bl", many);
    folder.Write("blh_e", kPoint);
    c.setup(folder);
    RunResult run = RunIn(folder, kFrameETRF2000, {{true, true, false, false}});
    EXPECT_EQ(run.outcome, RunOutcome::FileError) << c.what;
    Calls expected{"hide"};
    for (std::string call : c.expected) {
      for (size_t at; (at = call.find('@')) != std::string::npos;) {
        call.replace(at, 1, folder.path() + "/");
      }
      expected.push_back(call);
    }
    EXPECT_EQ(run.host.calls, expected) << c.what;
    if (c.untouchedComplete != nullptr) {
      std::string bln = folder.Read(c.untouchedComplete);
      EXPECT_EQ(std::count(bln.begin(), bln.end(), '\n'), 30000) << c.what;
    }
  }
}

// An input that exists but cannot be read: reading this file of the process's
// own memory at offset 0 fails with an input/output error.
TEST(RunDriver, UnreadableInputEndsTheRun) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  fs::create_symlink("/proc/self/mem", folder / "bl");
  RunResult run = RunIn(folder, kFrameETRF2000);
  EXPECT_EQ(run.outcome, RunOutcome::FileError);
  ASSERT_FALSE(run.host.calls.empty());
  EXPECT_EQ(run.host.calls.back(),
            "info *** Błąd pliku: " + (folder / "bl") + " (Input/output error)");
}

TEST(RunDriver, SecondRunRewritesTheResults) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("bl", kPoint);
  RunIn(folder, kFrameETRF2000, OnlyTask(1));
  std::string first = folder.Read("bln");
  RunIn(folder, kFrameETRF89, OnlyTask(1));
  std::string second = folder.Read("bln");
  EXPECT_TRUE(first.ends_with(" PL-ETRF2000\r\n"));
  EXPECT_TRUE(second.ends_with(" PL-ETRF89\r\n"));
  EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 1);
}

}  // namespace
}  // namespace qv::test
