// The pictures of buttons and windows, taken from the desktop's icon theme.
#pragma once

#include <QIcon>
#include <QString>
#include <QStyle>

namespace qv {

// Points the toolkit at the system's icon folder (/usr/share/icons) and the
// Adwaita theme.  Called once at program start; harmless to repeat.
void SetUpIconTheme();

// The theme's icon `name` (a freedesktop icon name such as "document-save"), or
// the style's built-in picture `fallback` when the theme has none.
QIcon ThemeIcon(const QString& name, QStyle::StandardPixmap fallback);

}  // namespace qv
