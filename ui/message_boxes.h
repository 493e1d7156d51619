// The message boxes of the program.  Each is modal, waits for the user's answer
// and returns it.  `parent` is the window the box belongs to (it stays above
// it), or nullptr.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace qv {

// A plain message: the application title as caption, one OK button, no icon.
void ShowMessage(QWidget* parent, const QString& text);

// A plain message with a caption of its own: one OK button, no icon.
void ShowMessage(QWidget* parent, const QString& caption, const QString& text);

// A question with the buttons Yes, No and Cancel and no icon.  Returns the
// button pressed; a box closed without an answer counts as Cancel.
QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& caption,
                                           const QString& text);

// A question with the buttons Yes and No and no icon, for when going back is
// not offered.  Returns the button pressed; a box closed without an answer
// counts as No.
QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& caption, const QString& text);

// An information box: caption "Information", the information icon, one OK.
void ShowInformation(QWidget* parent, const QString& text);

// The error box: the application title as caption, the error icon, one OK.
void ShowError(QWidget* parent, const QString& text);

}  // namespace qv
