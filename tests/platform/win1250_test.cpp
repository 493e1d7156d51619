// Windows-1250 text to and from UTF-8.
#include "platform/win1250.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

using namespace std::string_literals;

// The Polish letters and their Windows-1250 bytes.
TEST(Win1250, PolishLettersBothWays) {
  struct Case {
    std::string utf8;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"ą", "\xB9"},
      {"ć", "\xE6"},
      {"ę", "\xEA"},
      {"ł", "\xB3"},
      {"ń", "\xF1"},
      {"ó", "\xF3"},
      {"ś", "\x9C"},
      {"ź", "\x9F"},
      {"ż", "\xBF"},
      {"Ą", "\xA5"},
      {"Ć", "\xC6"},
      {"Ę", "\xCA"},
      {"Ł", "\xA3"},
      {"Ń", "\xD1"},
      {"Ó", "\xD3"},
      {"Ś", "\x8C"},
      {"Ź", "\x8F"},
      {"Ż", "\xAF"},
      {" koniec obliczeń ", " koniec oblicze\xF1 "},
      {"*** Błędny rekord: ",
       "*** B\xB3\xEA"
       "dny rekord: "},
      {"€ „cudzysłów”",
       "\x80 \x84"
       "cudzys\xB3\xF3w\x94"},
      {"", ""},
      {"a\0b"s, "a\0b"s},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToWin1250(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(Win1250ToUtf8(c.bytes), c.utf8) << c.utf8;
  }
}

TEST(Win1250, EveryDefinedByteRoundTrips) {
  const std::string undefined = "\x81\x83\x88\x90\x98";
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Win1250ToUtf8(byte);
    if (undefined.find(static_cast<char>(b)) != std::string::npos) {
      EXPECT_EQ(utf8, "?") << "byte " << b;
    } else {
      EXPECT_EQ(Utf8ToWin1250(utf8), byte) << "byte " << b;
      EXPECT_EQ(utf8.size() == 1, b < 0x80) << "byte " << b;
    }
  }
}

TEST(Win1250, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  struct Case {
    std::string utf8;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"Жук", "???"},         // Cyrillic
      {"日本", "??"},         // one '?' per character
      {"a😀b", "a?b"},         // four-byte sequence
      {"ñandú", "?and\xFA"},  // ñ is not in the code page, ú is
      {"a\xFF"
       "b",
       "a?b"},          // a byte that starts no sequence
      {"a\xC5", "a?"},  // a sequence cut short at the end
      {"\xC5"
       "b",
       "?b"},  // ... and in the middle
      {"\xE2\x82", "??"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToWin1250(c.utf8), c.bytes) << c.utf8;
  EXPECT_EQ(Win1250ToUtf8("a\x81\x83\x88\x90\x98z"), "a?????z");
}

TEST(Win1250, LongTextsConvertWhole) {
  std::string bytes;
  std::string utf8;
  for (int i = 0; i < 10000; ++i) {
    bytes += "\xB3\xF3\xBF\xEA=";
    utf8 += "łóżę=";
  }
  EXPECT_EQ(Win1250ToUtf8(bytes), utf8);
  EXPECT_EQ(Utf8ToWin1250(utf8), bytes);
}

}  // namespace
}  // namespace qv
