#include "ui/help_window.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QString>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/help_text.h"

namespace qv {
namespace {

const QColor kAqua(0, 255, 255);
constexpr int kFontPixelHeight = 11;

// The help text as one document, a line break between lines, so that every
// line of the text is one block of the text box.
QString JoinedHelpText() {
  QString text;
  bool first = true;
  for (std::string_view line : HelpTextLines()) {
    if (!first) text += QLatin1Char('\n');
    first = false;
    text += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  }
  return text;
}

}  // namespace

TForm3::TForm3()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Memo1(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("Form3"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Pomoc"));

  Memo1->setObjectName(QStringLiteral("Memo1"));
  QPalette palette = Memo1->palette();
  palette.setColor(QPalette::Base, kAqua);
  palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
  Memo1->setPalette(palette);
  // Courier New where the desktop has it; otherwise the nearest monospaced face
  // (fontconfig maps the name to a metric-compatible one when installed).
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(kFontPixelHeight);
  Memo1->setFont(font);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setPlainText(JoinedHelpText());
  Memo1->moveCursor(QTextCursor::Start);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);

  setFixedSize(kClientWidth, kClientHeight);
  move(kLeft, kTop);
}

void OpenHelpWindow() {
  auto* window = new TForm3;
  window->show();
  window->Memo1->verticalScrollBar()->setValue(0);
}

}  // namespace qv
