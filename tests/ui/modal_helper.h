// Answers the modal dialogs that a command opens while a test drives a window.
// The test lists the expected dialogs in order with the answer to each, then
// runs the command; a timer looks for the active modal dialog, records what it
// shows and answers it.  A dialog that was not expected, or not of the expected
// kind, is recorded as unexpected and closed, so a test fails instead of
// waiting for ever.
//
//   ModalHelper modal;
//   modal.PressButton(QMessageBox::Yes);
//   window->spr();
//   ASSERT_EQ(modal.Seen().size(), 1u);
//   EXPECT_EQ(modal.Seen()[0].caption, "Kelvra");
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace qv::test {

class ModalHelper {
 public:
  // What a dialog showed when it was answered.
  struct Box {
    QString kind;  // "message", "file", "font" or the dialog's class name
    QString class_name;
    QString caption;
    QString text;  // a message box's text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool expected = true;
  };

  ModalHelper() {
    timer_.setInterval(kPollMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  // A message box, answered by `button` (QMessageBox::NoButton: closed without
  // an answer).
  void PressButton(QMessageBox::StandardButton button) {
    steps_.push_back({"message", [button](QDialog* dialog) {
                        auto* box = static_cast<QMessageBox*>(dialog);
                        if (button == QMessageBox::NoButton) {
                          box->close();
                        } else {
                          box->button(button)->click();
                        }
                      }});
  }

  // A file dialog (the toolkit's own, not the desktop's), given `path` typed in
  // full into its file-name field and confirmed.
  void ChooseFile(const QString& path) {
    steps_.push_back({"file", [path](QDialog* dialog) {
                        auto* files = static_cast<QFileDialog*>(dialog);
                        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
                        if (name != nullptr) {
                          name->setText(path);
                        } else {
                          files->selectFile(path);
                        }
                        static_cast<QDialog*>(files)->accept();  // QFileDialog's own accept
                      }});
  }

  // A font dialog, given `font` and confirmed.
  void ChooseFont(const QFont& font) {
    steps_.push_back({"font", [font](QDialog* dialog) {
                        auto* fonts = static_cast<QFontDialog*>(dialog);
                        fonts->setCurrentFont(font);
                        fonts->accept();
                      }});
  }

  // Any dialog whose class is `class_name` (such as "QPrintDialog"), confirmed
  // (accept) or cancelled (reject).
  void Answer(const QString& class_name, bool confirm) {
    steps_.push_back({class_name, [confirm](QDialog* dialog) {
                        if (confirm) {
                          dialog->accept();
                        } else {
                          dialog->reject();
                        }
                      }});
  }

  // Every dialog seen so far, in order.
  const std::vector<Box>& Seen() const { return seen_; }
  // The dialogs seen, for failure messages.
  std::string Describe() const {
    std::string all = std::to_string(steps_.size()) + " not come;";
    for (const Box& box : seen_) {
      all += " [" + box.class_name.toStdString() + (box.expected ? "" : ", unexpected") + " \"" +
             box.caption.toStdString() + "\" \"" + box.text.toStdString() + "\"]";
    }
    return all;
  }

  // Whether every expected dialog came and nothing else did.
  bool AllAnswered() const {
    for (const Box& box : seen_) {
      if (!box.expected) return false;
    }
    return steps_.empty();
  }

 private:
  static constexpr int kPollMilliseconds = 10;

  struct Step {
    QString kind;
    std::function<void(QDialog*)> answer;
  };

  static QString KindOf(QDialog* dialog) {
    if (qobject_cast<QMessageBox*>(dialog)) return QStringLiteral("message");
    if (qobject_cast<QFileDialog*>(dialog)) return QStringLiteral("file");
    if (qobject_cast<QFontDialog*>(dialog)) return QStringLiteral("font");
    return QString::fromLatin1(dialog->metaObject()->className());
  }

  void Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    Box box;
    box.kind = KindOf(dialog);
    box.class_name = QString::fromLatin1(dialog->metaObject()->className());
    box.caption = dialog->windowTitle();
    if (auto* message = qobject_cast<QMessageBox*>(dialog)) {
      box.text = message->text();
      box.icon = message->icon();
      box.buttons = message->standardButtons();
    }
    const bool fits = !steps_.empty() &&
                      (steps_.front().kind == box.kind || steps_.front().kind == box.class_name);
    box.expected = fits;
    seen_.push_back(box);
    if (fits) {
      Step step = steps_.front();
      steps_.pop_front();
      step.answer(dialog);
    } else {
      dialog->reject();
    }
  }

  QTimer timer_;
  std::deque<Step> steps_;
  std::vector<Box> seen_;
};

}  // namespace qv::test
