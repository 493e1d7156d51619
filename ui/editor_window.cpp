#include "ui/editor_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "platform/error.h"
#include "ui/command_guard.h"
#include "ui/find_dialog.h"
#include "ui/icon_theme.h"
#include "ui/message_boxes.h"
#include "ui/print_layout.h"
#include "ui/text_file.h"

namespace {

constexpr int kWindowWidth = 642;
constexpr int kWindowHeight = 531;
constexpr int kToolBarHeight = 29;
constexpr int kButtonSize = 23;
constexpr int kFontButtonWidth = 25;
constexpr int kCloseButtonWidth = 106;
constexpr int kGap = 8;
constexpr int kWideGap = 18;
constexpr int kCloseFontPixels = 11;
constexpr int kSliderWidth = 150;
constexpr int kSizeBoxWidth = 22;
constexpr int kSmallestSize = 5;
constexpr int kLargestSize = 20;
constexpr int kSizeTick = 3;
// Typed sizes from here up to kLargestSize move the slider (which then holds
// to its own range); others put the slider's position back into the box.
constexpr int kSmallestTypedSize = 3;
constexpr int kStartSize = 8;
constexpr double kPrintIndentPoints = 35.0;

const QString kNewDocumentName = QStringLiteral("Nowy dokument");
const QString kSaveQuestion = QStringLiteral("Czy zapisać zmiany ?");
const QString kQuestionCaption = QStringLiteral("Kelvra");

QWidget* Gap(QWidget* parent, int width) {
  auto* gap = new QWidget(parent);
  gap->setFixedWidth(width);
  return gap;
}

QString FileNamePart(const QString& path) {
  return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The folder part of a path with its trailing separator, or nothing.
QString FolderPart(const QString& path) {
  return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QFileDialog* FileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
  auto* dialog = new QFileDialog(parent);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  // One filter that shows every file: "*.*" would hide the names without a
  // dot, such as "bl" and "deltah1".
  dialog->setOption(QFileDialog::HideNameFilterDetails);
  dialog->setNameFilter(QStringLiteral("Wszystkie pliki (*)"));
  dialog->setAcceptMode(mode);
  dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
  return dialog;
}

}  // namespace

TForm4::TForm4(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      display_font_(QStringLiteral("Courier New"), kStartSize) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(qv::ThemeIcon(QStringLiteral("accessories-text-editor"), QStyle::SP_FileIcon));
  resize(kWindowWidth, kWindowHeight);

  auto* central = new QWidget(this);
  Memo1 = new QPlainTextEdit(central);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
  r1 = new QTextEdit(central);
  r1->setObjectName(QStringLiteral("r1"));
  r1->hide();
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
  setCentralWidget(central);

  display_colour_ = Memo1->palette().color(QPalette::Text);
  ApplyDisplayFont();

  BuildToolBar();
  BuildMenus();
  BuildDialogs();
  connect(Memo1, &QPlainTextEdit::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(Memo1->viewport()->mapToGlobal(at)); });
}

TForm4::~TForm4() {
  // The printer is no child of the window; its dialog goes first.
  delete pd1;
  delete Printer;
}

