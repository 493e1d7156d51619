#include "ui/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QStatusBar>
#include <QWindow>

#include "platform/error.h"
#include "platform/folder_names.h"
#include "ui/anomaly_map.h"
#include "ui/app_title.h"
#include "ui/editor_window.h"
#include "ui/help_window.h"
#include "ui/icon_theme.h"
#include "ui/message_boxes.h"
#include "ui/model_dialog.h"
#include "ui/program_exit.h"
#include "ui/program_icon.h"

namespace qv {

namespace {

const QPoint kWindowPosition(281, 125);
const QSize kOuterSize(810, 649);
constexpr int kStatusBarHeight = 37;

const QColor kAqua(0, 255, 255);
const QColor kNavy(0, 0, 128);

const char* const kCaption = " QUAVELOR_5021RM -  program  ( wersja  3.1 )";
const char* const kCaptionNotice = "          model quasi-geoidy dla obszaru Polski";
const char* const kNoFrameMessage = " * ALE WYBIERZ NAJPIERW UKLAD ODNIESIENIA ";
const char* const kStatusPrefix = " Folder roboczy = ";

enum class Look {
  Title,        // aqua background; Arial Black, 19 px bold
  Navy,         // 13 px regular, navy
  Highlighted,  // background in the highlight colour
  White,        // white background
  Task,         // 12 px bold, black
};

struct TextControl {
  const char* name;
  QRect geometry;
  const char* text;
  Look look;
};

const TextControl kTexts[] = {
    {"StaticText5", {144, 8, 413, 31}, "QUASI-GEOIDA  QUAVELOR_5021RM ", Look::Title},
    {"StaticText4", {144, 40, 237, 20}, "oparta na modelu globalnym EGM2008  ", Look::Navy},
    {"Label2",
     {144, 56, 458, 16},
     "https://earth-info.nga.mil/index.php?dir=wgs84&action=wgs84",
     Look::Navy},
    {"Label1",
     {144, 72, 515, 16},
     "i polskich osnowach satelitarno - niwelacyjnych stacje ASG-EUPOS + EUVN + POLREF",
     Look::Navy},
    {"Label3",
     {136, 120, 424, 16},
     "  UKŁAD ODNIESIENIA WYSOKOŚCI NORMALNYCH:  Kronstadt ' 86  ",
     Look::Highlighted},
    {"Label4",
     {136, 144, 440, 16},
     "  OKREŚL UKŁAD ODNIESIENIA DLA WYSOKOŚCI ELIPSOIDALNYCH:  ",
     Look::Highlighted},
    {"StaticText1", {40, 248, 91, 20}, "  DANE:          ", Look::White},
    {"StaticText2", {672, 248, 91, 20}, "    WYNIKI:     ", Look::White},
    {"StaticText3",
     {224, 288, 327, 19},
     "  =>  Obliczenie odstępów quasi-geoidy od elipsoidy  N  =>",
     Look::Task},
    {"StaticText6",
     {248, 328, 282, 19},
     "      H elipsoidalne =>  H normalne [ Kronstadt '86 ]",
     Look::Task},
    {"StaticText7",
     {256, 368, 273, 19},
     "  H normalne [ Kronstadt '86 ]  =>  H elipsoidalne",
     Look::Task},
    {"Label5",
     {200, 432, 410, 15},
     "  różnice wysokosci elipsoidalnych   =>   różnice wysokosci normalnych  ",
     Look::Task},
    {"Label6", {312, 448, 132, 15}, "( niwelacja satelitarna )", Look::Task},
};

// One row per data file, in table order: panel n is row n.
struct DataFile {
  const char* name;        // the file, matched without regard to letter case
  const char* caption;     // the panel's caption
  const char* editorName;  // the name under which the panel opens the editor
  QRect geometry;
  bool result;  // a result panel: 13 px bold, navy
  bool hand;    // hand cursor (task 4's panels keep the arrow)
};

const DataFile kDataFileTable[kDataFiles] = {
    {"bl", "BL ", "bl", {40, 280, 89, 33}, false, true},
    {"blh_e", "BLH_e", "blh_e", {40, 320, 89, 33}, false, true},
    {"blh_n", "BLH_n", "blh_n", {40, 360, 89, 33}, false, true},
    {"bln", "BLN", "bln", {672, 280, 89, 33}, true, true},
    {"blh_n.1", "BLH_n.1", "BLH_n.1", {672, 320, 89, 33}, true, true},
    {"blh_e.1", "BLH_e.1", "BLH_e.1", {672, 360, 89, 33}, true, true},
    {"deltah.gps", "DELTAH.gps", "deltah.gps", {40, 432, 89, 33}, false, false},
    {"blh.grs", "BLH.grs", "Blh.grs", {40, 472, 89, 33}, false, false},
    {"deltah1", "DELTAH1", "deltah1", {672, 424, 89, 33}, true, false},
};

const QRect kCheckBoxGeometry[kTasks] = {
    {144, 288, 25, 17}, {144, 328, 25, 17}, {144, 368, 33, 17}, {144, 432, 25, 17}};

QFont ArialFont(int pixels, bool bold, const QString& face = QStringLiteral("Arial")) {
  QFont font;
  font.setFamilies({face, QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  widget->setPalette(palette);
}

// Our fonts may set a text a few pixels wider than the box laid out for it:
// the box grows to the right rather than cut the text.
void GrowToText(QWidget* widget) {
  const int needed = widget->sizeHint().width();
  if (needed > widget->width()) widget->resize(needed, widget->height());
}

QColor ButtonFace() {
  return QGuiApplication::palette().color(QPalette::Button);
}

}  // namespace

TForm1::TForm1(const std::string& workFolder, QWidget* parent)
    : QMainWindow(parent), workFolder_(workFolder) {
  setWindowTitle(QString::fromUtf8(kCaption) + QString::fromUtf8(kCaptionNotice));
  setWindowIcon(ProgramIcon());
  move(kWindowPosition);
  resize(kOuterSize);
  SetBackground(this, ButtonFace());
  setFont(ArialFont(13, true));
  SetTextColour(this, Qt::black);
  BuildControls();
  FormCreate();
}

void TForm1::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);

