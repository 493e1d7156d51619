#include "compute/record.h"

#include <locale.h>
#include <stdlib.h>

#include <climits>
#include <cmath>
#include <string>

namespace qv {
namespace {

// How much of a failing field the message of a ConversionError quotes.
constexpr std::size_t kQuotedFieldLength = 64;

constexpr std::array<bool, 256> MakeFieldCharTable() {
  std::array<bool, 256> table{};
  for (auto& t : table) t = true;
  for (unsigned char separator : {'\0', '\t', ' ', ',', ';'}) table[separator] = false;
  return table;
}
constexpr std::array<bool, 256> kFieldChar = MakeFieldCharTable();

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Value of a hexadecimal digit, or -1.
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Significant decimal digits that an unsigned 64-bit integer always holds, and
// the largest power of ten that long double holds exactly (5^27 < 2^64).
constexpr int kExactDigits = 19;
constexpr int kExactPowerOfTen = 27;
constexpr std::array<long double, kExactPowerOfTen + 1> kPowersOfTen = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// An exponent beyond this is out of every range; larger written exponents are
// held at it so that the count cannot overflow.
constexpr long kExponentCap = 1000000;

// Number conversion must not follow the regional settings of the process (the
// desktop toolkit installs the user's locale, whose decimal separator may be a
// comma): the C locale is used explicitly.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c;
}

// The general conversion: glibc's strtold is correctly rounded.  `text` has
// already passed the syntax check.
long double SlowReal(std::string_view text) {
  constexpr std::size_t kStackRoom = 256;
  char stack[kStackRoom];
  std::string heap;
  const char* z;
  if (text.size() < kStackRoom) {
    text.copy(stack, text.size());
    stack[text.size()] = '\0';
    z = stack;
  } else {
    heap.assign(text);
    z = heap.c_str();
  }
  return strtold_l(z, nullptr, CLocale());
}

}  // namespace

ConversionError::ConversionError(std::string_view field)
    : std::runtime_error("not a number: \"" + std::string(field.substr(0, kQuotedFieldLength)) +
                         (field.size() > kQuotedFieldLength ? "...\"" : "\"")) {}

bool IsFieldChar(unsigned char c) {
  return kFieldChar[c];
}

int SplitRecord(std::string_view line, FieldList& fields) {
  const char* p = line.data();
  const char* const end = p + line.size();
  int count = 0;
  for (;;) {
    while (p != end && !kFieldChar[static_cast<unsigned char>(*p)]) ++p;
    if (p == end) break;
    const char* start = p;
    while (p != end && kFieldChar[static_cast<unsigned char>(*p)]) ++p;
    if (count < INT_MAX) ++count;
    if (count <= kFieldListSize) {
      fields.entry[count] = std::string_view(start, static_cast<std::size_t>(p - start));
    }
  }
  fields.count = count;
  return count;
}

bool IsDataRecord(const FieldList& fields, int count, int minimum) {
  return fields[1] != "0" && count >= minimum;
}

std::string_view NameField(std::string_view field) {
  return field.substr(0, kNameLength);
}

int32_t IntegerField(std::string_view field) {
  std::size_t i = 0;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  int base = 10;
  std::string_view rest = field.substr(i);
  if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16;
    i += 2;
  } else if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
    base = 16;
    i += 1;
  }
  if (i == field.size()) throw ConversionError(field);
  // The largest magnitude of the sign: 2^31 for a negative value, 2^31 - 1 else.
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  uint64_t magnitude = 0;
  for (; i < field.size(); ++i) {
    int digit = base == 16 ? HexDigit(field[i]) : (IsDigit(field[i]) ? field[i] - '0' : -1);
    if (digit < 0) throw ConversionError(field);
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (magnitude > limit) throw ConversionError(field);
  }
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                  : static_cast<int32_t>(magnitude);
}

long double RealField(std::string_view field) {
  const std::size_t n = field.size();
  std::size_t i = 0;
  bool negative = false;
  if (i < n && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';

  // Mantissa: the first kExactDigits significant digits as an integer M and the
  // power of ten that scales M to the written value.
  uint64_t mantissa = 0;
  int significant = 0;
  bool exact = true;  // no nonzero digit beyond those in M
  int64_t scale = 0;
  std::size_t digits = 0;
  for (; i < n && IsDigit(field[i]); ++i, ++digits) {
    int d = field[i] - '0';
    if (significant == 0 && d == 0) continue;
    if (significant < kExactDigits) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(d);
      ++significant;
    } else {
      exact = exact && d == 0;
      ++scale;
    }
  }
  if (i < n && field[i] == '.') {
    for (++i; i < n && IsDigit(field[i]); ++i, ++digits) {
      int d = field[i] - '0';
      if (significant == 0 && d == 0) {
        --scale;
      } else if (significant < kExactDigits) {
        mantissa = mantissa * 10 + static_cast<uint64_t>(d);
        ++significant;
        --scale;
      } else {
        exact = exact && d == 0;
      }
    }
  }
  if (digits == 0) throw ConversionError(field);

  long exponent = 0;
  if (i < n && (field[i] == 'e' || field[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (field[i] == '+' || field[i] == '-')) negativeExponent = field[i++] == '-';
    std::size_t first = i;
    for (; i < n && IsDigit(field[i]); ++i) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (field[i] - '0');
    }
    if (i == first) throw ConversionError(field);
    if (negativeExponent) exponent = -exponent;
  }
  if (i != n) throw ConversionError(field);

  long double value;
  const int64_t power = scale + exponent;
  if (mantissa == 0) {
    value = 0.0L;
  } else if (exact && power >= 0 && power <= kExactPowerOfTen) {
    // M and 10^k are exact, so the one product is correctly rounded.
    value = static_cast<long double>(mantissa) * kPowersOfTen[power];
  } else if (exact && power < 0 && -power <= kExactPowerOfTen) {
    // Likewise the one quotient.
    value = static_cast<long double>(mantissa) / kPowersOfTen[-power];
  } else {
    // The sign is left to the caller's negation below.
    value = SlowReal(field.substr(negative || field[0] == '+' ? 1 : 0));
    if (std::isinf(value)) throw ConversionError(field);
  }
  return negative ? -value : value;
}

PointRecord ReadPointRecord(const FieldList& fields) {
  PointRecord p;
  p.Name = NameField(fields[1]);
  p.BDeg = IntegerField(fields[2]);
  p.BMin = IntegerField(fields[3]);
  p.BSec = RealField(fields[4]);
  p.LDeg = IntegerField(fields[5]);
  p.LMin = IntegerField(fields[6]);
  p.LSec = RealField(fields[7]);
  return p;
}

long double ArcSeconds(int32_t degrees, int32_t minutes, long double seconds) {
  constexpr int64_t kSecondsPerDegree = 3600;
  constexpr int64_t kSecondsPerMinute = 60;
  const int64_t whole = int64_t{degrees} * kSecondsPerDegree + int64_t{minutes} * kSecondsPerMinute;
  return static_cast<long double>(whole) + seconds;
}

}  // namespace qv
