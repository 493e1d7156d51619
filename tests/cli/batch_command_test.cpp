// quavelor-batch run as a program on temporary folders: the command line and
// its errors, the exit status of every outcome, where the model file is looked
// for, and results byte-identical to those of RunComputation itself.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "compute/recording_host.h"
#include "compute/run.h"
#include "compute/run_fixture.h"
#include "compute/work_folder.h"
#include "batch_process.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

const std::string& kBinary = kBatchBinary;
const std::string kPoint = "P 52 0 0 19 0 0 100\r\n";

Finished Batch(const std::string& arguments) {
  return Shell(kBinary + " " + arguments);
}

TEST(BatchCommand, HelpExplainsEveryOptionAndStatus) {
  Finished f = Batch("--help");
  EXPECT_EQ(f.status, 0);
  EXPECT_EQ(f.err, "");
  for (const char* text : {"--frame 89|2000", "--tasks", "--model", "FOLDER", "--help", "bl",
                           "blh_e", "blh_n", "deltah.gps", "blh.grs", "quavelor_5021RM.bin",
                           "\n  0 ", "\n  1 ", "\n  2 ", "\n  3 ", "\n  4 ", "\n  5 "}) {
    EXPECT_NE(f.out.find(text), std::string::npos) << text;
  }
}

TEST(BatchCommand, WrongCommandLinesExitWithTwoAndTouchNothing) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("bl", kPoint);
  const std::string F = folder.path();
  const std::vector<std::string> cases = {
      "",
      F,
      "--frame",
      "--frame 90 " + F,
      "--frame=2001 " + F,
      "--frame 89 --frame 2000 " + F,
      "--frame 89 --tasks 5 " + F,
      "--frame 89 --tasks 0 " + F,
      "--frame 89 --tasks '' " + F,
      "--frame 89 --tasks 1a " + F,
      "--frame 89 --model",
      "--frame 89 --model '' " + F,
      "--frame 89 --verbose " + F,
      "-f 89 " + F,
      "--frame 89 " + F + " " + F,
      "--frame 89 " + (folder / "bl"),
      "--frame 89 " + (folder / "no-such-folder"),
  };
  for (const std::string& arguments : cases) {
    Finished f = Batch(arguments);
    EXPECT_EQ(f.status, 2) << arguments;
    EXPECT_EQ(f.out, "") << arguments;
    EXPECT_TRUE(f.err.starts_with("quavelor-batch: ")) << arguments << "\n" << f.err;
    EXPECT_FALSE(folder.Exists("bln")) << arguments;
  }
}

TEST(BatchCommand, ExitStatusOfEachOutcome) {
  struct Case {
    const char* what;
    std::function<void(const WorkFolder&)> setup;
    int status;
    std::string lastLine;  // @ stands for the folder
  };
  const std::vector<Case> cases = {
      {"completed",
       [](const WorkFolder& f) {
         f.WriteModel(Plane);
         f.Write("bl", kPoint);
       },
       0, " koniec obliczeń "},
      {"no model", [](const WorkFolder& f) { f.Write("bl", kPoint); }, 3,
       "*** Brak pliku: quavelor_5021RM.bin"},
      {"short model",
       [](const WorkFolder& f) {
         f.Write("quavelor_5021RM.bin", "short");
         f.Write("bl", kPoint);
       },
       3, "*** Błędny plik modelu: quavelor_5021RM.bin"},
      {"no data", [](const WorkFolder& f) { f.WriteModel(Plane); }, 4, "*** Brak zbioru danych "},
      {"full disk",
       [](const WorkFolder& f) {
         f.WriteModel(Plane);
         f.Write("bl", kPoint);
         fs::create_symlink("/dev/full", f / "bln");
       },
       5, "*** Błąd pliku: @/bln (No space left on device)"},
      {"bad point list",
       [](const WorkFolder& f) {
         f.WriteModel(Plane);
         f.Write("deltah.gps", "A B 1.0 1.0\r\n");
         f.Write("blh.grs", "A 52 x 0 19 0 0\r\n");
       },
       1, "*** BLH.grs - błędny rekord: A 52 x 0 19 0 0"},
  };
  for (const Case& c : cases) {
    WorkFolder folder;
    c.setup(folder);
    Finished f = Batch("--frame 2000 " + folder.path());
    EXPECT_EQ(f.status, c.status) << c.what << "\n" << f.err;
    std::string last = c.lastLine;
    if (size_t at = last.find('@'); at != std::string::npos) last.replace(at, 1, folder.path());
    std::vector<std::string> lines = SplitLines(f.err);
    ASSERT_FALSE(lines.empty()) << c.what;
    EXPECT_EQ(lines.back(), last) << c.what;
    EXPECT_EQ(f.out, "") << c.what;
  }
}

