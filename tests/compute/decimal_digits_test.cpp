// The 18 leading digits of a long double, compared with the C library's exact
// conversion on values of every kind the fast integer way handles.
#include "compute/decimal_digits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace qv {
namespace {

// "d.ddddddddddddddddde+x" by glibc, whose conversion is exact and rounds
// ties to even.
std::string Reference(long double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17Le", value);
  return text;
}

std::string Text(const DecimalDigits& d) {
  std::string s(d.digit, d.digit + kWrittenDigits);
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "e%+03d", d.exponent);
  return s.substr(0, 1) + "." + s.substr(1) + exponent;
}

void ExpectBothWaysExact(long double value) {
  const std::string expected = Reference(value);
  ASSERT_EQ(Text(SignificantDigits(value)), expected) << expected;
  ASSERT_EQ(Text(SignificantDigitsByLibrary(value)), expected) << expected;
}

TEST(SignificantDigits, KnownValues) {
  struct Case {
    long double value;
    std::string text;
  };
  const std::vector<Case> cases = {
      {1.0L, "1.00000000000000000e+00"},
      {0.1L, "1.00000000000000000e-01"},
      {30.5L, "3.05000000000000000e+01"},
      {1.0L / 3.0L, "3.33333333333333333e-01"},
      {2.0L / 3.0L, "6.66666666666666667e-01"},
      {12345678901234567.25L, "1.23456789012345672e+16"},  // tie to even
      {12345678901234567.75L, "1.23456789012345678e+16"},
      {999999999999999999.5L, "1.00000000000000000e+18"},
      {1e-10L, "1.00000000000000000e-10"},
      {LDBL_MAX, "1.18973149535723177e+4932"},
  };
  for (const auto& c : cases) EXPECT_EQ(Text(SignificantDigits(c.value)), c.text) << c.text;
}

TEST(SignificantDigits, AroundPowersOfTen) {
  for (int k = -12; k <= 20; ++k) {
    const long double p = std::pow(10.0L, k);
    for (long double v : {p, std::nextafter(p, 0.0L), std::nextafter(p, 2 * p)}) {
      ExpectBothWaysExact(v);
    }
  }
}

TEST(SignificantDigits, RandomValuesAgreeWithTheLibrary) {
  std::mt19937_64 random(18);
  for (int n = 0; n < 400000; ++n) {
    const int exponent = std::uniform_int_distribution<int>(-40, 64)(random);
    const long double v =
        std::ldexp(static_cast<long double>(random() | (1ULL << 63)), exponent - 64);
    ExpectBothWaysExact(v);
  }
}

// Values whose 19th digit is a 5 followed only by zeros: exact ties.
TEST(SignificantDigits, ExactTiesGoToEven) {
  std::mt19937_64 random(19);
  for (int n = 0; n < 100000; ++n) {
    const int fractionDigits = std::uniform_int_distribution<int>(1, 3)(random);
    // 0.5, 0.25/0.75, 0.125/0.375/... as the last 1 to 3 digits.
    const long double fraction =
        (2 * static_cast<long double>(random() % (1u << (fractionDigits - 1))) + 1) /
        (1 << fractionDigits);
    uint64_t lowest = 1;
    for (int k = 0; k < 19 - fractionDigits - 1; ++k) lowest *= 10;
    const uint64_t whole = lowest + random() % (9 * lowest);
    ExpectBothWaysExact(static_cast<long double>(whole) + fraction);
  }
}

}  // namespace
}  // namespace qv
