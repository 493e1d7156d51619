// The help text built into the program and the help window that shows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win1250.h"
#include "ui/help_text.h"
#include "ui/help_window.h"
#include "qt_app.h"

namespace qv {
namespace {

// The shared application object of the user-interface tests.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { test::EnsureQtApp(); }
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

// ---------------------------------------------------------------- the text

std::vector<std::string> Lines() {
  std::vector<std::string> lines;
  for (std::string_view line : HelpTextLines()) lines.emplace_back(line);
  return lines;
}

// Characters, not bytes: every UTF-8 byte that does not continue a sequence.
std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string_view TrimLeft(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : s.substr(first);
}

bool MadeOf(std::string_view s, char c) {
  return !s.empty() && s.find_first_not_of(c) == std::string_view::npos;
}

// Index of the only line whose text, without its indentation, starts with the
// title; -1 when there is none, -2 when there are several.
int TitleLine(const std::vector<std::string>& lines, std::string_view title) {
  int found = -1;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (TrimLeft(lines[i]).starts_with(title)) found = found == -1 ? i : -2;
  }
  return found;
}

constexpr std::string_view kGeneralTitle = "INFORMACJE OGÓLNE O PROGRAMIE";
constexpr std::string_view kFunctionalTitle = "OPIS FUNKCJONALNY PROGRAMU";
constexpr std::string_view kReferencesTitle = "PUBLIKACJE I MATERIAŁY ŹRÓDŁOWE";

TEST(HelpText, Has372LinesAndStartsWithAnEmptyLine) {
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 372u);
  EXPECT_EQ(lines.front(), "");
}

TEST(HelpText, NoLineIsLongerThan81Characters) {
  const auto lines = Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(CharacterCount(lines[i]), 81u) << "line " << i + 1 << ": " << lines[i];
  }
}

TEST(HelpText, EveryCharacterHasAWindows1250Byte) {
  const auto lines = Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string bytes = Utf8ToWin1250(lines[i]);
    // One byte per character, and the same text back: nothing became '?'.
    EXPECT_EQ(bytes.size(), CharacterCount(lines[i])) << "line " << i + 1;
    EXPECT_EQ(Win1250ToUtf8(bytes), lines[i]) << "line " << i + 1;
  }
}

TEST(HelpText, HeaderNamesTheProgramAndItsVersionAboveALineOfUnderscores) {
  const auto lines = Lines();
  const int general = TitleLine(lines, kGeneralTitle);
  ASSERT_GT(general, 0);
  const std::vector<std::string> header(lines.begin(), lines.begin() + general);
  const auto has = [&](std::string_view word) {
    return std::any_of(header.begin(), header.end(),
                       [&](const std::string& l) { return l.find(word) != std::string::npos; });
  };
  EXPECT_TRUE(has("Quavelor_5021RM"));
  EXPECT_TRUE(has("3.1"));
  const auto underscores = std::find_if(header.begin(), header.end(),
                                        [](const std::string& l) { return MadeOf(l, '_'); });
  ASSERT_NE(underscores, header.end());
  EXPECT_TRUE(std::all_of(underscores + 1, header.end(), [](const std::string& l) {
    return TrimLeft(l).empty();
  })) << "only empty lines between the header's underscores and the first section";
}

TEST(HelpText, SectionsComeInOrderEachUnderlinedWithEqualSignsOfItsLength) {
  const auto lines = Lines();
  int previous = 0;
  for (std::string_view title : {kGeneralTitle, kFunctionalTitle, kReferencesTitle}) {
    const int at = TitleLine(lines, title);
    ASSERT_GT(at, previous) << title;
    previous = at;
    const std::string_view heading = lines[at];
    const std::string_view underline = lines[at + 1];
    const std::size_t indent = heading.size() - TrimLeft(heading).size();
    EXPECT_EQ(underline.substr(0, indent), std::string(indent, ' ')) << title;
    EXPECT_TRUE(MadeOf(underline.substr(indent), '=')) << title;
    EXPECT_EQ(CharacterCount(underline.substr(indent)), CharacterCount(TrimLeft(heading))) << title;
  }
  EXPECT_NE(lines[TitleLine(lines, kFunctionalTitle)].find("Quavelor_5021RM"), std::string::npos)
      << "the functional section names the program's file";
}

