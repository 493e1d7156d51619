// A temporary folder for editor tests and the windows opened in it.  Windows
// still open at the end of a test are closed without questions.
#pragma once

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextCursor>
#include <cstring>
#include <vector>

#include "qt_app.h"
#include "ui/editor_window.h"

namespace qv::test {

// Polish letters in Windows-1250, as held by the code page's table: ą ę ł ń ó
// ś ź ż ć and Ł Ś Ż.
inline const QByteArray kPolishWin1250 =
    QByteArray("\xB9\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xE6 \xA3\x8C\xAF");
inline const QString kPolishText = QStringLiteral("ąęłńóśźżć ŁŚŻ");

class EditorTest : public ::testing::Test {
 public:
  void SetUp() override {
    EnsureQtApp();
    ASSERT_TRUE(dir_.isValid());
  }

  void TearDown() override {
    for (const QPointer<TForm4>& window : windows_) {
      if (window) {
        window->Memo1->document()->setModified(false);
        window->close();
      }
    }
    Flush();
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  void WriteBytes(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }

  QByteArray ReadBytes(const QString& name) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
  }

  bool Exists(const QString& name) const { return QFile::exists(Path(name)); }

  // An editor window on `path`, remembered for closing at the end.
  TForm4* Open(const QString& path) {
    TForm4* window = OpenInEditor(path);
    windows_.push_back(window);
    return window;
  }

  // Carries out the deferred deletions of closed windows.
  static void Flush() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  // Types `text` at the end of the document, as the user would.
  static void Type(TForm4* window, const QString& text) {
    QTextCursor cursor = window->Memo1->textCursor();
    cursor.movePosition(QTextCursor::End);
    window->Memo1->setTextCursor(cursor);
    window->Memo1->insertPlainText(text);
  }

  // Makes `name` a socket: a file to the system that cannot be opened for
  // reading (ENXIO).  It stays until the test ends.
  void MakeSocket(const QString& name) {
    const QByteArray native = Path(name).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<size_t>(native.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, native.constData(), native.size());
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockets_.push_back(fd);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  }

  ~EditorTest() override {
    for (int fd : sockets_) close(fd);
  }

  QTemporaryDir dir_;
  std::vector<int> sockets_;
  std::vector<QPointer<TForm4>> windows_;
};

}  // namespace qv::test