void TForm4::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setFixedHeight(kToolBarHeight);
  ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
  // The items sit side by side; the gaps are items of their own.
  ToolBar1->layout()->setSpacing(0);
  ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
  addToolBar(Qt::TopToolBarArea, ToolBar1);

  auto picture_button = [this](const char* name, const QString& tip, const QString& icon,
                               QStyle::StandardPixmap fallback, void (TForm4::*command)()) {
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setToolTip(tip);
    button->setIcon(qv::ThemeIcon(icon, fallback));
    connect(button, &QToolButton::clicked, this, command);
    return button;
  };

  ToolBar1->addWidget(Gap(ToolBar1, kGap));
  SpeedButton4 =
      picture_button("SpeedButton4", QStringLiteral("Nowy plik"), QStringLiteral("document-new"),
                     QStyle::SP_FileIcon, &TForm4::SpeedButton4Click);
  ToolBar1->addWidget(SpeedButton4);
  ToolBar1->addWidget(Gap(ToolBar1, kGap));
  SpeedButton3 = picture_button("SpeedButton3", QStringLiteral("Otwórz zbiór"),
                                QStringLiteral("document-open"), QStyle::SP_DialogOpenButton,
                                &TForm4::SpeedButton3Click);
  ToolBar1->addWidget(SpeedButton3);
  SpeedButton1 =
      picture_button("SpeedButton1", QStringLiteral("Zapisz plik"), QStringLiteral("document-save"),
                     QStyle::SP_DialogSaveButton, &TForm4::SpeedButton1Click);
  ToolBar1->addWidget(SpeedButton1);
  ToolBar1->addWidget(Gap(ToolBar1, kGap));
  SpeedButton2 = picture_button("SpeedButton2", QStringLiteral("Drukuj plik"),
                                QStringLiteral("document-print"), QStyle::SP_ComputerIcon,
                                &TForm4::SpeedButton2Click);
  ToolBar1->addWidget(SpeedButton2);
  ToolBar1->addWidget(Gap(ToolBar1, kGap));
  SpeedButton5 = picture_button("SpeedButton5", QStringLiteral("Szukaj ciągu znaków"),
                                QStringLiteral("edit-find"), QStyle::SP_FileDialogContentsView,
                                &TForm4::SpeedButton5Click);
  ToolBar1->addWidget(SpeedButton5);
  ToolBar1->addWidget(Gap(ToolBar1, kGap));
  SpeedButton8 = picture_button("SpeedButton8", QStringLiteral("Wytnij zaznaczony tekst"),
                                QStringLiteral("edit-cut"), QStyle::SP_DialogDiscardButton,
                                &TForm4::SpeedButton8Click);
  ToolBar1->addWidget(SpeedButton8);
  SpeedButton9 = picture_button("SpeedButton9", QStringLiteral("Kopiuj do schowka"),
                                QStringLiteral("edit-copy"), QStyle::SP_FileDialogNewFolder,
                                &TForm4::SpeedButton9Click);
  ToolBar1->addWidget(SpeedButton9);
  SpeedButton10 = picture_button("SpeedButton10", QStringLiteral("Wklej ze schowka"),
                                 QStringLiteral("edit-paste"), QStyle::SP_DialogApplyButton,
                                 &TForm4::SpeedButton10Click);
  ToolBar1->addWidget(SpeedButton10);
  ToolBar1->addWidget(Gap(ToolBar1, kGap));
  SpeedButton7 =
      picture_button("SpeedButton7", QStringLiteral("Cofanie o 1 krok"),
                     QStringLiteral("edit-undo"), QStyle::SP_ArrowBack, &TForm4::SpeedButton7Click);
  ToolBar1->addWidget(SpeedButton7);
  ToolBar1->addWidget(Gap(ToolBar1, kWideGap));
  SpeedButton6 = picture_button("SpeedButton6", QStringLiteral("font = [ Bold ]"),
                                QStringLiteral("format-text-bold"), QStyle::SP_TitleBarShadeButton,
                                &TForm4::SpeedButton6Click);
  ToolBar1->addWidget(SpeedButton6);

  TrackBar1 = new QSlider(Qt::Horizontal, ToolBar1);
  TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
  TrackBar1->setFixedWidth(kSliderWidth);
  TrackBar1->setRange(kSmallestSize, kLargestSize);
  TrackBar1->setTickInterval(kSizeTick);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setValue(kStartSize);
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm4::TrackBar1Change);
  ToolBar1->addWidget(TrackBar1);

  Edit1 = new QLineEdit(QString::number(kStartSize), ToolBar1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFixedWidth(kSizeBoxWidth);
  Edit1->installEventFilter(this);
  ToolBar1->addWidget(Edit1);

  SpeedButton11 = picture_button("SpeedButton11", QStringLiteral("font [do druku]"),
                                 QStringLiteral("preferences-desktop-font"),
                                 QStyle::SP_FileDialogDetailedView, &TForm4::SpeedButton11Click);
  SpeedButton11->setFixedWidth(kFontButtonWidth);
  ToolBar1->addWidget(SpeedButton11);
  ToolBar1->addWidget(Gap(ToolBar1, kWideGap));

  SpeedButton12 = new QPushButton(QStringLiteral("ZAMKNIJ"), ToolBar1);
  SpeedButton12->setObjectName(QStringLiteral("SpeedButton12"));
  SpeedButton12->setFixedSize(kCloseButtonWidth, kButtonSize);
  QFont close_font(QStringLiteral("System"));
  close_font.setPixelSize(kCloseFontPixels);
  close_font.setBold(true);
  SpeedButton12->setFont(close_font);
  SpeedButton12->setAutoDefault(false);
  connect(SpeedButton12, &QPushButton::clicked, this, &TForm4::SpeedButton12Click);
  ToolBar1->addWidget(SpeedButton12);
}

