// A result file: Windows-1250 lines ending with CR LF, written through a large
// buffer, with the writing conventions of all result lines (right alignment in
// a width, never cut; reals in fixed notation by the 18-digit rounding rule).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The real `value` with `decimals` (>= 0; a negative count counts as 0)
// decimals, in fixed notation with at least one digit before the point:
// its magnitude rounded to nearest to 18 significant digits (an exact tie at
// the 19th digit, possible only from about 10^16 up, goes to the even digit),
// that digit string cut after the last decimal, the last kept digit raised by
// one with carry when the first dropped digit is 5 or more.  A '-' stands
// before every value whose sign bit is set, so -0.001 and -0.0 with 2 decimals
// give "-0.00".  Infinities and NaN, which no computation should produce, are
// written "INF", "-INF" and "NAN".  Appended to `out`.
void AppendReal(std::string& out, long double value, int decimals);

class ResultFile {
 public:
  // Creates `path` (an existing file is emptied); throws Error when it cannot.
  explicit ResultFile(const std::string& path);
  // Writes what is buffered and closes, without reporting errors; call Close()
  // to learn of them.
  ~ResultFile();
  ResultFile(const ResultFile&) = delete;
  ResultFile& operator=(const ResultFile&) = delete;

  // Each throws Error when the buffer fills and writing it out fails.
  ResultFile& Text(std::string_view bytes);             // unchanged
  ResultFile& Text(std::string_view bytes, int width);  // right-aligned
  ResultFile& Integer(int32_t value, int width);
  ResultFile& Real(long double value, int width, int decimals);
  ResultFile& EndLine();  // CR LF

  // Writes what is buffered and closes; throws Error when writing or closing
  // failed (again on every call after a failure).  Closing twice is harmless.
  void Close();
  const std::string& path() const { return path_; }

 private:
  void PadFrom(std::size_t start, int width);
  void FlushWhenFull();
  void Flush();
  std::string path_;
  int fd_ = -1;
  int error_ = 0;  // errno of the first failure, 0 while none
  std::string buffer_;
};

}  // namespace qv
