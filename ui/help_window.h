// The help window: a fixed-size window captioned "Pomoc" whose whole client area
// is a text box holding the help text built into the program.  Each window is
// independent and is destroyed when the user closes it; whatever was typed into
// it goes with it.  Sizes and positions are in screen pixels.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace qv {

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  // Client area 617 x 348 pixels, at (192, 107) on the screen.
  static constexpr int kClientWidth = 617;
  static constexpr int kClientHeight = 348;
  static constexpr int kLeft = 192;
  static constexpr int kTop = 107;

  TForm3();

  // The text box filling the client area: the help text on aqua, Courier New of
  // 11 pixels, a vertical scroll bar only, long lines wrapped, editable.
  QPlainTextEdit* Memo1;
};

// Creates a new help window and shows it at once, scrolled to the first line.
// The window owns itself: it is deleted when the user closes it.
void OpenHelpWindow();

}  // namespace qv
