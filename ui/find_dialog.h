// The editor's find dialog: a small modeless window with the search text and
// two buttons, "Znajdź następny" (find the next occurrence) and "Anuluj"
// (close).  The search is always forward and letter case always counts, so
// the dialog offers no other choices.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qv {

class FindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FindDialog(QWidget* parent);

  // The search text as typed.
  QString FindText() const;
  void SetFindText(const QString& text);

  QLineEdit* TextField() const { return text_; }
  QPushButton* FindNextButton() const { return find_next_; }

 signals:
  // The user asked for the next occurrence of FindText().
  void findNext();

 private:
  QLineEdit* text_;
  QPushButton* find_next_;
};

}  // namespace qv