void TForm4::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("Plik"));
  file->addAction(QStringLiteral("&Nowy"), this, &TForm4::SpeedButton4Click);
  file->addAction(QStringLiteral("&Otwórz..."), this, &TForm4::SpeedButton3Click);
  file->addAction(QStringLiteral("&Zapisz"), this, &TForm4::SpeedButton1Click);
  file->addAction(QStringLiteral("Zapisz &jako..."), this, &TForm4::Zapiszjako1Click);
  file->addAction(QStringLiteral("&Drukuj..."), this, &TForm4::SpeedButton2Click);
  file->addAction(QStringLiteral("W&yjście"), this, &TForm4::Wyjcie1Click);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edycja"));
  edit->addAction(QStringLiteral("Cofnij"), this, &TForm4::Cofnij1Click);
  edit->addAction(QStringLiteral("&Wytnij"), this, &TForm4::Wytnij1Click);
  edit->addAction(QStringLiteral("&Kopiuj"), this, &TForm4::Kopiuj1Click);
  edit->addAction(QStringLiteral("Wkl&ej"), this, &TForm4::Wklej1Click);

  QMenu* find = menuBar()->addMenu(QStringLiteral("Znajdź"));
  find->addAction(QStringLiteral("Znajdź..."), this, &TForm4::SpeedButton5Click);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  PopupMenu1->addAction(QStringLiteral("Cofnij"), this, &TForm4::Cofnij2Click);
  PopupMenu1->addAction(QStringLiteral("Wytnij"), this, &TForm4::Wytnij2Click);
  PopupMenu1->addAction(QStringLiteral("Kopiuj"), this, &TForm4::Kopiuj2Click);
  PopupMenu1->addAction(QStringLiteral("Wklej"), this, &TForm4::Wklej2Click);
}

void TForm4::BuildDialogs() {
  od1 = FileDialog(this, QFileDialog::AcceptOpen);
  od1->setObjectName(QStringLiteral("od1"));
  sd1 = FileDialog(this, QFileDialog::AcceptSave);
  sd1->setObjectName(QStringLiteral("sd1"));

  Printer = new QPrinter(QPrinter::HighResolution);

  fd1 = new qv::FindDialog(this);
  fd1->setObjectName(QStringLiteral("fd1"));
  connect(fd1, &qv::FindDialog::findNext, this, &TForm4::asqwe);

  FontDialog1 = new QFontDialog(QFont(QStringLiteral("MS Sans Serif"), kStartSize), this);
  FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
  FontDialog1->setOption(QFontDialog::DontUseNativeDialog);
}

void TForm4::ApplyDisplayFont() {
  Memo1->setFont(display_font_);
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Text, display_colour_);
  Memo1->setPalette(palette);
}