TEST(HelpText, FunctionalSectionNamesEveryFileOfTheTasks) {
  const auto lines = Lines();
  const int from = TitleLine(lines, kFunctionalTitle);
  const int to = TitleLine(lines, kReferencesTitle);
  ASSERT_GT(from, 0);
  ASSERT_GT(to, from);
  std::string section;
  for (int i = from; i < to; ++i) section += lines[i] + "\n";
  for (std::string_view name :
       {"quavelor_5021RM.bin", "BL ", "BLN", "BLH_e ", "BLH_n.1", "BLH_n ", "BLH_e.1", "DELTAH.gps",
        "BLH.grs", "DELTAH1", "100000", "PL-ETRF89", "PL-ETRF2000"}) {
    EXPECT_NE(section.find(name), std::string::npos) << name;
  }
}

TEST(HelpText, FifteenReferencesListedOnceEachAndCitedBeforeTheList) {
  const auto lines = Lines();
  const int list = TitleLine(lines, kReferencesTitle);
  ASSERT_GT(list, 0);
  const std::regex citation(R"(\[(\d+)\])");

  std::set<int> cited;
  for (int i = 0; i < list; ++i) {
    for (std::sregex_iterator it(lines[i].begin(), lines[i].end(), citation), end; it != end;
         ++it) {
      cited.insert(std::stoi((*it)[1]));
    }
  }
  std::set<int> expected;
  for (int n = 1; n <= 15; ++n) expected.insert(n);
  EXPECT_EQ(cited, expected) << "every reference cited, and only those that exist";

  std::vector<int> listed;
  const std::regex entry(R"(^\s*\[(\d+)\])");
  for (std::size_t i = list + 2; i < lines.size(); ++i) {
    std::smatch m;
    if (std::regex_search(lines[i], m, entry)) listed.push_back(std::stoi(m[1]));
  }
  std::vector<int> oneToFifteen;
  for (int n = 1; n <= 15; ++n) oneToFifteen.push_back(n);
  EXPECT_EQ(listed, oneToFifteen);
}

TEST(HelpText, EndsWithTheAuthorshipBetweenUnderscoresAndEmptyLines) {
  const auto lines = Lines();
  std::size_t last = lines.size();
  while (last > 0 && lines[last - 1].empty()) --last;
  ASSERT_LT(last, lines.size()) << "empty lines after the footer";
  ASSERT_GE(last, 3u);
  EXPECT_TRUE(MadeOf(lines[last - 1], '_'));
  EXPECT_NE(lines[last - 2].find("Opracowanie"), std::string::npos);
  EXPECT_TRUE(MadeOf(lines[last - 3], '_'));
  EXPECT_GT(last - 3, static_cast<std::size_t>(TitleLine(lines, kReferencesTitle)));
}

// The result lines of tasks 1 and 2 are wider than the help window and are shown
// in two parts; the text promises that the second part, starting with " KSI =",
// follows the height column directly.  The first part is then name (16), B and L
// (2 + 2 + 8 each) and the height (9), with their single blanks: 56 characters.
TEST(HelpText, SplitResultLinesBreakRightAfterTheHeightColumn) {
  const auto lines = Lines();
  const std::regex firstPart(R"(^ *\S{1,16} [ \d]\d [ \d]\d [ \d.]{8} [ \d]\d [ \d]\d [ \d.]{8} )"
                             R"( *-?\d+\.\d{4}$)");
  int parts = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (!lines[i].starts_with(" KSI =")) continue;
    ++parts;
    EXPECT_EQ(lines[i - 1].size(), 56u) << "line " << i;
    EXPECT_TRUE(std::regex_match(lines[i - 1], firstPart)) << "line " << i << ": " << lines[i - 1];
  }
  EXPECT_GE(parts, 4) << "examples of tasks 1 and 2";
}

// ---------------------------------------------------------------- the window

std::vector<TForm3*> HelpWindows() {
  std::vector<TForm3*> windows;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* form = qobject_cast<TForm3*>(w); form != nullptr && form->isVisible()) {
      windows.push_back(form);
    }
  }
  return windows;
}

void ProcessDeletions() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens one help window and returns it.
TForm3* OpenOne() {
  const auto before = HelpWindows();
  OpenHelpWindow();
  const auto after = HelpWindows();
  for (TForm3* w : after) {
    if (std::find(before.begin(), before.end(), w) == before.end()) return w;
  }
  return nullptr;
}

QString ExpectedText() {
  QStringList lines;
  for (std::string_view l : HelpTextLines()) {
    lines << QString::fromUtf8(l.data(), static_cast<qsizetype>(l.size()));
  }
  return lines.join(QLatin1Char('\n'));
}

