// Whole text files read and written for the windows.  A path's last component
// is matched in its folder without regard to letter case, like every file name
// of the work folder: reading "Blh.grs" reads an existing "blh.grs", and
// writing it replaces that file instead of creating a second one.
#pragma once

#include <QString>

namespace qv {

// The path under which the file named by `path` is used: an existing file whose
// name differs only in letter case, otherwise `path` itself.
QString ResolveFilePath(const QString& path);

// Whether a file (anything but a folder) exists at `path`, letter case aside.
bool TextFileExists(const QString& path);

// The text of the file at `path` (see FileBytesToText).  Throws Error
// `Cannot open file "<path>". <reason>` when it cannot be read.
QString ReadTextFile(const QString& path);

// Replaces the file at `path` by `text` (see TextToFileBytes) in one step: the
// new content goes to a temporary file that takes the old file's place only
// when everything was written, so a failure leaves the old file whole.  Throws
// Error `Cannot create file "<path>". <reason>` on failure.
void WriteTextFile(const QString& path, const QString& text);

}  // namespace qv
