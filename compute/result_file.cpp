#include "compute/result_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

#include "compute/decimal_digits.h"
#include "platform/error.h"

namespace qv {
namespace {

// The buffer is written out once it holds kBufferSize bytes; the room beyond
// takes the line being formed, so that it need not grow.
constexpr std::size_t kBufferSize = std::size_t{1} << 20;
constexpr std::size_t kLineRoom = std::size_t{1} << 16;
constexpr char kLineEnd[] = "\r\n";

}  // namespace

void AppendReal(std::string& out, long double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (std::signbit(value)) out.push_back('-');
  if (std::isnan(value)) {
    out.append("NAN");
    return;
  }
  if (std::isinf(value)) {
    out.append("INF");
    return;
  }

  // digit[0..count) with the decimal point after `integerDigits` of them (a
  // count <= 0 means leading zeros after the point).  One spare place in front
  // takes the carry.
  char buffer[kWrittenDigits + 1];
  char* digit = buffer + 1;
  int count = 0;
  int64_t integerDigits = 1;
  const long double magnitude = std::fabs(value);
  if (magnitude != 0.0L) {
    const DecimalDigits d = SignificantDigits(magnitude);
    std::copy(d.digit, d.digit + kWrittenDigits, digit);
    count = kWrittenDigits;
    integerDigits = int64_t{d.exponent} + 1;
  }

  // Cut after the last decimal, half-up with carry.
  const int64_t kept = integerDigits + decimals;
  if (kept < count) {
    const bool up = kept >= 0 && digit[kept] >= '5';
    count = kept < 0 ? 0 : static_cast<int>(kept);
    if (up) {
      int k = count - 1;
      while (k >= 0 && digit[k] == '9') digit[k--] = '0';
      if (k >= 0) {
        ++digit[k];
      } else {
        // All nines (or nothing kept): the value gains a leading 1.
        *--digit = '1';
        ++count;
        ++integerDigits;
      }
    }
  }

  // The text is sized once and filled in place: digits before the point (at
  // least one), then the point and the decimals; places beyond the kept
  // digits are zeros.
  auto at = [&](int64_t position) {
    return position >= 0 && position < count ? digit[position] : '0';
  };
  const int64_t before = integerDigits <= 0 ? 1 : integerDigits;
  const int64_t after = decimals > 0 ? 1 + int64_t{decimals} : 0;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(before + after));
  char* p = out.data() + start;
  if (integerDigits <= 0) {
    *p++ = '0';
  } else {
    for (int64_t k = 0; k < integerDigits; ++k) *p++ = at(k);
  }
  if (decimals > 0) {
    *p++ = '.';
    for (int64_t k = 0; k < decimals; ++k) *p++ = at(integerDigits + k);
  }
}

ResultFile::ResultFile(const std::string& path) : path_(path) {
  constexpr mode_t kNewFileMode = 0666;  // less the process's umask
  fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode);
  if (fd_ < 0) throw SystemError(path, errno);
  buffer_.reserve(kBufferSize + kLineRoom);
}

ResultFile::~ResultFile() {
  if (fd_ < 0) return;
  try {
    Flush();
  } catch (const Error&) {
    // Not reported here: Close() is the call that reports.
  }
  close(fd_);
}

ResultFile& ResultFile::Text(std::string_view bytes) {
  buffer_.append(bytes);
  FlushWhenFull();
  return *this;
}

ResultFile& ResultFile::Text(std::string_view bytes, int width) {
  if (width > 0 && bytes.size() < static_cast<std::size_t>(width)) {
    buffer_.append(static_cast<std::size_t>(width) - bytes.size(), ' ');
  }
  return Text(bytes);
}

ResultFile& ResultFile::Integer(int32_t value, int width) {
  char text[std::numeric_limits<int32_t>::digits10 + 3];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return Text(std::string_view(text, static_cast<std::size_t>(end - text)), width);
}

ResultFile& ResultFile::Real(long double value, int width, int decimals) {
  const std::size_t start = buffer_.size();
  AppendReal(buffer_, value, decimals);
  PadFrom(start, width);
  FlushWhenFull();
  return *this;
}

ResultFile& ResultFile::EndLine() {
  return Text(kLineEnd);
}

// Right-aligns the text appended since `start` in `width` characters.
void ResultFile::PadFrom(std::size_t start, int width) {
  const std::size_t length = buffer_.size() - start;
  if (width > 0 && length < static_cast<std::size_t>(width)) {
    buffer_.insert(start, static_cast<std::size_t>(width) - length, ' ');
  }
}

void ResultFile::FlushWhenFull() {
  if (buffer_.size() >= kBufferSize) Flush();
}

void ResultFile::Flush() {
  if (error_ != 0) throw SystemError(path_, error_);
  const char* p = buffer_.data();
  std::size_t left = buffer_.size();
  while (left > 0) {
    ssize_t n = write(fd_, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // A write that takes nothing is a full device as well.
      error_ = n < 0 ? errno : ENOSPC;
      buffer_.clear();
      throw SystemError(path_, error_);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  buffer_.clear();
}

void ResultFile::Close() {
  if (fd_ < 0) {
    if (error_ != 0) throw SystemError(path_, error_);
    return;
  }
  try {
    Flush();
  } catch (...) {
    close(fd_);
    fd_ = -1;
    throw;
  }
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0 && errno != EINTR) {
    error_ = errno;
    throw SystemError(path_, error_);
  }
}

}  // namespace qv
