// The batch command on the demo inputs of examples/ with the demo model made
// from the EGM96 grid of the system's map-projection data: every task runs,
// each result file has one line per data record, and N over Poland lies
// between 25 m and 50 m.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "compute/work_folder.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "a line without CR LF";
  return lines;
}

int Count(const std::vector<std::string>& lines, const std::string& part) {
  int n = 0;
  for (const std::string& line : lines) n += line.find(part) != std::string::npos;
  return n;
}

TEST(DemoSmoke, BatchOnTheExamplesWithTheDemoModel) {
  WorkFolder folder;
  for (const char* input : {"bl", "blh_e", "blh_n", "deltah.gps", "blh.grs"}) {
    fs::copy_file(std::string(QV_SOURCE_DIR "/examples/") + input, folder / input);
  }
  std::string make =
      std::string(QV_BINARY_DIR "/tools/make_demo_model ") + (folder / "quavelor_5021RM.bin");
  ASSERT_EQ(std::system(make.c_str()), 0) << make;

  for (std::string frame : {"89", "2000"}) {
    const std::string tag = " PL-ETRF" + frame;  // the frame tag, with its blank
    std::string command = std::string(QV_BINARY_DIR "/cli/quavelor-batch --frame ") + frame + " " +
                          folder.path() + " 2>/dev/null </dev/null";
    int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    ASSERT_EQ(WEXITSTATUS(raw), 0) << command;

    // bl: 15 points inside, 2 bad records, 2 points outside; the heading and
    // the empty line are skipped.
    std::vector<std::string> bln = CrLfLines(folder.Read("bln"));
    EXPECT_EQ(bln.size(), 19u);
    EXPECT_EQ(Count(bln,
                    "*** B\xB3\xEA"
                    "dny rekord: "),
              2);
    EXPECT_EQ(Count(bln, " *** punkt poza obszarem dopuszczalnym (1)"), 2);
    EXPECT_EQ(Count(bln, "[\"]  " + tag), 15);
    for (const std::string& line : bln) {
      if (!line.ends_with(tag)) continue;
      const long double N = std::stold(line.substr(47, 9));
      EXPECT_GT(N, 25) << line;
      EXPECT_LT(N, 50) << line;
      EXPECT_EQ(line.substr(56, 7), " KSI = ") << line;
    }

    // blh_e: 15 points, a record without height (skipped), a bad height, 2
    // points outside.
    std::vector<std::string> blhN1 = CrLfLines(folder.Read("blh_n.1"));
    EXPECT_EQ(blhN1.size(), 18u);
    EXPECT_EQ(Count(blhN1, "  PL-KRON86-NH z " + tag), 15);
    EXPECT_EQ(Count(blhN1,
                    "*** B\xB3"
                    "edny rekord: "),
              1);
    EXPECT_EQ(Count(blhN1, " *** punkt poza obszarem dopuszczalnym (2)"), 2);

    // blh_n: 15 points, a record without height (bad here), a record with
    // first field 0 (skipped), 2 points outside.
    std::vector<std::string> blhE1 = CrLfLines(folder.Read("blh_e.1"));
    EXPECT_EQ(blhE1.size(), 18u);
    EXPECT_EQ(Count(blhE1, " " + tag), 15);
    EXPECT_EQ(Count(blhE1,
                    "*** B\xB3"
                    "edny rekord: "),
              1);
    EXPECT_EQ(Count(blhE1, " *** punkt poza obszarem dopuszczalnym (3)"), 2);

    // deltah1: Wilno outside; the heading is a bad record; 11 vectors with
    // both ends, 2 without; a three-field bad record; the end line.
    std::vector<std::string> deltah1 = CrLfLines(folder.Read("deltah1"));
    ASSERT_EQ(deltah1.size(), 17u);
    EXPECT_EQ(Count(deltah1, " " + tag), 11);
    EXPECT_EQ(deltah1.back(), "               0    0    0    0  ");
  }
}

}  // namespace
}  // namespace qv::test
