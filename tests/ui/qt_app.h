// The application object of the user-interface tests, made on first use: the
// tests run under gtest's own main, and the toolkit wants exactly one
// application object for the whole program.
#pragma once

#include <QApplication>
#include <QString>
#include <ostream>

#include "ui/application.h"
#include "ui/icon_theme.h"

namespace qv::test {

inline QApplication* EnsureQtApp() {
  if (QApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    new Application(argc, argv);
    SetUpIconTheme();
  }
  return qobject_cast<QApplication*>(QApplication::instance());
}

}  // namespace qv::test

// Lets test failures show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