  // The frames lie under the controls they surround.
  auto* bevel1 = new QFrame(client);
  bevel1->setObjectName(QStringLiteral("Bevel1"));
  bevel1->setFrameStyle(QFrame::Box | QFrame::Raised);
  bevel1->setGeometry(24, 232, 753, 289);
  auto* bevel2 = new QFrame(client);
  bevel2->setObjectName(QStringLiteral("Bevel2"));
  bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel2->setGeometry(32, 424, 105, 89);

  Image2 = new QLabel(client);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(8, 8, 113, 113);
  Image2->setScaledContents(true);
  Image2->setPixmap(QPixmap::fromImage(AnomalyMapOfFile(ModelPath())));

  StaticText8 = new ClickableLabel(QStringLiteral("       INFO      "), client);
  StaticText8->setObjectName(QStringLiteral("StaticText8"));
  StaticText8->setGeometry(8, 128, 114, 26);
  StaticText8->setFont(ArialFont(19, true));
  SetBackground(StaticText8, kAqua);
  StaticText8->setCursor(Qt::WhatsThisCursor);
  connect(StaticText8, &ClickableLabel::clicked, this, &TForm1::StaticText8Click);

  for (const TextControl& control : kTexts) {
    auto* label = new QLabel(QString::fromUtf8(control.text), client);
    label->setObjectName(QString::fromLatin1(control.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(control.geometry);
    switch (control.look) {
      case Look::Title:
        label->setFont(ArialFont(19, true, QStringLiteral("Arial Black")));
        SetBackground(label, kAqua);
        break;
      case Look::Navy:
        label->setFont(ArialFont(13, false));
        SetTextColour(label, kNavy);
        break;
      case Look::Highlighted:
        SetBackground(label, HighlightColour());
        break;
      case Look::White:
        SetBackground(label, Qt::white);
        break;
      case Look::Task:
        label->setFont(ArialFont(12, true));
        break;
    }
    GrowToText(label);
  }

  RadioButton1 =
      new QRadioButton(QStringLiteral("PL-ETRF89   [ EUVN + EUREF-POL + POLREF ]"), client);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton1->setGeometry(144, 168, 377, 17);
  connect(RadioButton1, &QRadioButton::toggled, this, &TForm1::RadioButton1Click);
  RadioButton3 = new QRadioButton(
      QStringLiteral("PL-ETRF2000  epoka 2011.00  [ ASG-EUPOS - aktualny ]  "), client);
  RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
  RadioButton3->setGeometry(144, 192, 385, 17);
  GrowToText(RadioButton1);
  GrowToText(RadioButton3);
  connect(RadioButton3, &QRadioButton::toggled, this, &TForm1::RadioButton3Click);

  for (int n = 1; n <= kDataFiles; ++n) {
    const DataFile& row = kDataFileTable[n - 1];
    auto* panel = new ClickableLabel(QString::fromLatin1(row.caption), client);
    panel->setObjectName(QStringLiteral("Panel%1").arg(n));
    panel->setTextFormat(Qt::PlainText);
    panel->setGeometry(row.geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setAlignment(Qt::AlignCenter);
    SetBackground(panel, ButtonFace());
    if (row.result) {
      panel->setFont(ArialFont(13, true));
      SetTextColour(panel, kNavy);
    }
    panel->setCursor(row.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    connect(panel, &ClickableLabel::clicked, this, [this, n] { PanelClick(n); });
    panels_[n - 1] = panel;
  }

  for (int n = 1; n <= kTasks; ++n) {
    auto* box = new QCheckBox(client);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
    box->setGeometry(kCheckBoxGeometry[n - 1]);
    box->setChecked(true);
    checkBoxes_[n - 1] = box;
  }

  BitBtn1 =
      new QPushButton(ThemeIcon(QStringLiteral("accessories-calculator"), QStyle::SP_ComputerIcon),
                      QStringLiteral("OBLICZAJ"), client);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(400, 528, 193, 41);
  BitBtn1->setIconSize(QSize(24, 24));
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);

  BitBtn2 = new QPushButton(QStringLiteral("   Wyjście =>"), client);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  BitBtn2->setGeometry(672, 528, 105, 41);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);

  StatusText = new QLabel(statusBar());
  StatusText->setObjectName(QStringLiteral("StatusBar1"));
  StatusText->setTextFormat(Qt::PlainText);
  statusBar()->setObjectName(QStringLiteral("StatusBar1Bar"));
  statusBar()->setFixedHeight(kStatusBarHeight);
  statusBar()->addWidget(StatusText, 1);
}

void TForm1::FormCreate() {
  StatusText->setText(QString::fromUtf8(kStatusPrefix) + QString::fromStdString(workFolder_));
  for (int n = 1; n <= kDataFiles; ++n) {
    if (FileExistsInFolder(workFolder_, kDataFileTable[n - 1].name)) MarkFilePresent(n);
  }
}

std::string TForm1::ModelPath() const {
  return JoinPath(workFolder_, kModelFileName);
}

ClickableLabel* TForm1::Panel(int n) const {
  if (n < 1 || n > kDataFiles) throw Error("no data-file panel " + std::to_string(n));
  return panels_[n - 1];
}

QCheckBox* TForm1::CheckBox(int n) const {
  if (n < 1 || n > kTasks) throw Error("no task check box " + std::to_string(n));
  return checkBoxes_[n - 1];
}

QColor TForm1::HighlightColour() {
  return QGuiApplication::palette().color(QPalette::ToolTipBase);
}

bool TForm1::IsHighlighted(int panel) const {
  return Panel(panel)->palette().color(QPalette::Window) == HighlightColour();
}

std::array<bool, 4> TForm1::TaskEnabled() const {
  std::array<bool, 4> enabled{};
  for (int n = 1; n <= kTasks; ++n) enabled[n - 1] = CheckBox(n)->isChecked();
  return enabled;
}

void TForm1::MarkFilePresent(int panel) {
  SetBackground(Panel(panel), HighlightColour());
}

void TForm1::RadioButton1Click() {
  if (RadioButton1->isChecked()) frameCode_ = kFrameETRF89;
}

void TForm1::RadioButton3Click() {
  if (RadioButton3->isChecked()) frameCode_ = kFrameETRF2000;
}

void TForm1::BitBtn1Click() {
  if (!RadioButton1->isChecked() && !RadioButton3->isChecked()) {
    ShowMessage(this, QString::fromUtf8(kNoFrameMessage));
    return;
  }
  ShowModelDialog(workFolder_, frameCode_, *this, this);
}

void TForm1::BitBtn2Click() {
  close();
}

void TForm1::StaticText8Click() {
  OpenHelpWindow();
}

void TForm1::PanelClick(int n) {
  Panel(n);  // checks n
  ::OpenInEditor(QString::fromStdString(JoinPath(workFolder_, kDataFileTable[n - 1].editorName)));
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (LeaveProgram(ExitCause::UserClosed)) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TForm1::event(QEvent* event) {
  // The outer size includes the frame, which the window system makes known
  // only once the window is shown; without a frame the client is the window.
  const auto type = event->type();
  if (!outerSizeSet_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
      windowHandle() != nullptr) {
    const QMargins frame = windowHandle()->frameMargins();
    if (!frame.isNull()) {
      outerSizeSet_ = true;
      resize(kOuterSize.width() - frame.left() - frame.right(),
             kOuterSize.height() - frame.top() - frame.bottom());
      move(kWindowPosition);
    }
  }
  return QMainWindow::event(event);
}

}  // namespace qv
