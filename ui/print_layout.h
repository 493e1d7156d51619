// Printing of a plain text: the text laid out in one font and colour with every
// paragraph indented from the left edge of the printable area, then printed
// page after page.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPrinter;
class QTextEdit;

namespace qv {

// `points` (1/72 inch) in the device units of a printer of `dots_per_inch`.
double PointsToDeviceUnits(double points, int dots_per_inch);

// Fills `sheet` (a text control used for nothing else) with `text` in `font`
// and `colour`, with every paragraph indented by `indent_points`, and prints it
// on `printer` (already set up: output, paper, job name).
void PrintIndented(QTextEdit* sheet, const QString& text, const QFont& font, const QColor& colour,
                   double indent_points, QPrinter* printer);

}  // namespace qv