void Type(QWidget* target, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &release);
  }
}

class HelpWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (TForm3* w : HelpWindows()) w->close();
    ProcessDeletions();
  }
};

TEST_F(HelpWindowTest, IsAFixedCaptionedWindowAtItsPlace) {
  TForm3* w = OpenOne();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Pomoc"));
  EXPECT_EQ(w->size(), QSize(617, 348));
  EXPECT_EQ(w->minimumSize(), QSize(617, 348));
  EXPECT_EQ(w->maximumSize(), QSize(617, 348));
  EXPECT_EQ(w->pos(), QPoint(192, 107));
  w->resize(800, 600);
  EXPECT_EQ(w->size(), QSize(617, 348)) << "the window cannot be resized";

  const Qt::WindowFlags flags = w->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(w->windowModality(), Qt::NonModal);
  EXPECT_TRUE(w->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(HelpWindowTest, TextBoxFillsTheWindowWithTheHelpTextFromItsFirstLine) {
  TForm3* w = OpenOne();
  ASSERT_NE(w, nullptr);
  QPlainTextEdit* memo = w->Memo1;
  EXPECT_EQ(memo->geometry(), w->rect());
  EXPECT_EQ(memo->toPlainText(), ExpectedText());
  EXPECT_EQ(memo->document()->blockCount(), 372);
  EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
  EXPECT_EQ(memo->textCursor().position(), 0);
  EXPECT_EQ(memo->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);
}

TEST_F(HelpWindowTest, TextBoxLooksAndBehavesAsAMonospacedEditableMemo) {
  TForm3* w = OpenOne();
  ASSERT_NE(w, nullptr);
  QPlainTextEdit* memo = w->Memo1;
  EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(0, 255, 255));
  EXPECT_EQ(memo->font().family(), QStringLiteral("Courier New"));
  EXPECT_EQ(memo->font().pixelSize(), 11);
  EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch()) << "tables of the text need a fixed pitch";
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_FALSE(memo->isReadOnly());
}

TEST_F(HelpWindowTest, LinesFitTheWidthWithoutWrapping) {
  TForm3* w = OpenOne();
  ASSERT_NE(w, nullptr);
  QPlainTextEdit* memo = w->Memo1;
  for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
    ASSERT_EQ(b.lineCount(), 1) << "block " << b.blockNumber() + 1 << " wraps";
  }
}

TEST_F(HelpWindowTest, TwoWindowsAreIndependent) {
  QPointer<TForm3> first = OpenOne();
  QPointer<TForm3> second = OpenOne();
  ASSERT_TRUE(first);
  ASSERT_TRUE(second);
  EXPECT_NE(first.data(), second.data());
  EXPECT_EQ(first->pos(), second->pos());

  Type(first->Memo1, QStringLiteral("abc"));
  EXPECT_TRUE(first->Memo1->toPlainText().startsWith(QStringLiteral("abc")));
  EXPECT_EQ(second->Memo1->toPlainText(), ExpectedText());

  first->close();
  ProcessDeletions();
  EXPECT_TRUE(first.isNull()) << "a closed window is destroyed";
  ASSERT_TRUE(second);
  EXPECT_TRUE(second->isVisible());
}

TEST_F(HelpWindowTest, TypedTextIsGoneInTheNextWindow) {
  QPointer<TForm3> w = OpenOne();
  ASSERT_TRUE(w);
  Type(w->Memo1, QStringLiteral("XYZ"));
  ASSERT_NE(w->Memo1->toPlainText(), ExpectedText());
  w->close();
  ProcessDeletions();
  EXPECT_TRUE(w.isNull());

  TForm3* again = OpenOne();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->Memo1->toPlainText(), ExpectedText());
}

// Writes the window's picture into the build folder for a look by eye, and
// checks that the text area is painted aqua where the empty first line lies.
TEST_F(HelpWindowTest, PictureShowsTheTextOnAqua) {
  TForm3* w = OpenOne();
  ASSERT_NE(w, nullptr);
  const QImage image = w->grab().toImage();
  EXPECT_EQ(image.size(), QSize(617, 348));
  EXPECT_TRUE(image.save(QStringLiteral(QV_BINARY_DIR "/help_window.png")));
  const QPoint insideFirstLine = w->Memo1->viewport()->mapTo(w, QPoint(40, 3));
  EXPECT_EQ(image.pixelColor(insideFirstLine), QColor(0, 255, 255));
}

}  // namespace
}  // namespace qv
