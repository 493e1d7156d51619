// The text editor window: one plain-text document of the work folder (or any
// file) to look at, type, search, print and save under any name.  The caption
// always shows the document's path and nothing else, and every command takes
// the path from it.  Files are read and written as Windows-1250 text with lines
// ended by CR LF, their names matched without regard to letter case.  Every
// window has its own document, dialogs and font; a closed window is destroyed.
#pragma once

#include <QColor>
#include <QFont>
#include <QMainWindow>

class QAction;
class QFileDialog;
class QFontDialog;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrintDialog;
class QPrinter;
class QPushButton;
class QSlider;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace qv {
class FindDialog;
}

class TForm4 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm4(QWidget* parent = nullptr);
  ~TForm4() override;

  // The modified flag of the document.
  bool Modified() const;
  // The display font of the whole text (its colour is DisplayColour()).
  QFont DisplayFont() const { return display_font_; }
  QColor DisplayColour() const { return display_colour_; }

  // Controls and dialogs, under the names the commands refer to.
  QToolBar* ToolBar1;
  QToolButton* SpeedButton1;   // Save
  QToolButton* SpeedButton2;   // Print
  QToolButton* SpeedButton3;   // Open
  QToolButton* SpeedButton4;   // New
  QToolButton* SpeedButton5;   // Find
  QToolButton* SpeedButton6;   // Bold
  QToolButton* SpeedButton7;   // Undo, marking the document modified
  QToolButton* SpeedButton8;   // Cut
  QToolButton* SpeedButton9;   // Copy
  QToolButton* SpeedButton10;  // Paste
  QToolButton* SpeedButton11;  // Font
  QPushButton* SpeedButton12;  // Close
  QSlider* TrackBar1;          // text size in points, 5 to 20
  QLineEdit* Edit1;            // text size typed as a number
  QPlainTextEdit* Memo1;       // the document
  QTextEdit* r1;               // never shown: the copy of the text that is printed
  QMenu* PopupMenu1;           // context menu of Memo1
  QFileDialog* od1;
  QFileDialog* sd1;
  QPrinter* Printer;            // the printer that pd1 sets up, kept between prints
  QPrintDialog* pd1 = nullptr;  // made by each Print
  qv::FindDialog* fd1;
  QFontDialog* FontDialog1;

 public slots:
  void SpeedButton4Click();  // New
  void SpeedButton3Click();  // Open
  void SpeedButton1Click();  // Save
  void Zapiszjako1Click();   // Save as
  void SpeedButton2Click();  // Print
  void SpeedButton5Click();  // Find: shows fd1
  void asqwe();              // Find the next occurrence of fd1's text
  void SpeedButton8Click();  // Cut
  void Wytnij1Click();
  void Wytnij2Click();
  void SpeedButton9Click();  // Copy
  void Kopiuj1Click();
  void Kopiuj2Click();
  void SpeedButton10Click();  // Paste
  void Wklej1Click();
  void Wklej2Click();
  void SpeedButton7Click();   // Undo, then mark the document modified
  void Cofnij1Click();        // the same, from the "Edycja" menu
  void Cofnij2Click();        // Undo from the context menu: the flag as the text leaves it
  void SpeedButton6Click();   // Bold
  void TrackBar1Change();     // Size: the slider's position in points
  void tek(int key);          // Size entry: a key pressed in Edit1; only Enter acts
  void SpeedButton11Click();  // Font
  void spr();                 // Close, from "ZAMKNIJ"
  void SpeedButton12Click();
  void Wyjcie1Click();  // Close, from "W&yjście"
  // The close event: whether the window may close, after asking about unsaved
  // changes and saving them when the user wants.
  bool Onclose();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  friend TForm4* OpenInEditor(const QString& path);

  void BuildToolBar();
  void BuildMenus();
  void BuildDialogs();
  void ApplyDisplayFont();
  void CentreOnScreen();

  QString DocumentPath() const;
  void LoadDocument(const QString& text);
  // Writes the text to `path` and clears the flag; throws on failure.
  void WriteDocument(const QString& path);
  // Save: to the caption's path, or through Save as for a document started by
  // New.  Returns whether the document was written.
  bool SaveDocument();
  bool SaveDocumentAs();
  // The open and save dialogs start in the folder of the document.
  void StartInDocumentFolder(QFileDialog* dialog) const;
  // Before a command that replaces the document: asks about unsaved changes.
  // Returns false when the command must not go on.
  bool MayDiscardDocument();
  void MarkModified();

  QFont display_font_;
  QColor display_colour_;
  // False for a document started by New, which has no file yet.
  bool has_file_ = false;
  bool sized_to_frame_ = false;
};

// Opens a new editor window on the file at `path` (full path, used whole),
// captioned with the path; a missing file gives a document of one line holding
// a single space.  The window is shown with the modified flag clear and closes
// (and destroys itself) by its own commands.  Throws qv::Error
// `Cannot open file "<path>". <reason>` when the file exists but cannot be
// read; no window is left then.
TForm4* OpenInEditor(const QString& path);
