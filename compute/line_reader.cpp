#include "compute/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/error.h"

namespace qv {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr char kEndOfText = '\x1A';  // Ctrl+Z

bool IsSpecial(char c) {
  return c == kLineFeed || c == kCarriageReturn || c == kEndOfText;
}

}  // namespace

struct LineReader::Impl {
  std::string path;
  int fd = -1;
  std::unique_ptr<char[]> block = std::make_unique_for_overwrite<char[]>(kBlockSize);
  std::size_t pos = 0;     // next unread byte of the block
  std::size_t filled = 0;  // bytes in the block
  bool atEnd = false;      // read(2) has reported the end of the file
  bool finished = false;   // no more lines, whatever the file still holds
  long lineNumber = 0;
  std::string joined;  // a line that spans blocks or holds a CR

  // Reads the next block; false at the end of the file.
  bool Fill() {
    pos = filled = 0;
    if (atEnd || fd < 0) return false;
    for (;;) {
      ssize_t n = read(fd, block.get(), kBlockSize);
      if (n > 0) {
        filled = static_cast<std::size_t>(n);
        return true;
      }
      if (n == 0) {
        atEnd = true;
        return false;
      }
      if (errno != EINTR) {
        throw SystemError(path, errno, lineNumber + 1);
      }
    }
  }

  // Skips the rest of the current line, up to and including its LF.
  void SkipLine() {
    for (;;) {
      const char* b = block.get();
      const void* lf = std::memchr(b + pos, kLineFeed, filled - pos);
      if (lf != nullptr) {
        pos = static_cast<std::size_t>(static_cast<const char*>(lf) - b) + 1;
        return;
      }
      if (!Fill()) return;
    }
  }

  bool Next(std::string_view& line) {
    if (finished) return false;
    if (pos == filled && !Fill()) {
      // The end of the file at the start of a line: only an empty file still
      // has its one (empty) line.
      finished = true;
      if (lineNumber != 0) return false;
      ++lineNumber;
      line = {};
      return true;
    }
    if (lineNumber != 0 && block[pos] == kEndOfText) {
      finished = true;
      return false;
    }
    ++lineNumber;

    // The common cases: the whole line is in the block and ends with LF or
    // with CR LF, no other CR or 0x1A in it.  The line is then read in place.
    const char* start = block.get() + pos;
    const char* end = block.get() + filled;
    const char* p = start;
    while (p != end && !IsSpecial(*p)) ++p;
    if (p != end && *p == kLineFeed) {
      line = std::string_view(start, static_cast<std::size_t>(p - start));
      pos = static_cast<std::size_t>(p + 1 - block.get());
      return true;
    }
    if (p != end && *p == kCarriageReturn && p + 1 != end && p[1] == kLineFeed) {
      line = std::string_view(start, static_cast<std::size_t>(p - start));
      pos = static_cast<std::size_t>(p + 2 - block.get());
      return true;
    }

    joined.clear();
    for (;;) {
      joined.append(start, static_cast<std::size_t>(p - start));
      pos = static_cast<std::size_t>(p - block.get());
      if (p == end) {
        if (!Fill()) break;  // the last line, without a line break
      } else if (*p == kCarriageReturn) {
        ++pos;  // dropped, whether an LF follows or not
      } else if (*p == kLineFeed) {
        ++pos;
        break;
      } else {
        ++pos;
        SkipLine();  // 0x1A: the rest of the line is not read
        break;
      }
      start = p = block.get() + pos;
      end = block.get() + filled;
      while (p != end && !IsSpecial(*p)) ++p;
    }
    line = joined;
    return true;
  }
};

LineReader::LineReader(const std::string& path) : impl_(std::make_unique<Impl>()) {
  impl_->path = path;
  impl_->fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (impl_->fd < 0) throw SystemError(path, errno);
  struct stat st;
  if (fstat(impl_->fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    Close();
    throw SystemError(path, EISDIR);
  }
}

LineReader::~LineReader() {
  Close();
}

bool LineReader::Next(std::string_view& line) {
  return impl_->Next(line);
}

long LineReader::LineNumber() const {
  return impl_->lineNumber;
}

const std::string& LineReader::path() const {
  return impl_->path;
}

void LineReader::Close() {
  if (impl_->fd >= 0) close(impl_->fd);
  impl_->fd = -1;
  impl_->finished = true;
}

}  // namespace qv
