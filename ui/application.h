// The program's application object.  An error (a std::exception, qv::Error
// included) that escapes the handling of any event, and so any user command,
// is shown in the error box and the program goes on with its event loop.
#pragma once

#include <QApplication>

namespace qv {

class Application : public QApplication {
  Q_OBJECT

 public:
  // argc, argv: the program's command-line arguments, kept alive by the caller
  // for the life of the object.
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace qv
