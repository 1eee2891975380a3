// Printing from the history and cascade windows in turn on a machine that prints to PDF files:
// every print asks for its own file and offers a name no earlier printout has, Cancel prints
// nothing, and a file that could not be started is forgotten and asked for again at the next print.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>

#include "platform/qt/printer.h"
#include "results/ui/frmGraphCascade.h"
#include "results/ui/frmHistory.h"
#include "results_window_test.h"
#include "simulation/history_log.h"

namespace kestrelon::test {
namespace {

class WindowPrintouts : public ResultsWindowTest {
 protected:
  void SetUp() override {
    ResultsWindowTest::SetUp();
    AddHistoryLine("first run");
    history = Open<frmHistory>("frmHistory");
    cascade = Open<frmGraphCascade>("frmGraphCascade");
  }
  QStringList Files() const { return QDir(PdfPath(QString())).entryList(QDir::Files, QDir::Name); }
  // A printout's own content: the window it came from names the document, and only a window's
  // image brings a picture.
  static void ExpectPrintoutOf(const QString& path, const QString& caption, bool picture) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray pdf = file.readAll();
    QByteArray title;
    for (const QChar c : caption) title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    EXPECT_TRUE(pdf.contains(title)) << path.toStdString();
    EXPECT_EQ(pdf.contains("/Subtype /Image"), picture) << path.toStdString();
  }

  frmHistory* history = nullptr;
  frmGraphCascade* cascade = nullptr;
};

TEST_F(WindowPrintouts, EachPrintAsksForItsOwnFileAndKeepsTheEarlierOnes) {
  const QString outputBefore = ProgramPrinter().outputFileName();
  {
    PdfAnswer answer(PdfPath(QStringLiteral("history.pdf")));
    history->HistPrint->trigger();
    ASSERT_TRUE(answer.asked);
  }
  {
    PdfAnswer answer(PdfAnswer::Offered);
    cascade->PrintCascadeGraph->trigger();
    ASSERT_TRUE(answer.asked);
    EXPECT_EQ(answer.offered, PdfPath(cascade->Caption() + QStringLiteral(" 1.pdf")));
  }
  {
    // Numbered on past a printout already in the folder.
    QFile::copy(PdfPath(QStringLiteral("history.pdf")), PdfPath(QStringLiteral("History Log 1.pdf")));
    PdfAnswer answer(PdfAnswer::Offered);
    history->HistPrint->trigger();
    ASSERT_TRUE(answer.asked);
    EXPECT_EQ(answer.offered, PdfPath(QStringLiteral("History Log 2.pdf")));
  }
  {
    PdfAnswer cancel{QString()};
    cascade->PrintCascadeGraph->trigger();
    EXPECT_TRUE(cancel.asked);
  }
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(Files(), (QStringList{cascade->Caption() + QStringLiteral(" 1.pdf"), QStringLiteral("History Log 1.pdf"),
                                  QStringLiteral("History Log 2.pdf"), QStringLiteral("history.pdf")}));
  ExpectPrintoutOf(PdfPath(QStringLiteral("history.pdf")), QStringLiteral("History Log"), false);
  ExpectPrintoutOf(PdfPath(cascade->Caption() + QStringLiteral(" 1.pdf")), cascade->Caption(), true);
  ExpectPrintoutOf(PdfPath(QStringLiteral("History Log 2.pdf")), QStringLiteral("History Log"), false);
  // No printout stays the printer's output: the next print looks for a printer again.
  EXPECT_EQ(ProgramPrinter().outputFileName(), outputBefore);
}

TEST_F(WindowPrintouts, AFileThatCouldNotStartIsAskedForAgain) {
  const std::string outputBefore = ProgramPrinter().outputFileName().toStdString();
  {
    PdfAnswer answer(PdfPath(QStringLiteral("no-such-folder/history.pdf")));
    history->HistPrint->trigger();
  }
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].title), std::tuple("Printer not ready", "Print History Log"));
  // The printer keeps nothing of the file that failed: no later print is offered its folder.
  EXPECT_EQ(ProgramPrinter().outputFileName().toStdString(), outputBefore);
  // The window goes on, and the next print asks again.
  PdfAnswer again(PdfPath(QStringLiteral("history.pdf")));
  history->HistPrint->trigger();
  EXPECT_TRUE(again.asked);
  EXPECT_EQ(ui.asked.size(), 1u);
  {
    // The system's default printer now takes the print (this one cannot start): no file is asked.
    LookUpPrinters = [] { return SystemPrinters{{QStringLiteral("B")}, QStringLiteral("B")}; };
    PdfAnswer none{QString()};
    history->HistPrint->trigger();
    LookUpPrinters = nullptr;
    EXPECT_EQ(std::pair(none.asked, ui.asked.size()), std::pair(false, std::size_t{2}));
  }
  // Which leaves the printer as it was: the next print asks for its file and writes it.
  PdfAnswer last(PdfPath(QStringLiteral("last.pdf")));
  history->HistPrint->trigger();
  EXPECT_EQ(Files(), (QStringList{QStringLiteral("history.pdf"), QStringLiteral("last.pdf")}));
}

// A PDF file chosen in the printer set-up is not dropped for the default printer: the print asks
// for its own file and leaves the set-up's choice. A printer printed to keeps the prints while
// the system has it.
TEST_F(WindowPrintouts, APdfChosenInTheSetUpAndAPrinterPrintedToAreKept) {
  const SystemPrinters now{{QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("B")};
  LookUpPrinters = [now] { return now; };
  ProgramPrinter().setOutputFileName(PdfPath(QStringLiteral("setup.pdf")));
  PdfAnswer answer(PdfPath(QStringLiteral("history.pdf")));
  history->HistPrint->trigger();
  LookUpPrinters = nullptr;
  EXPECT_EQ(ProgramPrinter().outputFileName(), PdfPath(QStringLiteral("setup.pdf")));
  ProgramPrinter().setOutputFileName(QString());
  EXPECT_EQ(Files(), QStringList{QStringLiteral("history.pdf")});
  EXPECT_EQ(std::pair(PrinterNow(QStringLiteral("A"), now), PrinterNow(QStringLiteral("C"), now)),
            std::pair(QStringLiteral("A"), QStringLiteral("B")));
}

}  // namespace
}  // namespace kestrelon::test
