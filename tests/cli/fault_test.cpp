// quavelor-batch under faults and hostile input: a folder it may not write, a
// size limit hit while writing, folders named like the data files, huge lines,
// lines of nothing but separators or of a million fields, binary garbage in
// every input, and a folder whose name has Polish letters and spaces.  Each
// case checks the message and that no result claims more than was computed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "compute/line_reader.h"
#include "compute/record.h"
#include "compute/run_fixture.h"
#include "compute/work_folder.h"
#include "batch_process.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

const std::string& kBinary = kBatchBinary;
const std::string kPoint = "P 52 0 0 19 0 0 100\r\n";
const char* const kInputs[] = {"bl", "blh_e", "blh_n", "deltah.gps", "blh.grs"};
const char* const kResults[] = {"bln", "blh_n.1", "blh_e.1", "deltah1"};

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

Finished Batch(const std::string& folder, const std::string& before = "") {
  return Shell(before + kBinary + " --frame 2000 " + Quoted(folder));
}

std::string LastLine(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  return lines.empty() ? std::string() : lines.back();
}

long CrLfLines(const std::string& bytes) {
  long lines = 0;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) lines += bytes[i] == '\r' && bytes[i + 1] == '\n';
  return lines;
}

// Lines of `path` that pass the record test with `minimum` fields, counted by
// the record layer itself (its rules are tested on their own elsewhere).
long AcceptedRecords(const std::string& path, int minimum) {
  LineReader reader(path);
  FieldList fields;
  std::string_view line;
  long accepted = 0;
  while (reader.Next(line)) accepted += IsDataRecord(fields, SplitRecord(line, fields), minimum);
  return accepted;
}

// The result of task 1 for `bl` computed in a fresh folder: the reference
// against which a hostile twin of the same records is compared.
std::string Task1Result(const std::string& bl) {
  WorkFolder twin;
  twin.WriteModel(Plane);
  twin.Write("bl", bl);
  Finished f = Batch(twin.path());
  EXPECT_EQ(f.status, 0) << f.err;
  return twin.Read("bln");
}

// A folder the program may read but not write.  As root every folder is
// writable, so the program is run as the unprivileged user "nobody" when
// that works here.
TEST(Faults, ReadOnlyFolderIsAFileError) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("bl", kPoint);
  std::string as;
  if (geteuid() == 0) {
    if (Shell("setpriv --reuid=65534 --regid=65534 --clear-groups true").status != 0) {
      GTEST_SKIP() << "running as root and cannot drop to an unprivileged user: every folder "
                      "is writable";
    }
    as = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  }
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
  Finished f = Batch(folder.path(), as);
  if (!as.empty() && f.status == 126)
    GTEST_SKIP() << "the unprivileged user cannot run the program";
  fs::permissions(folder.path(), fs::perms::owner_all);
  EXPECT_EQ(f.status, 5) << f.err;
  EXPECT_EQ(LastLine(f.err), "*** Błąd pliku: " + (folder / "bln") + " (Permission denied)");
  EXPECT_FALSE(folder.Exists("bln"));
}

// A file-size limit reached while the result is written (the limit signal
// ignored, so the write fails with EFBIG): the run ends with the file's error,
// and what reached the file is an unbroken beginning of the full result.
TEST(Faults, FileSizeLimitWhileWriting) {
  std::string many;
  for (int i = 0; i < 20000; ++i) many += kPoint;
  const std::string full = Task1Result(many);
  WorkFolder folder;
  folder.WriteModel(Plane);
  folder.Write("bl", many);
  // ulimit -f counts 1024-byte blocks in this shell.
  Finished f = Batch(folder.path(), "trap '' XFSZ; ulimit -f 64; ");
  EXPECT_EQ(f.status, 5) << f.err;
  EXPECT_EQ(LastLine(f.err), "*** Błąd pliku: " + (folder / "bln") + " (File too large)");
  std::string written = folder.Read("bln");
  EXPECT_LE(written.size(), 64u * 1024);
  EXPECT_LT(written.size(), full.size());
  EXPECT_EQ(full.substr(0, written.size()), written);
}

// Folders named like every input are no input: no data, nothing written.
TEST(Faults, FoldersNamedLikeTheDataFiles) {
  WorkFolder folder;
  folder.WriteModel(Plane);
  for (const char* input : kInputs) fs::create_directory(folder / input);
  Finished f = Batch(folder.path());
  EXPECT_EQ(f.status, 4) << f.err;
  EXPECT_EQ(LastLine(f.err), "*** Brak zbioru danych ");
  for (const char* result : kResults) EXPECT_FALSE(folder.Exists(result)) << result;
}