void TForm4::CentreOnScreen() {
  QScreen* shown_on = screen();
  if (shown_on == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(shown_on->availableGeometry().center());
  move(frame.topLeft());
}

void TForm4::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (sized_to_frame_) return;
  sized_to_frame_ = true;
  // The outer size, frame included, is the window's size.
  QSize frame_extra = frameGeometry().size() - geometry().size();
  resize(kWindowWidth - frame_extra.width(), kWindowHeight - frame_extra.height());
  CentreOnScreen();
}

bool TForm4::Modified() const {
  return Memo1->document()->isModified();
}

void TForm4::MarkModified() {
  Memo1->document()->setModified(true);
}

QString TForm4::DocumentPath() const {
  return windowTitle();
}

void TForm4::LoadDocument(const QString& text) {
  Memo1->setPlainText(text);
  Memo1->document()->setModified(false);
}

void TForm4::WriteDocument(const QString& path) {
  qv::WriteTextFile(path, Memo1->toPlainText());
  Memo1->document()->setModified(false);
}

bool TForm4::SaveDocument() {
  if (!has_file_) return SaveDocumentAs();
  return qv::RunCommand(this, [&] { WriteDocument(DocumentPath()); });
}

void TForm4::StartInDocumentFolder(QFileDialog* dialog) const {
  const QString folder = FolderPart(DocumentPath());
  if (!folder.isEmpty()) dialog->setDirectory(folder);
}

bool TForm4::SaveDocumentAs() {
  StartInDocumentFolder(sd1);
  if (sd1->exec() != QDialog::Accepted) return false;
  const QStringList chosen = sd1->selectedFiles();
  if (chosen.isEmpty()) return false;
  const QString path = chosen.first();
  if (!qv::RunCommand(this, [&] { WriteDocument(path); })) return false;
  setWindowTitle(path);
  has_file_ = true;
  return true;
}

