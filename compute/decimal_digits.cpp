#include "compute/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace qv {
namespace {

using uint128 = unsigned __int128;

constexpr int kMantissaBits = 64;
// 5^27 < 2^63, so a 64-bit mantissa times 5^s with s <= 27 fits 127 bits.
constexpr int kMaxScale = 27;
constexpr uint64_t kLowest18 = 100000000000000000ULL;   // 10^17
constexpr uint64_t kBeyond18 = 1000000000000000000ULL;  // 10^18

// The 80-bit format: a 64-bit mantissa with its leading bit explicit, then 15
// exponent bits biased by 16383 and the sign.
static_assert(std::numeric_limits<long double>::digits == 64, "80-bit long double expected");
constexpr int kExponentBias = 16383;
constexpr uint16_t kExponentMask = 0x7FFF;

// value = mantissa / 2^(64 - binaryExponent), as frexp and ldexp would give
// them, read straight from the bits (`value` positive and normal).
struct Binary {
  uint64_t mantissa;
  int binaryExponent;
};
Binary Decompose(long double value) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  Binary b;
  uint16_t signAndExponent;
  std::memcpy(&b.mantissa, bytes, sizeof b.mantissa);
  std::memcpy(&signAndExponent, bytes + sizeof b.mantissa, sizeof signAndExponent);
  b.binaryExponent = (signAndExponent & kExponentMask) - kExponentBias + 1;
  return b;
}

// "00" to "99": the decimal digits of 0 to 99 in pairs.
struct DigitPairs {
  char text[200];
  constexpr DigitPairs() : text() {
    for (int k = 0; k < 100; ++k) {
      text[2 * k] = static_cast<char>('0' + k / 10);
      text[2 * k + 1] = static_cast<char>('0' + k % 10);
    }
  }
};
constexpr DigitPairs kDigitPairs;
constexpr uint32_t kNineDigits = 1000000000;  // 10^9

// The nine decimal digits of `v` (< 10^9), leading zeros included.
void WriteNineDigits(char* out, uint32_t v) {
  constexpr uint32_t kHundred = 100;
  for (int k = 7; k >= 1; k -= 2) {
    std::memcpy(out + k, kDigitPairs.text + 2 * (v % kHundred), 2);
    v /= kHundred;
  }
  out[0] = static_cast<char>('0' + v);
}

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
  const Binary binary = Decompose(value);
  const uint64_t m = binary.mantissa;
  const int binaryExponent = binary.binaryExponent;
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
  WriteNineDigits(d.digit, static_cast<uint32_t>(whole / kNineDigits));
  WriteNineDigits(d.digit + kWrittenDigits / 2, static_cast<uint32_t>(whole % kNineDigits));
  d.exponent = (kWrittenDigits - 1) - s;
  return d;
}

}  // namespace qv
