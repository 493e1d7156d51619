#include "ui/print_layout.h"

#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace qv {
namespace {

constexpr double kPointsPerInch = 72.0;

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
  // The printed copy of the document is laid out in the printer's own units,
  // so the indent is given in them, not in points.
  QTextBlockFormat paragraphs;
  paragraphs.setLeftMargin(PointsToDeviceUnits(indent_points, printer->resolution()));
  all.mergeBlockFormat(paragraphs);

  sheet->print(printer);
}

}  // namespace qv