// Hostile lines between two ordinary points.  Each is as the record test sees
// it: a record of its first fields, or no record at all.
TEST(Faults, HugeLinesAreRecordsOfTheirFields) {
  const std::string kOther = "Q 51 30 0 20 0 0 100\r\n";
  const size_t kMillion = 1000000;
  const size_t kHundredMegabytes = 100u * 1024 * 1024;
  std::string separators;
  for (size_t i = 0; i < kMillion; ++i) separators += " \t,;"[i % 4];
  std::string fields = "R 52 0 0 19 0 0";
  for (size_t i = 0; i < kMillion; ++i) fields += " 7";
  struct Case {
    const char* what;
    std::string line;  // without its line break
    std::string twin;  // a short line with the same record, or empty for none
  };
  const std::vector<Case> cases = {
      // The name keeps its first 16 bytes, however long the field.
      {"a 100 MB line", std::string(kHundredMegabytes, 'N') + " 52 0 0 19 0 0",
       std::string(17, 'N') + " 52 0 0 19 0 0"},
      {"a million separators", separators, ""},
      {"a million fields", fields, "R 52 0 0 19 0 0 7 7 7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string expected =
        Task1Result(kPoint + (c.twin.empty() ? "" : c.twin + "\r\n") + kOther);
    WorkFolder folder;
    folder.WriteModel(Plane);
    folder.Write("bl", kPoint + c.line + "\r\n" + kOther);
    Finished f = Batch(folder.path());
    EXPECT_EQ(f.status, 0) << f.err;
    EXPECT_EQ(LastLine(f.err), " koniec obliczeń ");
    EXPECT_EQ(folder.Read("bln"), expected);
    EXPECT_EQ(CrLfLines(expected), c.twin.empty() ? 2 : 3);
  }
}

// Random bytes in all five inputs: the program ends by its rules (completed,
// or stopped by a bad point list), and each result of tasks 1 to 3 has one
// line per record that passes the record test.
TEST(Faults, BinaryGarbageInEveryInput) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    WorkFolder folder;
    folder.WriteModel(Plane);
    for (const char* input : kInputs) {
      std::string bytes(20000, '\0');
      for (char& b : bytes) b = static_cast<char>(random());
      folder.Write(input, bytes);
    }
    Finished f = Batch(folder.path());
    const std::string last = LastLine(f.err);
    if (f.status == 1) {
      EXPECT_TRUE(last.starts_with("*** BLH.grs - błędny rekord: ")) << last;
    } else {
      EXPECT_EQ(f.status, 0) << f.err;
      EXPECT_EQ(last, " koniec obliczeń ");
    }
    const int minimum[] = {2, 8, 2};
    for (int t = 0; t < 3; ++t) {
      EXPECT_EQ(CrLfLines(folder.Read(kResults[t])),
                AcceptedRecords(folder / kInputs[t], minimum[t]))
          << kResults[t];
    }
    EXPECT_TRUE(folder.Exists("deltah1"));
  }
}

// A folder with Polish letters and spaces in its name: the same results as in
// a plain folder, and messages that name the paths byte for byte.
TEST(Faults, PolishLettersAndSpacesInThePath) {
  WorkFolder plain, parent;
  const std::string folder = parent / "Dane pomiarowe żółć";
  fs::create_directory(folder);
  plain.WriteModel(Plane);
  fs::copy_file(plain / "quavelor_5021RM.bin", folder + "/quavelor_5021RM.bin");
  for (const std::string& where : {plain.path(), folder}) {
    for (const char* input : kInputs) {
      std::ifstream in(std::string(QV_SOURCE_DIR "/examples/") + input, std::ios::binary);
      std::ofstream(where + "/" + input, std::ios::binary)
          << std::string(std::istreambuf_iterator<char>(in), {});
    }
  }
  Finished a = Batch(plain.path());
  Finished b = Batch(folder);
  EXPECT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(b.status, 0) << b.err;
  for (const char* result : kResults) {
    EXPECT_FALSE(plain.Read(result).empty()) << result;
    EXPECT_EQ(parent.Read(std::string("Dane pomiarowe żółć/") + result), plain.Read(result))
        << result;
  }
  std::string messages = a.err;
  for (size_t at; (at = messages.find(plain.path())) != std::string::npos;) {
    messages.replace(at, plain.path().size(), folder);
  }
  EXPECT_EQ(b.err, messages);
  EXPECT_NE(b.err.find(folder + "/bl->" + folder + "/bln"), std::string::npos) << b.err;

  // A fault there names the path as it is.
  fs::remove(folder + "/bln");
  fs::create_symlink("/dev/full", folder + "/bln");
  Finished c = Batch(folder);
  EXPECT_EQ(c.status, 5) << c.err;
  EXPECT_EQ(LastLine(c.err), "*** Błąd pliku: " + folder + "/bln (No space left on device)");
}

}  // namespace
}  // namespace qv::test
