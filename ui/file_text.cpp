#include "ui/file_text.h"

#include <string>

#include "platform/win1250.h"

namespace qv {

QString FileBytesToText(const QByteArray& bytes) {
  std::string utf8 = Win1250ToUtf8(std::string_view(bytes.constData(), bytes.size()));
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

QByteArray TextToFileBytes(const QString& text) {
  if (text.isEmpty()) return {};
  QString lines = text;
  lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  lines += QStringLiteral("\r\n");
  QByteArray utf8 = lines.toUtf8();
  std::string bytes = Utf8ToWin1250(std::string_view(utf8.constData(), utf8.size()));
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace qv
