#include "compute/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace qv {
namespace {

using uint128 = unsigned __int128;

constexpr int kMantissaBits = 64;
// 5^27 < 2^63, so a 64-bit mantissa times 5^s with s <= 27 fits 127 bits.
constexpr int kMaxScale = 27;
constexpr uint64_t kLowest18 = 100000000000000000ULL;   // 10^17
constexpr uint64_t kBeyond18 = 1000000000000000000ULL;  // 10^18

constexpr uint64_t PowerOfFive(int n) {
  uint64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 5;
  return p;
}

// floor(m · 10^s / 2^q) and whether the dropped part is below, at, or above
// one half (-1, 0, 1).  Exact: m · 5^s fits 128 bits.
// The caller keeps m · 10^s / 2^q below 10^19 and q - s below 128.
struct Scaled {
  uint128 whole;
  int half;
};
Scaled Scale(uint64_t m, int q, int s) {
  const uint128 product = uint128{m} * PowerOfFive(s);
  const int shift = q - s;  // divide by 2^(q-s)
  if (shift <= 0) return {product << -shift, -1};
  const uint128 whole = product >> shift;
  const uint128 rest = product - (whole << shift);
  const uint128 half = uint128{1} << (shift - 1);
  return {whole, rest < half ? -1 : rest == half ? 0 : 1};
}

}  // namespace

DecimalDigits SignificantDigitsByLibrary(long double value) {
  // d.ddddddddddddddddde±x
  char text[64];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                 kWrittenDigits - 1);
  DecimalDigits d;
  d.digit[0] = text[0];
  for (int k = 1; k < kWrittenDigits; ++k) d.digit[k] = text[k + 1];
  const char* exponentText = text + kWrittenDigits + 2;  // after "e"
  if (*exponentText == '+') ++exponentText;
  d.exponent = 0;
  std::from_chars(exponentText, end, d.exponent);
  return d;
}

DecimalDigits SignificantDigits(long double value) {
  constexpr long double kFastLowest = 1e-10L;
  constexpr long double kFastBeyond = 1e18L;
  if (!(value >= kFastLowest && value < kFastBeyond)) return SignificantDigitsByLibrary(value);

  // value = m / 2^q exactly, m with its top bit set.
  int binaryExponent = 0;
  const long double fraction = std::frexp(value, &binaryExponent);
  const uint64_t m = static_cast<uint64_t>(std::ldexp(fraction, kMantissaBits));
  const int q = kMantissaBits - binaryExponent;

  // The scale s makes floor(value · 10^s) an 18-digit integer.  value lies in
  // [2^(e-1), 2^e), so the estimate from e (log10 2 ≈ 0.30103) is off by at
  // most one and corrected once.
  constexpr double kLog10Of2 = 0.30102999566398120;
  const int estimate =
      (kWrittenDigits - 1) - static_cast<int>(std::floor((binaryExponent - 1) * kLog10Of2));
  int s = std::clamp(estimate, 0, kMaxScale);
  Scaled n = Scale(m, q, s);
  if (n.whole >= kBeyond18) {
    if (s == 0) return SignificantDigitsByLibrary(value);
    n = Scale(m, q, --s);
  } else if (n.whole < kLowest18) {
    if (s == kMaxScale) return SignificantDigitsByLibrary(value);
    n = Scale(m, q, ++s);
  }
  if (n.whole < kLowest18 || n.whole >= kBeyond18) return SignificantDigitsByLibrary(value);

  uint64_t whole = static_cast<uint64_t>(n.whole);
  if (n.half > 0 || (n.half == 0 && whole % 2 == 1)) ++whole;
  if (whole == kBeyond18) {
    whole = kLowest18;
    --s;
  }
  DecimalDigits d;
  for (int k = kWrittenDigits - 1; k >= 0; --k) {
    d.digit[k] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  }
  d.exponent = (kWrittenDigits - 1) - s;
  return d;
}

}  // namespace qv
