// Lines of an input file by the input rules: a line ends at LF or CR LF, a CR
// elsewhere is dropped, 0x1A ends its line (the rest of it is skipped) and, at
// the start of a line other than the first, ends the file; the last line needs
// no line break, and a line break at the end of the file opens no further
// line; an empty file is one empty line.  Lines may be of any length and hold
// any bytes.  Reads in large blocks; memory does not grow with the file, only
// with the longest line that spans blocks or holds a CR; no allocation per
// line once that buffer has grown.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace qv {

class LineReader {
 public:
  // Opens `path` for reading; throws Error (with the system's reason) when it
  // cannot be opened or is a folder.
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line as read (line breaks removed), valid until the next call;
  // false when the file has no more lines.  Throws Error (with the number of
  // the line being read) when reading fails.
  bool Next(std::string_view& line);

  // 1-based number of the line last returned; 0 before the first.
  long LineNumber() const;
  const std::string& path() const;

  // Closes the file; Next() then returns false.  Also done by the destructor.
  void Close();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qv