bool TForm4::MayDiscardDocument() {
  if (!Modified()) return true;
  switch (qv::AskYesNoCancel(this, kQuestionCaption, kSaveQuestion)) {
    case QMessageBox::Yes:
      return SaveDocument();
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

void TForm4::SpeedButton4Click() {
  if (!MayDiscardDocument()) return;
  LoadDocument(QString());
  has_file_ = false;
  if (FileNamePart(DocumentPath()) != kNewDocumentName) {
    setWindowTitle(FolderPart(DocumentPath()) + kNewDocumentName);
  }
}

void TForm4::SpeedButton3Click() {
  if (!MayDiscardDocument()) return;
  StartInDocumentFolder(od1);
  if (od1->exec() != QDialog::Accepted) return;
  const QStringList chosen = od1->selectedFiles();
  if (chosen.isEmpty()) return;
  const QString path = chosen.first();
  qv::RunCommand(this, [&] {
    QString text = qv::ReadTextFile(path);
    LoadDocument(text);
    setWindowTitle(path);
    has_file_ = true;
  });
}

void TForm4::SpeedButton1Click() {
  SaveDocument();
}

void TForm4::Zapiszjako1Click() {
  SaveDocumentAs();
}

void TForm4::SpeedButton2Click() {
  // The print dialog takes the printer's settings when it is made, so it is
  // made anew for each print: it opens with the printer as last set up.
  delete pd1;
  pd1 = new QPrintDialog(Printer, this);
  pd1->setObjectName(QStringLiteral("pd1"));
  if (pd1->exec() != QDialog::Accepted) return;
  qv::RunCommand(this, [&] {
    Printer->setDocName(FileNamePart(DocumentPath()));
    qv::PrintIndented(r1, Memo1->toPlainText(), display_font_, display_colour_, kPrintIndentPoints,
                      Printer);
  });
}

void TForm4::SpeedButton5Click() {
  fd1->show();
  fd1->raise();
  fd1->activateWindow();
}

void TForm4::asqwe() {
  Memo1->setFocus();
  const QString target = fd1->FindText();
  const QTextCursor selection = Memo1->textCursor();
  int start = 0;
  if (selection.hasSelection() && selection.selectedText() == target) {
    start = selection.selectionEnd();
  }
  QTextCursor found;
  if (!target.isEmpty()) {
    found = Memo1->document()->find(target, start, QTextDocument::FindCaseSensitively);
  }
  if (found.isNull()) {
    qv::ShowMessage(this, QStringLiteral("Informacja"),
                    QStringLiteral("Nie można odnaleźć łańcucha"));
    return;
  }
  Memo1->setTextCursor(found);
}

void TForm4::SpeedButton8Click() {
  Memo1->cut();
}
void TForm4::Wytnij1Click() {
  Memo1->cut();
}
void TForm4::Wytnij2Click() {
  Memo1->cut();
}
void TForm4::SpeedButton9Click() {
  Memo1->copy();
}
void TForm4::Kopiuj1Click() {
  Memo1->copy();
}
void TForm4::Kopiuj2Click() {
  Memo1->copy();
}
void TForm4::SpeedButton10Click() {
  Memo1->paste();
}
void TForm4::Wklej1Click() {
  Memo1->paste();
}
void TForm4::Wklej2Click() {
  Memo1->paste();
}

void TForm4::SpeedButton7Click() {
  Memo1->undo();
  MarkModified();
}

void TForm4::Cofnij1Click() {
  Memo1->undo();
  MarkModified();
}

void TForm4::Cofnij2Click() {
  Memo1->undo();
}

void TForm4::SpeedButton6Click() {
  const bool exactly_bold = display_font_.weight() == QFont::Bold && !display_font_.italic() &&
                            !display_font_.underline() && !display_font_.strikeOut();
  display_font_.setWeight(exactly_bold ? QFont::Normal : QFont::Bold);
  display_font_.setItalic(false);
  display_font_.setUnderline(false);
  display_font_.setStrikeOut(false);
  ApplyDisplayFont();
}

void TForm4::TrackBar1Change() {
  display_font_.setPointSize(TrackBar1->value());
  ApplyDisplayFont();
  Edit1->setText(QString::number(TrackBar1->value()));
  Memo1->setFocus();
}

void TForm4::tek(int key) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
  qv::RunCommand(this, [&] {
    const QString entry = Edit1->text();
    bool whole = false;
    const int size = entry.toInt(&whole, 10);
    if (!whole) {
      throw qv::Error(QStringLiteral("'%1' is not a valid integer value").arg(entry).toStdString());
    }
    if (size < kSmallestTypedSize || size > kLargestSize) {
      Edit1->setText(QString::number(TrackBar1->value()));
      return;
    }
    TrackBar1->setValue(size);  // the slider holds to its range; Size follows a change
  });
}

void TForm4::SpeedButton11Click() {
  if (FontDialog1->exec() != QDialog::Accepted) return;
  display_font_ = FontDialog1->selectedFont();
  ApplyDisplayFont();
}

void TForm4::spr() {
  close();
}
void TForm4::SpeedButton12Click() {
  spr();
}
void TForm4::Wyjcie1Click() {
  close();
}

bool TForm4::Onclose() {
  if (!Modified()) return true;
  switch (qv::AskYesNoCancel(this, kQuestionCaption, kSaveQuestion)) {
    case QMessageBox::Yes:
      return SaveDocument();
    case QMessageBox::No:
      Memo1->document()->setModified(false);
      return true;
    default:
      return false;
  }
}

void TForm4::closeEvent(QCloseEvent* event) {
  if (Onclose()) {
    fd1->close();
    event->accept();
  } else {
    event->ignore();
  }
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    tek(static_cast<QKeyEvent*>(event)->key());
  }
  return QMainWindow::eventFilter(watched, event);
}

TForm4* OpenInEditor(const QString& path) {
  auto window = std::make_unique<TForm4>();
  window->setWindowTitle(path);
  if (qv::TextFileExists(path)) {
    window->LoadDocument(qv::ReadTextFile(path));
  } else {
    window->LoadDocument(QStringLiteral(" "));
  }
  window->has_file_ = true;
  window->show();
  window->Memo1->document()->setModified(false);
  return window.release();
}
