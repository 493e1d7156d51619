#include "ui/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "platform/error.h"
#include "platform/folder_names.h"
#include "ui/file_text.h"

namespace qv {
namespace {

[[noreturn]] void Fail(const char* what, const QString& path, const QString& reason) {
  QString message = QStringLiteral("%1 \"%2\". %3").arg(QLatin1String(what), path, reason);
  throw Error(message.toStdString(), path.toStdString());
}

}  // namespace

QString ResolveFilePath(const QString& path) {
  return QString::fromStdString(ResolvePath(path.toStdString()));
}

bool TextFileExists(const QString& path) {
  return FileExists(path.toStdString());
}

QString ReadTextFile(const QString& path) {
  const QString resolved = ResolveFilePath(path);
  QFile file(resolved);
  if (!file.open(QIODevice::ReadOnly)) Fail("Cannot open file", resolved, file.errorString());
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) Fail("Cannot open file", resolved, file.errorString());
  return FileBytesToText(bytes);
}

void WriteTextFile(const QString& path, const QString& text) {
  const QString resolved = ResolveFilePath(path);
  const QByteArray bytes = TextToFileBytes(text);
  QSaveFile file(resolved);
  if (!file.open(QIODevice::WriteOnly)) Fail("Cannot create file", resolved, file.errorString());
  // The bytes are written and flushed here, each step checked: a short or
  // failed write is not always reported by the commit, which would then replace
  // the old file by a truncated one.
  errno = 0;
  const bool written = file.write(bytes) == bytes.size() && file.flush();
  if (!written) {
    const int err = errno;
    const QString reason =
        err != 0 ? QString::fromLocal8Bit(std::strerror(err)) : file.errorString();
    file.cancelWriting();
    Fail("Cannot create file", resolved, reason);
  }
  if (!file.commit()) Fail("Cannot create file", resolved, file.errorString());
}

}  // namespace qv
