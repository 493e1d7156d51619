// The line rules of input files: line breaks, lone CRs, the 0x1A byte, the last
// line, the empty file, long lines across the reader's blocks, and errors.
#include "compute/line_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/error.h"
#include "work_folder.h"

namespace qv {
namespace {

using namespace std::string_literals;

std::vector<std::string> ReadAll(const std::string& path) {
  LineReader reader(path);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.Next(line)) {
    lines.emplace_back(line);
    EXPECT_EQ(reader.LineNumber(), static_cast<long>(lines.size()));
  }
  EXPECT_FALSE(reader.Next(line)) << "lines after the end";
  return lines;
}

std::vector<std::string> ReadBytes(const std::string& bytes) {
  test::WorkFolder folder;
  folder.Write("bl", bytes);
  return ReadAll(folder / "bl");
}

// The rules applied to the whole text at once, independently of the reader's
// block handling.
std::vector<std::string> ReferenceLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (lines.empty() || (i < bytes.size() && bytes[i] != '\x1A')) {
    std::size_t lf = bytes.find('\n', i);
    std::size_t stop = lf == std::string::npos ? bytes.size() : lf;
    std::string line = bytes.substr(i, stop - i);
    line = line.substr(0, line.find('\x1A'));
    std::erase(line, '\r');
    lines.push_back(line);
    i = lf == std::string::npos ? bytes.size() : lf + 1;
  }
  return lines;
}

TEST(LineReader, LineRules) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {""}},
      {"abc", {"abc"}},
      {"abc\n", {"abc"}},
      {"abc\r\n", {"abc"}},
      {"abc\r\ndef\r\n", {"abc", "def"}},
      {"abc\ndef", {"abc", "def"}},
      {"\n", {""}},
      {"\n\n", {"", ""}},
      {"abc\n\n", {"abc", ""}},
      {"\r\n\r\n", {"", ""}},
      // A CR without LF is dropped wherever it stands.
      {"a\rb\n", {"ab"}},
      {"\r", {""}},
      {"a\r\r\nb\r", {"a", "b"}},
      {"\rx\r\r", {"x"}},
      // 0x1A ends its line; at the start of a later line it ends the file.
      {"a\x1A"
       "bc\nd",
       {"a", "d"}},
      {"a\x1A", {"a"}},
      {"a\x1A\r\nb", {"a", "b"}},
      {"a\n\x1A"
       "b\nc",
       {"a"}},
      {"a\n\x1A", {"a"}},
      {"a\x1A\n\x1A\nb", {"a"}},
      {"\x1A", {""}},
      {"\x1A\nb", {"", "b"}},
      {"\x1A"
       "abc\nb\n",
       {"", "b"}},
      {"a\n\r\x1A"
       "b\nc",
       {"a", "", "c"}},
      {"a\n\n\x1A", {"a", ""}},
      // Any other byte is part of the line.
      {"a\0b\n"s, {"a\0b"s}},
      {"\0"s, {"\0"s}},
      {"\xB9\xEA\x81\xFF\x1B\n", {"\xB9\xEA\x81\xFF\x1B"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadBytes(c.bytes), c.lines) << "bytes [" << c.bytes << "]";
    EXPECT_EQ(ReferenceLines(c.bytes), c.lines) << "reference, bytes [" << c.bytes << "]";
  }
}

// Line breaks and 0x1A just before, on and after the boundaries of the
// reader's blocks (1 MiB), and lines longer than a block.
TEST(LineReader, BreaksAroundBlockBoundaries) {
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  for (std::size_t at : {kBlock - 2, kBlock - 1, kBlock, kBlock + 1, 3 * kBlock - 1}) {
    for (const std::string& tail : {"\r\nb"s, "\nb"s, "\rb\n"s,
                                    "\n\x1A"
                                    "b"s,
                                    "\x1A\nb"s}) {
      std::string bytes = std::string(at, 'a') + tail;
      EXPECT_EQ(ReadBytes(bytes), ReferenceLines(bytes))
          << "break at " << at << " tail " << tail.size();
    }
  }
}

TEST(LineReader, RandomFilesAgreeWithTheRules) {
  std::mt19937 random(7);
  for (int file = 0; file < 6; ++file) {
    std::string bytes;
    const std::size_t size = (file + 1) * 700000;
    // One line of up to 2 MiB somewhere in the file.
    const std::size_t longLineAt = std::uniform_int_distribution<std::size_t>(0, size)(random);
    while (bytes.size() < size) {
      int r = std::uniform_int_distribution<int>(0, 999)(random);
      char c = r < 20 ? '\r' : r < 40 ? '\n' : r == 40 ? '\x1A' : static_cast<char>('a' + r % 26);
      // Keep 0x1A off the starts of lines, or the file would end early.
      if (c == '\x1A' && (bytes.empty() || bytes.back() == '\n')) c = 'z';
      bytes += c;
      if (bytes.size() == longLineAt) {
        bytes.append(std::uniform_int_distribution<std::size_t>(0, 1 << 21)(random), 'L');
      }
    }
    std::vector<std::string> expected = ReferenceLines(bytes);
    ASSERT_GT(expected.size(), 1000u);
    EXPECT_EQ(ReadBytes(bytes), expected) << "file " << file;
  }
}

TEST(LineReader, ClosedReaderHasNoMoreLines) {
  test::WorkFolder folder;
  folder.Write("bl", "a\nb\n");
  LineReader reader(folder / "bl");
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  reader.Close();
  EXPECT_FALSE(reader.Next(line));
  reader.Close();
}

TEST(LineReader, FilesThatCannotBeOpenedThrowWithTheSystemsReason) {
  test::WorkFolder folder;
  std::filesystem::create_directory(folder / "folder");
  struct Case {
    std::string path;
    int err;
  };
  const std::vector<Case> cases = {
      {folder / "missing", ENOENT},
      {folder / "folder", EISDIR},
      {folder / "missing/bl", ENOENT},
  };
  for (const auto& c : cases) {
    try {
      LineReader reader(c.path);
      ADD_FAILURE() << "opened " << c.path;
    } catch (const Error& e) {
      EXPECT_EQ(e.file(), c.path);
      EXPECT_STREQ(e.what(), std::strerror(c.err));
    }
  }
}

// Reading the process's own memory from address 0 fails with an I/O error.
TEST(LineReader, AFailedReadThrowsWithTheLineNumber) {
  const std::string path = "/proc/self/mem";
  LineReader reader(path);
  std::string_view line;
  try {
    reader.Next(line);
    ADD_FAILURE() << "read " << path;
  } catch (const Error& e) {
    EXPECT_EQ(e.file(), path);
    EXPECT_EQ(e.line(), 1);
    EXPECT_STREQ(e.what(), std::strerror(EIO));
  }
}

}  // namespace
}  // namespace qv
