// The text of a text file as the windows show it.  Files hold Windows-1250
// bytes with lines ended by CR LF; a window holds Unicode text with lines
// separated by '\n'.
#pragma once

#include <QByteArray>
#include <QString>

namespace qv {

// File bytes to window text.  A line ends at CR LF, at LF or at a lone CR; the
// break that ends the last line adds no empty line after it.
QString FileBytesToText(const QByteArray& bytes);

// Window text to file bytes: every line, the last one included, ends with
// CR LF; an empty text gives an empty file.  A character that Windows-1250
// cannot hold becomes '?'.
QByteArray TextToFileBytes(const QString& text);

}  // namespace qv
