#include "ui/model_dialog.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/folder_names.h"
#include "ui/app_title.h"

namespace qv {

namespace {

constexpr int kClientWidth = 215;
constexpr int kClientHeight = 46;
constexpr int kFontPixels = 10;

RunParameters& SharedParameters() {
  static RunParameters parameters;
  return parameters;
}

}  // namespace

const RunParameters& CurrentRunParameters() {
  return SharedParameters();
}

ModelGrid& ProgramModelGrid() {
  static ModelGrid grid;
  return grid;
}

TForm2::TForm2(RunPanels& panels, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      panels_(panels) {
  setWindowTitle(QStringLiteral("Czytanie geoidy"));
  setFixedSize(kClientWidth, kClientHeight);
  setSizeGripEnabled(false);
  setModal(false);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  QFont dialogFont;
  dialogFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
  dialogFont.setPixelSize(kFontPixels);
  setFont(dialogFont);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(7, 26);
  Label1->adjustSize();

  Gauge1 = new Gauge(this);
  Gauge1->setObjectName(QStringLiteral("Gauge1"));
  Gauge1->setGeometry(0, 0, 215, 20);
  Gauge1->SetRange(0, kGaugeMaxValue);

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(78, 26, 61, 20);
  Button1->setAutoDefault(false);
  Button1->setDefault(true);
  Button1->setFocus();
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::Button1Click() {
  const RunParameters& parameters = CurrentRunParameters();
  RunRequest request;
  request.WorkFolder = parameters.WorkFolder;
  request.FrameCode = parameters.FrameCode;
  request.TaskEnabled = panels_.TaskEnabled();
  request.ModelPath = JoinPath(parameters.WorkFolder, kModelFileName);
  Gauge1->SetProgress(0);
  GuiRunHost host(*Gauge1, *this, panels_);
  RunComputation(request, host, ProgramModelGrid());
}

int ShowModelDialog(const std::string& folder, int frameCode, RunPanels& panels, QWidget* owner) {
  SharedParameters() = RunParameters{folder, frameCode};
  SetApplicationTitle(QStringLiteral("GEOIDA_5021RM"));
  auto* dialog = new TForm2(panels, owner);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    dialog->move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
  }
  dialog->show();
  return 0;
}

}  // namespace qv
