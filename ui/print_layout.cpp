#include "ui/print_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <memory>

#include "platform/error.h"

namespace qv {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kOneDeviceUnit = 1.0;

}  // namespace

double PointsToDeviceUnits(double points, int dots_per_inch) {
  return points * dots_per_inch / kPointsPerInch;
}

void PrintIndented(QTextEdit* sheet, const QString& text, const QFont& font, const QColor& colour,
                   double indent_points, QPrinter* printer) {
  sheet->setUndoRedoEnabled(false);
  sheet->setPlainText(text);

  QTextCursor all(sheet->document());
  all.select(QTextCursor::Document);
  QTextCharFormat characters;
  characters.setFont(font);
  characters.setForeground(colour);
  all.setCharFormat(characters);
  // The printed copy of the text is laid out in the printer's own units, so
  // the indent is given in them, not in points.
  QTextBlockFormat paragraphs;
  paragraphs.setLeftMargin(PointsToDeviceUnits(indent_points, printer->resolution()));
  all.mergeBlockFormat(paragraphs);

  // Pages of the printable area, laid out on the printer itself; lines that do
  // not fit on a page go whole to the next one.
  std::unique_ptr<QTextDocument> pages(sheet->document()->clone());
  pages->documentLayout()->setPaintDevice(printer);
  pages->setDocumentMargin(0);
  const QSizeF page = printer->pageLayout().paintRectPixels(printer->resolution()).size();
  pages->setPageSize(page);

  QPainter painter;
  if (!painter.begin(printer)) {
    const QString target =
        printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
    throw Error(QStringLiteral("Cannot print to \"%1\"").arg(target).toStdString());
  }
  const int count = pages->pageCount();
  for (int index = 0; index < count; ++index) {
    if (index > 0) printer->newPage();
    // The layout draws every line that touches the rectangle, and the first
    // line of the next page starts exactly on its lower edge: one device unit
    // less keeps that line off this page, even where it would be clipped.
    const QRectF shown(0, index * page.height(), page.width(), page.height() - kOneDeviceUnit);
    painter.save();
    painter.translate(0, -shown.top());
    pages->drawContents(&painter, shown);
    painter.restore();
  }
  painter.end();
}

}  // namespace qv