// The command and RunComputation on twin folders: the same result files byte
// for byte and the same messages, one a line.
TEST(BatchCommand, SameResultsAndMessagesAsTheRun) {
  const char* const inputs[] = {"bl", "blh_e", "blh_n", "deltah.gps", "blh.grs"};
  const char* const results[] = {"bln", "blh_n.1", "blh_e.1", "deltah1"};
  for (int frame : {kFrameETRF89, kFrameETRF2000}) {
    WorkFolder viaCommand, viaRun;
    for (const WorkFolder* f : {&viaCommand, &viaRun}) {
      f->WriteModel(Plane);
      for (const char* input : inputs) {
        std::ifstream in(std::string(QV_SOURCE_DIR "/examples/") + input, std::ios::binary);
        f->Write(input, std::string(std::istreambuf_iterator<char>(in), {}));
      }
    }
    Finished f = Batch(std::string("--frame ") + (frame == kFrameETRF89 ? "89 " : "2000 ") +
                       viaCommand.path());
    RunResult run = RunIn(viaRun, frame);
    EXPECT_EQ(f.status, 0) << f.err;
    EXPECT_EQ(run.outcome, RunOutcome::Completed);
    for (const char* result : results) {
      EXPECT_EQ(viaCommand.Read(result), viaRun.Read(result)) << result;
      EXPECT_FALSE(viaRun.Read(result).empty()) << result;
    }
    std::vector<std::string> messages;
    for (std::string call : run.host.calls) {
      for (const char* kind : {"message ", "info "}) {
        if (!call.starts_with(kind)) continue;
        std::string text = call.substr(std::string(kind).size());
        for (size_t at; (at = text.find(viaRun.path())) != std::string::npos;) {
          text.replace(at, viaRun.path().size(), viaCommand.path());
        }
        messages.push_back(text);
      }
    }
    EXPECT_EQ(SplitLines(f.err), messages);
  }
}

TEST(BatchCommand, OnlyTheListedTasksRun) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  for (const char* input : {"bl", "blh_e", "blh_n"}) folder.Write(input, kPoint);
  folder.Write("deltah.gps", "P P 1.0 1.0\r\n");
  folder.Write("blh.grs", kPoint);
  Finished f = Batch("--tasks 31 --frame=89 " + folder.path());
  EXPECT_EQ(f.status, 0) << f.err;
  EXPECT_TRUE(folder.Exists("bln"));
  EXPECT_FALSE(folder.Exists("blh_n.1"));
  EXPECT_TRUE(folder.Exists("blh_e.1"));
  EXPECT_FALSE(folder.Exists("deltah1"));
  EXPECT_TRUE(folder.Read("bln").ends_with(" PL-ETRF89\r\n"));
}

// --model first, then the model in the folder in any letter case, then the one
// beside the command; the folder defaults to the current one and is named by
// its full path.
TEST(BatchCommand, WhereTheModelAndTheFolderAreFound) {
  {
    WorkFolder folder;
    folder.WriteModel(Plane, "QUAVELOR_5021rm.BIN");
    folder.Write("bl", kPoint);
    EXPECT_EQ(Batch("--frame 89 " + folder.path()).status, 0);
  }
  {
    WorkFolder folder, elsewhere;
    folder.Write("quavelor_5021RM.bin", "short");
    elsewhere.WriteModel(Plane, "model.bin");
    folder.Write("bl", kPoint);
    EXPECT_EQ(Batch("--model " + (elsewhere / "model.bin") + " --frame 89 " + folder.path()).status,
              0);
    EXPECT_EQ(Batch("--model " + (elsewhere / "none.bin") + " --frame 89 " + folder.path()).status,
              3);
  }
  {
    WorkFolder folder, program;
    program.WriteModel(Plane);
    fs::copy_file(kBinary, program / "quavelor-batch");
    folder.Write("bl", kPoint);
    EXPECT_EQ(Shell(program / "quavelor-batch" + " --frame 2000 " + folder.path()).status, 0);
  }
  {
    WorkFolder folder;
    folder.WriteModel(Plane);
    fs::create_directory(folder / "sub");
    folder.Write("sub/bl", kPoint);
    Finished f = Shell("cd " + (folder / "sub") + " && " + kBinary + " --frame 2000 --model ../" +
                       kModelFileName);
    EXPECT_EQ(f.status, 0) << f.err;
    EXPECT_EQ(SplitLines(f.err).front(), (folder / "sub/bl") + "->" + (folder / "sub/bln"));
    Finished g = Shell("cd " + folder.path() + " && " + kBinary + " --frame 2000 --model " +
                       kModelFileName + " ./sub/");
    EXPECT_EQ(g.status, 0) << g.err;
    EXPECT_EQ(SplitLines(g.err).front(), (folder / "sub/bl") + "->" + (folder / "sub/bln"));
  }
}

// Progress is for terminals only: with standard error in a file, the lines
// are the messages alone.
TEST(BatchCommand, NoProgressWhenStandardErrorIsNoTerminal) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  std::string many;
  for (int i = 0; i < 70000; ++i) many += kPoint;
  folder.Write("bl", many);
  Finished f = Batch("--frame 2000 " + folder.path());
  EXPECT_EQ(f.status, 0);
  EXPECT_EQ(SplitLines(f.err), (std::vector<std::string>{(folder / "bl") + "->" + (folder / "bln"),
                                                         " koniec obliczeń "}));
}

// On a terminal (here the pseudo-terminal of `script`) the records read are
// counted on the line before the next message.
TEST(BatchCommand, ProgressOnATerminal) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  std::string many;
  for (int i = 0; i < 70000; ++i) many += kPoint;
  folder.Write("bl", many);
  Finished f = Shell("script -qec '" + kBinary + " --frame 2000 " + folder.path() + "' /dev/null");
  EXPECT_EQ(f.status, 0);
  EXPECT_NE(f.out.find("\rzadanie 1: przeczytano rekordów: 65536"), std::string::npos) << f.out;
  EXPECT_NE(f.out.find("\rzadanie 1: przeczytano rekordów: 70000\r\n koniec obliczeń "),
            std::string::npos)
      << f.out;
}

}  // namespace
}  // namespace qv::test
