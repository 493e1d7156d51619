#include "ui/icon_theme.h"

#include <QApplication>

namespace qv {

void SetUpIconTheme() {
  const QString system_icons = QStringLiteral("/usr/share/icons");
  QStringList paths = QIcon::themeSearchPaths();
  if (!paths.contains(system_icons)) {
    paths.prepend(system_icons);
    QIcon::setThemeSearchPaths(paths);
  }
  QIcon::setThemeName(QStringLiteral("Adwaita"));
}

QIcon ThemeIcon(const QString& name, QStyle::StandardPixmap fallback) {
  QIcon icon = QIcon::fromTheme(name);
  if (!icon.isNull()) return icon;
  return QApplication::style()->standardIcon(fallback);
}

}  // namespace qv
