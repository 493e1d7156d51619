// The leading decimal digits of a long double, correctly rounded: the first
// stage of writing a real into a result line.
#pragma once

namespace qv {

inline constexpr int kWrittenDigits = 18;

// A positive finite value as d0.d1...d17 · 10^exponent: 18 ASCII digits,
// d0 != '0', the exact value rounded to nearest (an exact tie to the even last
// digit).
struct DecimalDigits {
  char digit[kWrittenDigits];
  int exponent;
};

// `value` must be positive and finite.  Values from 1e-10 up to 1e18 are
// converted in 128-bit integer arithmetic; the others by the C++ library.
DecimalDigits SignificantDigits(long double value);

// The same, always by the C++ library (for the tests of the fast way).
DecimalDigits SignificantDigitsByLibrary(long double value);

}  // namespace qv
