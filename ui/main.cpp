// Program start: the application with the title "Quavelor_5021RM", the main
// window on the program's own folder, and the event loop until the program
// ends.
#include <QByteArray>
#include <exception>

#include "platform/program_folder.h"
#include "ui/app_title.h"
#include "ui/application.h"
#include "ui/icon_theme.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

int main(int argc, char** argv) {
  // Positions and sizes are in screen pixels, whatever the pixel density.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qv::Application app(argc, argv);
  qv::SetUpIconTheme();
  qv::SetApplicationTitle(QStringLiteral("Quavelor_5021RM"));
  try {
    qv::TForm1 form(qv::ProgramFolder());
    form.show();
    return app.exec();
  } catch (const std::exception& error) {
    qv::ShowError(nullptr, QString::fromUtf8(error.what()));
    return 1;
  }
}
