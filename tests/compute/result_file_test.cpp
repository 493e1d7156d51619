// The writing conventions of result lines: reals by the 18-digit rounding
// rule, widths, CR LF, and the errors of writing.
#include "compute/result_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/error.h"
#include "work_folder.h"

namespace qv {
namespace {

std::string Real(long double value, int decimals) {
  std::string out = "|";  // what is already in the text stays
  AppendReal(out, value, decimals);
  EXPECT_EQ(out[0], '|');
  return out.substr(1);
}

struct RealCase {
  long double value;
  int decimals;
  std::string text;
};

TEST(AppendReal, FixedNotationHalfUpWithCarry) {
  const std::vector<RealCase> cases = {
      {0.0L, 2, "0.00"},
      {1.0L, 0, "1"},
      {123.456L, 0, "123"},
      {123.456L, 1, "123.5"},
      {-123.456L, 2, "-123.46"},
      {0.125L, 2, "0.13"},  // an exact tie goes away from zero
      {-0.125L, 2, "-0.13"},
      {2.5L, 0, "3"},
      {-2.5L, 0, "-3"},
      {0.5L, 0, "1"},
      {0.49L, 0, "0"},
      {9.995L, 2, "10.00"},
      {99.5L, 0, "100"},
      {999.9999L, 3, "1000.000"},
      {0.995L, 2, "1.00"},
      {0.0625L, 3, "0.063"},
      {0.0625L, 6, "0.062500"},
      {0.001L, 2, "0.00"},
      {0.009L, 2, "0.01"},
      {0.00001L, 3, "0.000"},
      {1e20L, 2, "100000000000000000000.00"},
      {52.0L, 3, "52.000"},
      {188130.5L, 4, "188130.5000"},
      {2.5L, -3, "3"},  // a negative count of decimals counts as none
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Real(c.value, c.decimals), c.text) << c.text;
  }
}

TEST(AppendReal, TheSignFollowsTheValue) {
  const std::vector<RealCase> cases = {
      {-0.001L, 2, "-0.00"},
      {-0.004999L, 2, "-0.00"},
      {-0.005L, 2, "-0.01"},
      {-0.0L, 2, "-0.00"},
      {-0.0L, 0, "-0"},
      {-0.4L, 0, "-0"},
      {-LDBL_TRUE_MIN, 3, "-0.000"},
      {LDBL_TRUE_MIN, 3, "0.000"},
  };
  for (const auto& c : cases) EXPECT_EQ(Real(c.value, c.decimals), c.text) << c.text;
}

// The digits are first rounded to 18 significant ones; the cut works on those,
// not on the exact binary value.
TEST(AppendReal, TheEighteenDigitStageDecides) {
  const std::vector<RealCase> cases = {
      // 0.00499999999999999999957... rounds to 5.00000000000000000e-3 first.
      {std::nextafter(0.005L, 0.0L), 2, "0.01"},
      {-std::nextafter(0.005L, 0.0L), 2, "-0.01"},
      {std::nextafter(2.5L, 0.0L), 0, "3"},
      {std::nextafter(0.125L, 0.0L), 2, "0.13"},
      // ... but a value that differs within 18 digits is cut as it is.
      {0.00499999999999999L, 2, "0.00"},
      {0.0049999999999999999L, 2, "0.00"},
      // 0.1L is 0.1000000000000000000013552527...; only 18 digits are real.
      {0.1L, 25, "0.1000000000000000000000000"},
      {1.0L / 3.0L, 20, "0.33333333333333333300"},
      // 1.2345678901234567890123456789e29 has 18 digits 123456789012345679.
      {123456789012345678901234567890.0L, 0, "123456789012345679000000000000"},
      // Exact ties at the 19th digit go to the even 18th digit.
      {12345678901234567.25L, 1, "12345678901234567.2"},
      {12345678901234567.75L, 1, "12345678901234567.8"},
      {1000000000000000005.0L, 0, "1000000000000000000"},
      {1000000000000000015.0L, 0, "1000000000000000020"},
  };
  for (const auto& c : cases) EXPECT_EQ(Real(c.value, c.decimals), c.text) << c.text;
}

TEST(AppendReal, HugeValuesStayInFixedNotation) {
  std::string text = Real(LDBL_MAX, 1);
  // LDBL_MAX is 1.18973149535723176502...e4932.
  ASSERT_EQ(text.size(), 4933u + 2u);
  EXPECT_EQ(text.substr(0, 18), "118973149535723177");
  EXPECT_EQ(text.find_first_not_of('0', 18), 4933u);
  EXPECT_EQ(text.substr(4933), ".0");
  EXPECT_EQ(Real(-1e25L, 0), "-10000000000000000000000000");
}

TEST(AppendReal, NonFiniteValuesAreNamed) {
  EXPECT_EQ(Real(std::numeric_limits<long double>::infinity(), 2), "INF");
  EXPECT_EQ(Real(-std::numeric_limits<long double>::infinity(), 2), "-INF");
  EXPECT_EQ(Real(std::numeric_limits<long double>::quiet_NaN(), 2), "NAN");
}

TEST(ResultFile, WidthsRightAlignAndNeverCut) {
  struct Case {
    std::function<void(ResultFile&)> write;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {[](ResultFile& f) { f.Text("P1"); }, "P1"},
      {[](ResultFile& f) { f.Text("", 0); }, ""},
      {[](ResultFile& f) { f.Text("x", 4); }, "   x"},
      {[](ResultFile& f) { f.Text("toolong", 3); }, "toolong"},
      {[](ResultFile& f) { f.Text("\xB3\xF3\xBF", 5); }, "  \xB3\xF3\xBF"},
      {[](ResultFile& f) { f.Text("x", -2); }, "x"},
      {[](ResultFile& f) { f.Integer(-52, 5); }, "  -52"},
      {[](ResultFile& f) { f.Integer(52, 0); }, "52"},
      {[](ResultFile& f) { f.Integer(INT32_MIN, 3); }, "-2147483648"},
      {[](ResultFile& f) { f.Integer(INT32_MAX, 11); }, " 2147483647"},
      {[](ResultFile& f) { f.Real(3.14159L, 8, 3); }, "   3.142"},
      {[](ResultFile& f) { f.Real(-0.001L, 6, 2); }, " -0.00"},
      {[](ResultFile& f) { f.Real(9.995L, 4, 2); }, "10.00"},
      {[](ResultFile& f) { f.Real(12345.678L, 2, 1); }, "12345.7"},
      {[](ResultFile& f) { f.EndLine(); }, "\r\n"},
      {[](ResultFile& f) { f.Text("P1", 4).Text(" ").Real(1.5L, 5, 2).EndLine().Text("x"); },
       "  P1  1.50\r\nx"},
  };
  test::WorkFolder folder;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    ResultFile file(folder / "bln");
    cases[i].write(file);
    file.Close();
    EXPECT_EQ(folder.Read("bln"), cases[i].bytes) << "case " << i;
  }
}

