// Splitting of lines into fields, the record test, the integer and real field
// rules and the conversion of point records.
#include "compute/record.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace qv {
namespace {

using namespace std::string_literals;

std::vector<std::string> Fields(const std::string& line) {
  FieldList list;
  int count = SplitRecord(line, list);
  std::vector<std::string> out;
  for (int i = 1; i <= count; ++i) out.emplace_back(list[i]);
  return out;
}

TEST(FieldChar, ExactlyFiveSeparators) {
  for (int c = 0; c < 256; ++c) {
    bool separator = c == 0 || c == '\t' || c == ' ' || c == ',' || c == ';';
    EXPECT_EQ(IsFieldChar(static_cast<unsigned char>(c)), !separator) << "byte " << c;
  }
}

TEST(SplitRecord, FieldsAreRunsOfFieldCharacters) {
  struct Case {
    std::string line;
    std::vector<std::string> fields;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"    ", {}},
      {" ,;\t\0 ,"s, {}},
      {"  P1 , 52;15 30.5  ", {"P1", "52", "15", "30.5"}},
      {"a", {"a"}},
      {"a,,;;b", {"a", "b"}},
      {"30,5", {"30", "5"}},
      {"a\0b"s, {"a", "b"}},
      {"\tlead trail\t", {"lead", "trail"}},
      {"-1.5e3\x1B\r\x7F|", {"-1.5e3\x1B\r\x7F|"}},
      {"\xB9\xEA\xFF \x80", {"\xB9\xEA\xFF", "\x80"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Fields(c.line), c.fields) << "line [" << c.line << "]";
}

TEST(SplitRecord, FieldsBeyondTheCountReadEmptyAfterALongerLine) {
  FieldList list;
  ASSERT_EQ(SplitRecord("a b c d e f g h i", list), 9);
  ASSERT_EQ(SplitRecord("x y", list), 2);
  EXPECT_EQ(list[2], "y");
  for (int i : {0, 3, 8, 9, -1, kFieldListSize + 1}) EXPECT_EQ(list[i], "") << i;
}

TEST(SplitRecord, LinesWithMoreFieldsThanTheListCountAllOfThem) {
  for (int n : {kFieldListSize - 1, kFieldListSize, kFieldListSize + 1, 1000000}) {
    std::string line;
    for (int i = 1; i <= n; ++i) line += "f" + std::to_string(i) + (i % 2 ? " " : ";,");
    FieldList list;
    ASSERT_EQ(SplitRecord(line, list), n);
    EXPECT_EQ(list[1], "f1");
    EXPECT_EQ(list[std::min(n, kFieldListSize)], "f" + std::to_string(std::min(n, kFieldListSize)));
    EXPECT_EQ(list[kFieldListSize + 1], "");
  }
}

TEST(IsDataRecord, FirstFieldZeroAndMinimumCount) {
  struct Case {
    std::string line;
    int minimum;
    bool data;
  };
  const std::vector<Case> cases = {
      {"0 52 15 30 21 0 0", 2, false},
      {"0", 1, false},
      {"00 52", 2, true},
      {"0.0 52", 2, true},
      {"-0 52", 2, true},
      {"title", 2, false},
      {"P1 52", 2, true},
      {"", 2, false},
      {"", 0, true},
      {"P 52 15 30 21 0 0", 8, false},
      {"P 52 15 30 21 0 0 1", 8, true},
      {" ,0, 52", 2, false},
  };
  for (const auto& c : cases) {
    FieldList list;
    int count = SplitRecord(c.line, list);
    EXPECT_EQ(IsDataRecord(list, count, c.minimum), c.data) << "[" << c.line << "] " << c.minimum;
  }
}

TEST(NameField, KeepsTheFirstSixteenBytes) {
  EXPECT_EQ(NameField("ABCDEFGHIJKLMNOPQRST"), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(NameField("ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(NameField("P1"), "P1");
  EXPECT_EQ(NameField(""), "");
}

TEST(IntegerField, AcceptedForms) {
  struct Case {
    std::string text;
    int32_t value;
  };
  const std::vector<Case> cases = {
      {"0", 0},
      {"52", 52},
      {"+52", 52},
      {"-52", -52},
      {"-0", 0},
      {"007", 7},
      {"0000000000000000000000052", 52},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"$1F", 31},
      {"x1f", 31},
      {"X10", 16},
      {"0x10", 16},
      {"0X10", 16},
      {"$aBcD", 0xABCD},
      {"-$10", -16},
      {"+0x7FFFFFFF", INT32_MAX},
      {"-0x80000000", INT32_MIN},
      {"$0", 0},
      {"$000000007fffffff", INT32_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_NO_THROW(EXPECT_EQ(IntegerField(c.text), c.value) << c.text) << c.text;
  }
}

TEST(IntegerField, RejectedForms) {
  const std::vector<std::string> cases = {
      "",          "+",          "-",          "$",           "0x",
      "x",         "X",          "52.0",       "1e1",         " 52",
      "52 ",       "5 2",        "2147483648", "-2147483649", "$80000000",
      "$FFFFFFFF", "-$80000001", "0x1G",       "--1",         "+-1",
      "$-1",       "1a",         "0b1",        "\xD9\xA1",    "99999999999999999999",
      "0xx1",      "$$1",        "0$1",        "52\0"s,       "h10",
      "#10",       "1_000",      "0x 1",       "٥",
  };
  for (const auto& text : cases) EXPECT_THROW(IntegerField(text), ConversionError) << text;
}

// The expected values are literals, rounded by the compiler.
TEST(RealField, AcceptedForms) {
  struct Case {
    std::string text;
    long double value;
  };
  const std::vector<Case> cases = {
      {"30.5", 30.5L},
      {"1e1", 10.0L},
      {"1.", 1.0L},
      {".5", 0.5L},
      {"-.5", -0.5L},
      {"+1.25E+2", 125.0L},
      {"1e-2", 1e-2L},
      {"0.1", 0.1L},
      {"52", 52.0L},
      {"00052.000", 52.0L},
      {"0e999999999999", 0.0L},
      {"123456789012345678901234567890", 123456789012345678901234567890.0L},
      {"0.000000000000000000000000000000000001", 1e-36L},
      {"1.18973149535723176502e+4932", LDBL_MAX},
      {"3.36210314311209350626e-4932", LDBL_MIN},
      {"1e-5000", 0.0L},
      {"9999999999999999999", 9999999999999999999.0L},
      {"18446744073709551617", 18446744073709551616.0L},  // tie between 2^64 and 2^64+2
      {"2.0000000000000000000000000001", 2.0L},
      {"0.3e-27", 0.3e-27L},
      {"123.456e27", 123.456e27L},
      {"4.9406564584124654e-4951", 0x1p-16445L},
  };
  for (const auto& c : cases) {
    long double v = 0;
    ASSERT_NO_THROW(v = RealField(c.text)) << c.text;
    EXPECT_EQ(v, c.value) << c.text;
  }
  EXPECT_TRUE(std::signbit(RealField("-0")));
  EXPECT_TRUE(std::signbit(RealField("-0.000e5")));
  EXPECT_FALSE(std::signbit(RealField("0.0")));
  EXPECT_GT(RealField("1e-4940"), 0.0L);
  EXPECT_LT(RealField("1e-4940"), LDBL_MIN);
}

TEST(RealField, RejectedForms) {
  const std::vector<std::string> cases = {
      "",        ".",
      "+",       "-",
      "e5",      ".e5",
      "1e",      "1e+",
      "1.5.2",   "1,5",
      "inf",     "-inf",
      "nan",     "NaN",
      "INF",     "infinity",
      "0x1p3",   "0x10",
      "1.5x",    " 1.5",
      "1.5 ",    "1e5000",
      "-1e5000", "1d5",
      "1_000",   "++1",
      "+-1",     "1e1.5",
      "1ee5",    "1.5e-",
      "$10",     "\xD9\xA1",
      "1\0"s,    "1e+-5",
      "e",       "-.",
      ".-5",     "1.18973149535723177e+4932",
  };
  for (const auto& text : cases) EXPECT_THROW(RealField(text), ConversionError) << text;
}

// Random decimal texts of every shape the fast conversion handles and some it
// hands on, compared with the C library's correctly rounded conversion.
TEST(RealField, AgreesWithTheLibraryConversionOnRandomTexts) {
  std::mt19937_64 random(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  for (int n = 0; n < 300000; ++n) {
    std::string text;
    if (pick(0, 3) == 0) text += pick(0, 1) ? '-' : '+';
    int digits = pick(1, 24);
    int point = pick(-1, digits);
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      // Runs of zeros and nines make the exact and the halfway cases likelier.
      int kind = pick(0, 5);
      text += static_cast<char>('0' + (kind == 0 ? 0 : kind == 1 ? 9 : pick(0, 9)));
    }
    if (point == digits) text += '.';
    if (pick(0, 1)) text += "e" + std::to_string(pick(-45, 45));
    long double expected = std::strtold(text.c_str(), nullptr);
    long double actual = RealField(text);
    ASSERT_EQ(actual, expected) << text;
    ASSERT_EQ(std::signbit(actual), std::signbit(expected)) << text;
  }
}

TEST(ReadPointRecord, ConvertsFieldsOneToSeven) {
  struct Case {
    std::string line;
    PointRecord expected;
  };
  const std::vector<Case> cases = {
      {"P1 52 15 30.5 21 0 0.25", {"P1", 52, 15, 30.5L, 21, 0, 0.25L}},
      {"ABCDEFGHIJKLMNOPQRST -52 $1E 1e1 0x15 -0 -.5 extra",
       {"ABCDEFGHIJKLMNOP", -52, 30, 10.0L, 21, 0, -0.5L}},
      // A decimal comma splits the seconds and shifts the later fields.
      {"P2 52 15 30,5 21 0 0", {"P2", 52, 15, 30.0L, 5, 21, 0.0L}},
  };
  for (const auto& c : cases) {
    FieldList list;
    SplitRecord(c.line, list);
    PointRecord p;
    ASSERT_NO_THROW(p = ReadPointRecord(list)) << c.line;
    EXPECT_EQ(p.Name, c.expected.Name) << c.line;
    EXPECT_EQ(p.BDeg, c.expected.BDeg) << c.line;
    EXPECT_EQ(p.BMin, c.expected.BMin) << c.line;
    EXPECT_EQ(p.BSec, c.expected.BSec) << c.line;
    EXPECT_EQ(p.LDeg, c.expected.LDeg) << c.line;
    EXPECT_EQ(p.LMin, c.expected.LMin) << c.line;
    EXPECT_EQ(p.LSec, c.expected.LSec) << c.line;
  }
}

TEST(ReadPointRecord, TheFirstFailingFieldThrows) {
  struct Case {
    std::string line;
    std::string failing;  // quoted in the message
  };
  const std::vector<Case> cases = {
      {"P 52.0 15 30 21 0 0", "\"52.0\""}, {"P 52 x 30 21 0 0", "\"x\""},
      {"P 52 15 30s 21 0 0", "\"30s\""},   {"P 52 15 30 2e1 0 0", "\"2e1\""},
      {"P 52 15 30 21 0.0 0", "\"0.0\""},  {"P 52 15 30 21 0 nan", "\"nan\""},
      {"P 52 15 30 21 0", "\"\""},         {"P 52", "\"\""},
      {"P 52.0 x y z w v", "\"52.0\""},
  };
  for (const auto& c : cases) {
    FieldList list;
    SplitRecord(c.line, list);
    try {
      ReadPointRecord(list);
      ADD_FAILURE() << "no error for " << c.line;
    } catch (const ConversionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.failing), std::string::npos)
          << c.line << ": " << e.what();
    }
  }
}

TEST(ArcSeconds, DegreesMinutesSecondsWithoutRangeTest) {
  struct Case {
    int32_t degrees, minutes;
    long double seconds, expected;
  };
  const std::vector<Case> cases = {
      {52, 30, 0.0L, 189000.0L},
      {52, 75, 0.0L, 191700.0L},  // the same as 53° 15′
      {53, 15, 0.0L, 191700.0L},
      {-52, 30, 0.0L, -185400.0L},
      {52, 15, 30.5L, 188130.5L},
      {0, 0, -0.25L, -0.25L},
      {0, 0, 1e-30L, 1e-30L},
      // Beyond 32 bits the sum stays exact.
      {INT32_MAX, INT32_MAX, 0.0L, 7859790148020.0L},
      {INT32_MIN, INT32_MIN, -0.5L, -7859790151680.5L},
      {596524, 0, 0.0L, 2147486400.0L},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArcSeconds(c.degrees, c.minutes, c.seconds), c.expected)
        << c.degrees << " " << c.minutes << " " << static_cast<double>(c.seconds);
  }
}

// Where degrees·3600 + minutes·60 fits 32 bits, the angle is that 32-bit sum.
TEST(ArcSeconds, EqualsTheThirtyTwoBitSumWhereItFits) {
  struct Case {
    int32_t degrees, minutes;
  };
  const std::vector<Case> cases = {
      {596523, 0}, {-596523, 0}, {0, 35791394}, {0, -35791394}, {596000, 31394}, {-1, 1},
  };
  for (const auto& c : cases) {
    int32_t sum32 = c.degrees * 3600 + c.minutes * 60;
    EXPECT_EQ(ArcSeconds(c.degrees, c.minutes, 0.75L), static_cast<long double>(sum32) + 0.75L);
  }
}

}  // namespace
}  // namespace qv
