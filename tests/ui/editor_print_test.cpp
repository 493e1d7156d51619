// Printing from the editor window, to a PDF file read back with pdftotext.
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>

#include "editor_fixture.h"
#include "modal_helper.h"
#include "ui/print_layout.h"

namespace qv::test {
namespace {

using EditorPrintTest = EditorTest;

// The output of a poppler tool run on `pdf`.
QString Poppler(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  EXPECT_TRUE(process.waitForFinished(-1)) << tool.toStdString();
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The left edge, in points, of the first word of the first page.
double FirstWordLeft(const QString& pdf) {
  const QString boxes = Poppler("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\"")).match(boxes);
  EXPECT_TRUE(match.hasMatch()) << boxes.toStdString();
  return match.captured(1).toDouble();
}

void PrintTo(QPrinter* printer, const QString& pdf) {
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(pdf);
}

TEST_F(EditorPrintTest, PrintsTheLinesAsAJobNamedAfterTheFile) {
  WriteBytes("deltah1", QByteArray("Wyniki niwelacji satelitarnej\r\n"
                                   "P1 P2 12.345 \xB3\xF3\xBF\r\n"
                                   "koniec\r\n"));
  TForm4* w = Open(Path("deltah1"));
  const QString pdf = Path("wydruk.pdf");
  PrintTo(w->Printer, pdf);
  ModalHelper modal;
  modal.Answer("QPrintDialog", true);
  w->SpeedButton2Click();
  ASSERT_TRUE(modal.AllAnswered()) << modal.Describe();
  ASSERT_TRUE(QFile::exists(pdf)) << w->Printer->outputFormat() << " "
                                  << w->Printer->outputFileName().toStdString();

  const QStringList lines =
      Poppler("pdftotext", {"-layout", pdf, "-"}).split('\n', Qt::SkipEmptyParts);
  QStringList trimmed;
  for (const QString& line : lines) {
    if (!line.trimmed().isEmpty()) trimmed << line.trimmed();
  }
  EXPECT_EQ(trimmed, (QStringList{"Wyniki niwelacji satelitarnej", "P1 P2 12.345 łóż", "koniec"}));
  const QString info = Poppler("pdfinfo", {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+deltah1\\n"))))
      << info.toStdString();
  // The shown document is untouched: no change, no undo step, no indent.
  EXPECT_FALSE(w->Modified());
  EXPECT_FALSE(w->Memo1->document()->isUndoAvailable());
  EXPECT_EQ(w->Memo1->document()->firstBlock().blockFormat().leftMargin(), 0.0);
}

TEST_F(EditorPrintTest, LongTextGoesOnOverPagesWithEveryLineOnce) {
  constexpr int kLines = 200;
  QStringList expected;
  for (int i = 1; i <= kLines; ++i)
    expected << QStringLiteral("Linia %1").arg(i, 3, 10, QChar('0'));
  TForm4* w = Open(Path("bl"));
  w->Memo1->setPlainText(expected.join('\n'));
  const QString pdf = Path("dlugi.pdf");
  PrintTo(w->Printer, pdf);
  ModalHelper modal;
  modal.Answer("QPrintDialog", true);
  w->SpeedButton2Click();
  ASSERT_TRUE(modal.AllAnswered()) << modal.Describe();

  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Poppler("pdfinfo", {pdf}));
  ASSERT_TRUE(pages.hasMatch());
  EXPECT_GE(pages.captured(1).toInt(), 2);
  QStringList printed;
  for (const QString& line : Poppler("pdftotext", {"-layout", pdf, "-"}).split('\n')) {
    const QString text = line.trimmed().remove(QChar('\f'));
    if (!text.isEmpty()) printed << text;
  }
  EXPECT_EQ(printed, expected);
}

TEST_F(EditorPrintTest, CancelledPrintDialogPrintsNothing) {
  TForm4* w = Open(Path("bl"));
  const QString pdf = Path("wydruk.pdf");
  PrintTo(w->Printer, pdf);
  ModalHelper modal;
  modal.Answer("QPrintDialog", false);
  w->SpeedButton2Click();
  EXPECT_TRUE(modal.AllAnswered()) << modal.Describe();
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(EditorPrintTest, EveryLineIsIndented35Points) {
  // The same text printed with and without the indent: the whole text moves by
  // 35 points, whatever the printer's resolution.
  constexpr double kIndent = 35.0;
  constexpr double kTolerance = 0.5;
  EnsureQtApp();
  for (QPrinter::PrinterMode mode : {QPrinter::HighResolution, QPrinter::ScreenResolution}) {
    SCOPED_TRACE(mode);
    QTextEdit sheet;
    QPrinter plain(mode);
    PrintTo(&plain, Path("plain.pdf"));
    PrintIndented(&sheet, "abc\ndef", QFont("Courier New", 8), Qt::black, 0.0, &plain);
    QPrinter indented(mode);
    PrintTo(&indented, Path("indented.pdf"));
    PrintIndented(&sheet, "abc\ndef", QFont("Courier New", 8), Qt::black, kIndent, &indented);
    EXPECT_NEAR(FirstWordLeft(Path("indented.pdf")) - FirstWordLeft(Path("plain.pdf")), kIndent,
                kTolerance);
  }
}

TEST(PrintLayout, PointsBecomePrinterUnits) {
  EXPECT_DOUBLE_EQ(PointsToDeviceUnits(35.0, 72), 35.0);
  EXPECT_DOUBLE_EQ(PointsToDeviceUnits(35.0, 1200), 35.0 * 1200 / 72);
  EXPECT_DOUBLE_EQ(PointsToDeviceUnits(72.0, 600), 600.0);
}

}  // namespace
}  // namespace qv::test
