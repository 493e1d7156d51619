// The one error type of the system: a failure that ends an operation, with the
// file (and, where it applies, the line number) it concerns.  Per-record
// conversion failures of input files have their own type (ConversionError).
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

class Error : public std::runtime_error {
 public:
  // message: what went wrong, UTF-8.  file: the path concerned, or empty.
  // line: 1-based line number in that file, or 0 when none applies.
  explicit Error(const std::string& message, std::string file = {}, long line = 0)
      : std::runtime_error(message), file_(std::move(file)), line_(line) {}

  const std::string& file() const noexcept { return file_; }
  long line() const noexcept { return line_; }

 private:
  std::string file_;
  long line_;
};

// Error for a failed system call on `file` (at 1-based `line`, or 0), with the
// system's reason for errno `err` as the message (for example "No space left on
// device").
Error SystemError(const std::string& file, int err, long line = 0);

}  // namespace qv
