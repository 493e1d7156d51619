#include "platform/win1250.h"

#include <iconv.h>

#include <cerrno>

#include "platform/error.h"

namespace qv {
namespace {

// One conversion descriptor per call keeps the functions free of shared state;
// the texts converted here are short (messages, captions, one file at a time).
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw Error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; at each position iconv rejects, skips `skip(in)` bytes and
  // writes '?'.
  template <typename Skip>
  std::string Run(std::string_view in, Skip skip) {
    std::string out;
    out.reserve(in.size() * 2 + 8);
    char buffer[4096];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
      char* dst = buffer;
      size_t room = sizeof buffer;
      size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (r == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: an unconvertible or truncated sequence.
        size_t n = skip(std::string_view(src, left));
        src += n;
        left -= n;
        out.push_back('?');
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence starting at s[0], or 1 when it is malformed.
size_t Utf8SequenceLength(std::string_view s) {
  unsigned char c = static_cast<unsigned char>(s[0]);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
  if (n > s.size()) return 1;
  for (size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

}  // namespace

std::string Win1250ToUtf8(std::string_view bytes) {
  Converter c("UTF-8", "WINDOWS-1250");
  return c.Run(bytes, [](std::string_view) { return size_t{1}; });
}

std::string Utf8ToWin1250(std::string_view text) {
  Converter c("WINDOWS-1250", "UTF-8");
  return c.Run(text, Utf8SequenceLength);
}

}  // namespace qv
