// The pieces every window builds on: the application title, the message
// boxes, the error boundary of commands and of the event loop, the icons.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <functional>
#include <stdexcept>

#include "modal_helper.h"
#include "platform/error.h"
#include "qt_app.h"
#include "ui/app_title.h"
#include "ui/command_guard.h"
#include "ui/icon_theme.h"
#include "ui/message_boxes.h"

namespace qv::test {
namespace {

class FoundationTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureQtApp(); }
  void TearDown() override { SetApplicationTitle(QStringLiteral("Quavelor_5021RM")); }
};

TEST_F(FoundationTest, TitleStartsAsTheProgramNameAndCanBeChanged) {
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("Quavelor_5021RM"));
  SetApplicationTitle(QStringLiteral("GEOIDA_5021RM"));
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("GEOIDA_5021RM"));
}

TEST_F(FoundationTest, TitleIsNotTheToolkitDisplayName) {
  // The display name would be appended to every window caption.
  SetApplicationTitle(QStringLiteral("GEOIDA_5021RM"));
  EXPECT_NE(QGuiApplication::applicationDisplayName(), QStringLiteral("GEOIDA_5021RM"));
}

struct BoxCase {
  const char* name;
  std::function<void()> show;
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

TEST_F(FoundationTest, MessageBoxesShowTheirCaptionTextIconAndButtons) {
  SetApplicationTitle(QStringLiteral("GEOIDA_5021RM"));
  const std::vector<BoxCase> cases = {
      {"plain message", [] { ShowMessage(nullptr, QStringLiteral(" koniec obliczeń ")); },
       QStringLiteral("GEOIDA_5021RM"), QStringLiteral(" koniec obliczeń "), QMessageBox::NoIcon,
       QMessageBox::Ok},
      {"message with a caption",
       [] { ShowMessage(nullptr, QStringLiteral("Informacja"), QStringLiteral("Zażółć")); },
       QStringLiteral("Informacja"), QStringLiteral("Zażółć"), QMessageBox::NoIcon,
       QMessageBox::Ok},
      {"question",
       [] { AskYesNoCancel(nullptr, QStringLiteral("Kelvra"), QStringLiteral("Pytanie ?")); },
       QStringLiteral("Kelvra"), QStringLiteral("Pytanie ?"), QMessageBox::NoIcon,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
      {"information", [] { ShowInformation(nullptr, QStringLiteral("Wersja 3.1")); },
       QStringLiteral("Information"), QStringLiteral("Wersja 3.1"), QMessageBox::Information,
       QMessageBox::Ok},
      {"error", [] { ShowError(nullptr, QStringLiteral("Błąd")); }, QStringLiteral("GEOIDA_5021RM"),
       QStringLiteral("Błąd"), QMessageBox::Critical, QMessageBox::Ok},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    ModalHelper modal;
    modal.PressButton(c.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel);
    c.show();
    ASSERT_EQ(modal.Seen().size(), 1u);
    const ModalHelper::Box& box = modal.Seen()[0];
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_EQ(box.text, c.text);
    EXPECT_EQ(box.icon, c.icon);
    EXPECT_EQ(box.buttons, c.buttons);
  }
}

TEST_F(FoundationTest, QuestionReturnsTheAnswerAndClosingCountsAsCancel) {
  const std::vector<std::pair<QMessageBox::StandardButton, QMessageBox::StandardButton>> cases = {
      {QMessageBox::Yes, QMessageBox::Yes},
      {QMessageBox::No, QMessageBox::No},
      {QMessageBox::Cancel, QMessageBox::Cancel},
      {QMessageBox::NoButton, QMessageBox::Cancel},
  };
  for (const auto& [press, expected] : cases) {
    ModalHelper modal;
    modal.PressButton(press);
    EXPECT_EQ(AskYesNoCancel(nullptr, QStringLiteral("Kelvra"), QStringLiteral("?")), expected)
        << "pressed " << press;
    EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  }
}

TEST_F(FoundationTest, CommandErrorIsShownInTheErrorBoxAndReported) {
  ModalHelper modal;
  modal.PressButton(QMessageBox::Ok);
  bool after_error = false;
  EXPECT_FALSE(RunCommand(nullptr, [&] {
    throw Error("Brak pliku", "/nie/ma");
    after_error = true;
  }));
  EXPECT_FALSE(after_error);
  ASSERT_EQ(modal.Seen().size(), 1u);
  EXPECT_EQ(modal.Seen()[0].caption, QStringLiteral("Quavelor_5021RM"));
  EXPECT_EQ(modal.Seen()[0].text, QStringLiteral("Brak pliku"));
  EXPECT_EQ(modal.Seen()[0].icon, QMessageBox::Critical);

  ModalHelper none;
  bool ran = false;
  EXPECT_TRUE(RunCommand(nullptr, [&] { ran = true; }));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(none.Seen().empty());
}

// A receiver whose handling of one event raises an error.
class FailingReceiver : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("Zepsuty odbiorca");
    if (event->type() == QEvent::Type(QEvent::User + 1)) ++handled;
    return QObject::event(event);
  }
  int handled = 0;
};

TEST_F(FoundationTest, ErrorEscapingAnEventIsShownAndTheProgramGoesOn) {
  ASSERT_NE(dynamic_cast<Application*>(QCoreApplication::instance()), nullptr);
  SetApplicationTitle(QStringLiteral("GEOIDA_5021RM"));
  FailingReceiver receiver;
  ModalHelper modal;
  modal.PressButton(QMessageBox::Ok);
  QEvent failing(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &failing));
  ASSERT_EQ(modal.Seen().size(), 1u);
  EXPECT_EQ(modal.Seen()[0].caption, QStringLiteral("GEOIDA_5021RM"));
  EXPECT_EQ(modal.Seen()[0].text, QStringLiteral("Zepsuty odbiorca"));

  QEvent next(QEvent::Type(QEvent::User + 1));
  QCoreApplication::sendEvent(&receiver, &next);
  EXPECT_EQ(receiver.handled, 1);
}

TEST_F(FoundationTest, ThemeIconsComeFromTheInstalledThemeWithABuiltInFallback) {
  EXPECT_EQ(QIcon::themeName(), QStringLiteral("Adwaita"));
  for (const char* name :
       {"document-new", "document-open", "document-save", "document-print", "edit-find", "edit-cut",
        "edit-copy", "edit-paste", "edit-undo", "format-text-bold"}) {
    EXPECT_TRUE(QIcon::hasThemeIcon(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(ThemeIcon(QString::fromLatin1(name), QStyle::SP_FileIcon).isNull()) << name;
  }
  const QString missing = QStringLiteral("no-such-icon-in-any-theme");
  ASSERT_FALSE(QIcon::hasThemeIcon(missing));
  EXPECT_FALSE(ThemeIcon(missing, QStyle::SP_FileIcon).isNull());
}

}  // namespace
}  // namespace qv::test
