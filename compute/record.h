// One line of an input file as fields, the record test, and the conversion of
// the point part of a record (name, latitude B and longitude L in degrees,
// minutes and seconds).  Fields are views into the line; nothing is allocated.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace qv {

// The failure of one field to convert by its rule; the only failure that a task
// handles per record.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view field);
};

// False for the five separators NUL, TAB, blank, comma and semicolon.
bool IsFieldChar(unsigned char c);

inline constexpr int kFieldListSize = 500;

// The fields of one line, numbered from 1; a field beyond the line's count (or
// beyond the list's room) reads as the empty text.
struct FieldList {
  std::array<std::string_view, kFieldListSize + 1> entry{};
  std::string_view operator[](int i) const {
    return (i >= 1 && i <= kFieldListSize) ? entry[i] : std::string_view{};
  }
};

// Splits `line` into `fields`; returns the FieldCount (all fields of the line,
// also those beyond the list's room).
int SplitRecord(std::string_view line, FieldList& fields);

// Whether the line is a data record: field 1 is not the text "0" and the line
// has at least `minimum` fields.
bool IsDataRecord(const FieldList& fields, int count, int minimum);

// Field rules.  A name keeps its first 16 bytes; an integer is a signed 32-bit
// decimal (or hexadecimal after "$", "x", "X", "0x", "0X"); a real is a decimal
// real with "." and an optional exponent, correctly rounded to 80 bits.
inline constexpr size_t kNameLength = 16;
std::string_view NameField(std::string_view field);
int32_t IntegerField(std::string_view field);  // throws ConversionError
long double RealField(std::string_view field);  // throws ConversionError

// Fields 1 to 7 of a point record.  Name views into the line.
struct PointRecord {
  std::string_view Name;
  int32_t BDeg = 0, BMin = 0;
  long double BSec = 0;
  int32_t LDeg = 0, LMin = 0;
  long double LSec = 0;
};

// Converts fields 1 to 7 in order; the first failing field throws.
PointRecord ReadPointRecord(const FieldList& fields);

// degrees·3600 + minutes·60 + seconds, in seconds of arc.
long double ArcSeconds(int32_t degrees, int32_t minutes, long double seconds);

}  // namespace qv
