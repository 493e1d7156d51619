// A result file: Windows-1250 lines ending with CR LF, written through a large
// buffer, with the writing conventions of all result lines (right alignment in
// a width, never cut; reals in fixed notation by the 18-digit rounding rule).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The real `value` with `decimals` decimals: its magnitude rounded to 18
// significant digits, that digit string cut after the last decimal with half-up
// rounding and carry; the sign is the value's ("-0.00" for -0.001).  Appended
// to `out`.
void AppendReal(std::string& out, long double value, int decimals);

class ResultFile {
 public:
  // Creates `path` (an existing file is emptied); throws Error when it cannot.
  explicit ResultFile(const std::string& path);
  ~ResultFile();  // closes without reporting; call Close() to learn of errors
  ResultFile(const ResultFile&) = delete;
  ResultFile& operator=(const ResultFile&) = delete;

  ResultFile& Text(std::string_view bytes);              // unchanged
  ResultFile& Text(std::string_view bytes, int width);   // right-aligned
  ResultFile& Integer(int32_t value, int width);
  ResultFile& Real(long double value, int width, int decimals);
  ResultFile& EndLine();                                 // CR LF

  // Writes what is buffered and closes; throws Error when writing failed.
  void Close();
  const std::string& path() const { return path_; }

 private:
  void Flush();
  std::string path_;
  int fd_ = -1;
  std::string buffer_;
};

}  // namespace qv
