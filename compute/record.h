// One line of an input file as fields, the record test, the field rules, and
// the conversion of the point part of a record (name, latitude B and longitude
// L in degrees, minutes and seconds).  Fields are views into the line; nothing
// is allocated.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace qv {

// The failure of one field to convert by its rule; the only failure that a task
// handles per record.  The message names the field's text.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view field);
};

// False for the five separators NUL, TAB, blank, comma and semicolon.
bool IsFieldChar(unsigned char c);

inline constexpr int kFieldListSize = 500;

// The fields of one line, numbered from 1.  Only the first kFieldListSize
// fields are kept; a field beyond the line's count (or beyond the list's room)
// reads as the empty text.  Views into the line: valid while the line is.
struct FieldList {
  std::array<std::string_view, kFieldListSize + 1> entry{};
  int count = 0;  // the FieldCount of the last split line
  std::string_view operator[](int i) const {
    return (i >= 1 && i <= count && i <= kFieldListSize) ? entry[i] : std::string_view{};
  }
};

// Splits `line` into `fields`: the fields are the maximal runs of field
// characters.  Returns the FieldCount (all fields of the line, also those
// beyond the list's room; it saturates at INT_MAX).
int SplitRecord(std::string_view line, FieldList& fields);

// Whether the line is a data record: field 1 is not the text "0" and the line
// has at least `minimum` fields.
bool IsDataRecord(const FieldList& fields, int count, int minimum);

// Field rules.
// A name keeps its first 16 bytes.
// An integer is [+-]? followed by decimal digits, or by one of the prefixes
// "$", "x", "X", "0x", "0X" and hexadecimal digits; the signed value must lie in
// -2147483648..2147483647 (so a hexadecimal magnitude is limited the same way:
// "$7FFFFFFF" and "-$80000000" are accepted, "$80000000" and "$FFFFFFFF" not).
// A real is [+-]? (digits [. digits*] | . digits) ([eE] [+-]? digits)?, rounded
// correctly to long double; a value beyond the long double range fails,
// a value that underflows becomes a subnormal or zero.
// Every other text, the empty one included, throws ConversionError.
inline constexpr std::size_t kNameLength = 16;
std::string_view NameField(std::string_view field);
int32_t IntegerField(std::string_view field);
long double RealField(std::string_view field);

// Fields 1 to 7 of a point record.  Name views into the line.
struct PointRecord {
  std::string_view Name;
  int32_t BDeg = 0, BMin = 0;
  long double BSec = 0;  // seconds of arc
  int32_t LDeg = 0, LMin = 0;
  long double LSec = 0;  // seconds of arc
};

// Converts fields 1 to 7 in order; the first failing field throws
// ConversionError.
PointRecord ReadPointRecord(const FieldList& fields);

// degrees·3600 + minutes·60 + seconds, in seconds of arc.  The whole part is
// formed in 64 bits: for every sum that fits 32 bits this is the 32-bit sum;
// larger ones stay exact (and lie far outside the model area).
long double ArcSeconds(int32_t degrees, int32_t minutes, long double seconds);

}  // namespace qv