TEST(ResultFile, ManyLinesArriveInOrderAndAnOldFileIsEmptied) {
  test::WorkFolder folder;
  folder.Write("bln", std::string(5000000, 'o'));
  std::string expected;
  {
    ResultFile file(folder / "bln");
    for (int i = 0; i < 200000; ++i) {
      file.Integer(i, 7).Text(" ").Real(i / 8.0L, 9, 3).EndLine();
      std::string number = std::to_string(i);
      std::string real =
          std::to_string(i / 8) + "." + std::to_string(1000 + (i % 8) * 125).substr(1);
      expected += std::string(7 - number.size(), ' ') + number + " " +
                  std::string(9 - real.size(), ' ') + real + "\r\n";
    }
    file.Close();
  }
  EXPECT_EQ(folder.Read("bln"), expected);
}

TEST(ResultFile, TheDestructorWritesWhatIsBuffered) {
  test::WorkFolder folder;
  { ResultFile(folder / "bln").Text("abc").EndLine(); }
  EXPECT_EQ(folder.Read("bln"), "abc\r\n");
}

TEST(ResultFile, AFileThatCannotBeCreatedThrows) {
  test::WorkFolder folder;
  std::filesystem::create_directory(folder / "folder");
  struct Case {
    std::string path;
    int err;
  };
  const std::vector<Case> cases = {{folder / "missing/bln", ENOENT}, {folder / "folder", EISDIR}};
  for (const auto& c : cases) {
    try {
      ResultFile file(c.path);
      ADD_FAILURE() << "created " << c.path;
    } catch (const Error& e) {
      EXPECT_EQ(e.file(), c.path);
      EXPECT_STREQ(e.what(), std::strerror(c.err));
    }
  }
}

// A result file that is a link to /dev/full: every write fails for want of
// room.  Small results fail at Close(), large ones when the buffer is written.
TEST(ResultFile, AFullDeviceIsReported) {
  test::WorkFolder folder;
  const std::string path = folder / "bln";
  std::filesystem::create_symlink("/dev/full", path);
  for (std::size_t size : {std::size_t{10}, std::size_t{3} << 20}) {
    bool thrown = false;
    ResultFile file(path);
    try {
      for (std::size_t written = 0; written < size; written += 10) file.Text("0123456789");
      file.Close();
    } catch (const Error& e) {
      thrown = true;
      EXPECT_EQ(e.file(), path);
      EXPECT_STREQ(e.what(), std::strerror(ENOSPC));
    }
    EXPECT_TRUE(thrown) << size;
    EXPECT_THROW(file.Close(), Error) << "Close() after the failure, " << size;
  }
}

TEST(ResultFile, ClosingTwiceIsHarmless) {
  test::WorkFolder folder;
  ResultFile file(folder / "bln");
  file.Text("a");
  file.Close();
  EXPECT_NO_THROW(file.Close());
  EXPECT_EQ(folder.Read("bln"), "a");
}

}  // namespace
}  // namespace qv
