// The application title: the program's name for the user, shown as the caption
// of every plain message box and of the error box.  It starts as
// "Quavelor_5021RM"; preparing the first run changes it to "GEOIDA_5021RM".
// Kept here rather than in the toolkit's application display name, which the
// windowing system would append to every window caption.
#pragma once

#include <QString>

namespace qv {

// The title in force.
QString ApplicationTitle();

// Replaces the title for every message shown from now on.
void SetApplicationTitle(const QString& title);

}  // namespace qv
