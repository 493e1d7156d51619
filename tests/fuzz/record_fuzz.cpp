// Fuzz target of the record layer: one line is split, tested and converted.
// The results are checked against plain reference rules written here, so the
// target finds wrong answers as well as crashes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "compute/record.h"

namespace {

bool IsSeparator(unsigned char c) { return c == 0 || c == '\t' || c == ' ' || c == ',' || c == ';'; }

std::vector<std::string_view> Runs(std::string_view line) {
  std::vector<std::string_view> runs;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSeparator(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !IsSeparator(line[i])) ++i;
    if (i > start) runs.push_back(line.substr(start, i - start));
  }
  return runs;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int HexValue(char c) {
  return IsDigit(c) ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : c - 'A' + 10;
}

// The integer rule: sign, optional hex prefix, digits; the signed value must
// fit 32 bits.
bool ReferenceInteger(std::string_view s, int64_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return false;
  int64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    if (base == 10 ? !IsDigit(s[i]) : !IsHexDigit(s[i])) return false;
    magnitude = magnitude * base + (base == 10 ? s[i] - '0' : HexValue(s[i]));
    if (magnitude > (int64_t{1} << 32)) magnitude = int64_t{1} << 32;  // saturate: too big anyway
  }
  value = negative ? -magnitude : magnitude;
  return value >= INT32_MIN && value <= INT32_MAX;
}

// The real rule: sign, digits with an optional point (a digit on one side at
// least), optional exponent.
bool ReferenceRealSyntax(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

void CheckInteger(std::string_view field) {
  int64_t expected = 0;
  bool valid = ReferenceInteger(field, expected);
  try {
    int32_t got = qv::IntegerField(field);
    Check(valid && got == expected);
  } catch (const qv::ConversionError&) {
    Check(!valid);
  }
}

void CheckReal(std::string_view field) {
  bool valid = ReferenceRealSyntax(field);
  long double expected = 0;
  if (valid) {
    std::string copy(field);
    expected = std::strtold(copy.c_str(), nullptr);
    if (expected == HUGE_VALL || expected == -HUGE_VALL) valid = false;
  }
  try {
    long double got = qv::RealField(field);
    Check(valid && std::memcmp(&got, &expected, 10) == 0);
  } catch (const qv::ConversionError&) {
    Check(!valid);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view line(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> runs = Runs(line);

  qv::FieldList fields;
  int count = qv::SplitRecord(line, fields);
  Check(count == static_cast<int>(runs.size()));
  for (int i = 1; i <= qv::kFieldListSize + 1; ++i) {
    std::string_view expected =
        (i <= count && i <= qv::kFieldListSize) ? runs[i - 1] : std::string_view{};
    Check(fields[i] == expected);
  }
  for (int minimum : {2, 3, 7, 8}) {
    bool expected = count >= minimum && runs[0] != "0";
    Check(qv::IsDataRecord(fields, count, minimum) == expected);
  }
  Check(qv::NameField(fields[1]) == fields[1].substr(0, qv::kNameLength));

  for (int i = 1; i <= 8 && i <= count; ++i) {
    CheckInteger(fields[i]);
    CheckReal(fields[i]);
  }
  try {
    qv::PointRecord record = qv::ReadPointRecord(fields);
    long double b = qv::ArcSeconds(record.BDeg, record.BMin, record.BSec);
    long double l = qv::ArcSeconds(record.LDeg, record.LMin, record.LSec);
    (void)b;
    (void)l;
  } catch (const qv::ConversionError&) {
  }
  return 0;
}
