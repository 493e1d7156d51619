// Lines of an input file by the input rules: a line ends at LF or CR LF, a lone
// CR is dropped, 0x1A ends its line (the rest of it is skipped) and, at the
// start of a line other than the first, ends the file; the last line needs no
// line break; an empty file is one empty line.  Reads in large blocks; memory
// does not grow with the file, only with the longest line.
#pragma once

#include <string>
#include <string_view>

namespace qv {

class LineReader {
 public:
  // Opens `path` for reading; throws Error when it cannot be opened.
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line as read (line breaks removed), valid until the next call;
  // false when the file has no more lines.  Throws Error when reading fails.
  bool Next(std::string_view& line);

  // 1-based number of the line last returned.
  long LineNumber() const;
  const std::string& path() const;

  void Close();

 private:
  struct Impl;
  Impl* impl_;
};

}  // namespace qv
