// Text files as the windows read and write them: Windows-1250 bytes, CR LF
// line ends, names matched without regard to letter case, atomic replacement.
#include "ui/text_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstring>

#include "editor_fixture.h"
#include "platform/error.h"
#include "ui/file_text.h"

namespace qv::test {
namespace {

struct BytesCase {
  const char* name;
  QByteArray bytes;
  QString text;
};

TEST(FileText, FileBytesBecomeWindowText) {
  const std::vector<BytesCase> cases = {
      {"CR LF lines", QByteArray("ab\r\ncd\r\n"), QStringLiteral("ab\ncd")},
      {"LF lines", QByteArray("ab\ncd\n"), QStringLiteral("ab\ncd")},
      {"lone CR", QByteArray("ab\rcd"), QStringLiteral("ab\ncd")},
      {"no break after the last line", QByteArray("ab\r\ncd"), QStringLiteral("ab\ncd")},
      {"empty line at the end", QByteArray("ab\r\n\r\n"), QStringLiteral("ab\n")},
      {"a space", QByteArray(" \r\n"), QStringLiteral(" ")},
      {"empty file", QByteArray(), QString()},
      {"Polish letters", kPolishWin1250 + "\r\n", kPolishText},
      {"degree sign and section", QByteArray("\xB0\xA7"), QStringLiteral("°§")},
  };
  for (const BytesCase& c : cases) {
    EXPECT_EQ(FileBytesToText(c.bytes), c.text) << c.name;
  }
}

TEST(FileText, WindowTextBecomesCrLfLinesInWindows1250) {
  const std::vector<BytesCase> cases = {
      {"two lines", QByteArray("ab\r\ncd\r\n"), QStringLiteral("ab\ncd")},
      {"empty last line", QByteArray("ab\r\n\r\n"), QStringLiteral("ab\n")},
      {"a space", QByteArray(" \r\n"), QStringLiteral(" ")},
      {"empty text", QByteArray(), QString()},
      {"Polish letters", kPolishWin1250 + "\r\n", kPolishText},
      {"euro sign", QByteArray("\x80\r\n"), QStringLiteral("€")},
      {"outside the code page", QByteArray("a?b\r\n"), QStringLiteral("a") + QChar(0x263A) + "b"},
  };
  for (const BytesCase& c : cases) {
    EXPECT_EQ(TextToFileBytes(c.text), c.bytes) << c.name;
  }
}

using TextFileTest = EditorTest;

TEST_F(TextFileTest, ReadsAndReplacesAFileWhoseNameDiffersInLetterCase) {
  WriteBytes("blh.grs", QByteArray("stary\r\n"));
  EXPECT_TRUE(TextFileExists(Path("Blh.grs")));
  EXPECT_EQ(ReadTextFile(Path("Blh.grs")), QStringLiteral("stary"));
  WriteTextFile(Path("Blh.grs"), QStringLiteral("nowy"));
  EXPECT_EQ(ReadBytes("blh.grs"), QByteArray("nowy\r\n"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"blh.grs"});
}

TEST_F(TextFileTest, ANewFileTakesTheLetterCaseItIsCreatedUnder) {
  WriteTextFile(Path("BLH_n.1"), QStringLiteral("x"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"BLH_n.1"});
}

TEST_F(TextFileTest, AFolderIsNoFile) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("bl"));
  EXPECT_FALSE(TextFileExists(Path("bl")));
  EXPECT_FALSE(TextFileExists(Path("BL")));
}

// The message of an error raised by `action`.
template <typename F>
std::string ErrorOf(F action) {
  try {
    action();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST_F(TextFileTest, WriteFailuresNameThePathAndTheSystemReason) {
  WriteBytes("plik", QByteArray("x"));
  struct Case {
    const char* name;
    QString path;
    int err;
  };
  const std::vector<Case> cases = {
      {"through a regular file", Path("plik/bl"), ENOTDIR},
      {"in a missing folder", Path("brak/bl"), ENOENT},
  };
  for (const Case& c : cases) {
    const std::string expected =
        "Cannot create file \"" + c.path.toStdString() + "\". " + std::strerror(c.err);
    EXPECT_EQ(ErrorOf([&] { WriteTextFile(c.path, QStringLiteral("y")); }), expected) << c.name;
  }
  EXPECT_EQ(ReadBytes("plik"), QByteArray("x"));
}

TEST_F(TextFileTest, AFileThatExistsButCannotBeOpenedIsReported) {
  MakeSocket("gniazdo");
  const QString path = Path("gniazdo");
  ASSERT_TRUE(TextFileExists(path));
  const std::string expected =
      "Cannot open file \"" + path.toStdString() + "\". " + std::strerror(ENXIO);
  EXPECT_EQ(ErrorOf([&] { ReadTextFile(path); }), expected);
}

TEST_F(TextFileTest, AShortWriteKeepsTheOldFileWhole) {
  // A file-size limit below the new text's size makes the write fall short
  // (EFBIG); the child process reports whether the right failure was raised:
  // 7 yes, 8 another message, 9 none.
  const QByteArray old_bytes("stara zawartość pliku\r\n");
  WriteBytes("bl", old_bytes);
  const QString long_text(4096, QLatin1Char('a'));
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      WriteTextFile(Path("bl"), long_text);
    } catch (const Error& e) {
      const std::string expected =
          "Cannot create file \"" + Path("bl").toStdString() + "\". " + std::strerror(EFBIG);
      _exit(e.what() == expected ? 7 : 8);
    }
    _exit(9);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_EQ(ReadBytes("bl"), old_bytes);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"bl"});
}

}  // namespace
}  // namespace qv::test
