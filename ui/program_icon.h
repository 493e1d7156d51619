// The program's icon, drawn by our own code: a navy tile with the reference
// ellipsoid (a white arc), the quasi-geoid above it (an aqua wave) and the
// height anomaly between them (a yellow arrow).  Used as the window icon and
// written as the desktop entry's PNG at build time.
#pragma once

#include <QIcon>
#include <QImage>

namespace qv {

// The icon drawn in a square of `size` pixels (at least 16).
QImage DrawProgramIcon(int size);

// The icon in the sizes a desktop asks for.
QIcon ProgramIcon();

}  // namespace qv
