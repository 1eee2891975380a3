// The power curve graph's print as a racer meets it on a machine that prints to PDF files: the
// button and the P key go through the program's one print job, so the file is offered beside the
// last printout of any window, and a printer that cannot start offers Retry and Cancel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <tuple>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/qt/form.h"
#include "platform/qt/printer.h"
#include "power/ui/frmGraphPower.h"
#include "power/ui/power_curve_windows.h"
#include "results/ui/cascade_history_windows.h"
#include "results/ui/frmHistory.h"
#include "simulation/history_log.h"
#include "flat_curve_graph.h"
#include "support/pdf_answer.h"
#include "support/recording_qt_ui.h"

namespace kestrelon::test {
namespace {

class PowerGraphPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    Cfg = Settings{};
    previous_ = setUi(&ui);
    RegisterPowerCurveWindows();
    RegisterCascadeHistoryWindows();
    graph = ShowFlatCurveGraph();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graph));
    ASSERT_TRUE(graph->Graph().GraphReady);
    // A question nobody answers (an overwrite check, a message box) fails the test instead of
    // holding it for ever.
    QObject::connect(&watchdog, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "left waiting: " << modal->metaObject()->className();
        modal->close();
      }
    });
    watchdog.start(5000);
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    setUi(previous_);
  }
  QString Path(const QString& name) const { return folder.filePath(name); }
  static QByteArray Pdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // The document title a printout carries: the window's caption, as the PDF writes it.
  static QByteArray TitleOf(const QString& caption) {
    QByteArray title;
    for (const QChar c : caption) title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    return title;
  }
  void PrintHistory(const QString& file) {
    AddHistoryLine("first run");
    auto* history = static_cast<frmHistory*>(Form::Instance("frmHistory"));
    history->Show();
    PdfAnswer answer(file);
    history->HistPrint->trigger();
    ASSERT_TRUE(answer.asked);
  }

  RecordingQtUi ui;
  QTemporaryDir folder;
  frmGraphPower* graph = nullptr;
  QTimer watchdog;

 private:
  UiSeam* previous_ = nullptr;
};

TEST_F(PowerGraphPrint, ButtonAndKeyPrintBesideTheLastPrintoutEachItsOwnFile) {
  PrintHistory(Path(QStringLiteral("history.pdf")));
  const QString caption = graph->Caption();
  {
    PdfAnswer answer(PdfAnswer::Offered);
    graph->PowerCurvePrint->trigger();
    ASSERT_TRUE(answer.asked);
    EXPECT_EQ(answer.offered.toStdString(), Path(caption + QStringLiteral(" 1.pdf")).toStdString());
  }
  {
    PdfAnswer answer(PdfAnswer::Offered);
    QTest::keyClick(graph, Qt::Key_P);
    ASSERT_TRUE(answer.asked);
    EXPECT_EQ(answer.offered.toStdString(), Path(caption + QStringLiteral(" 2.pdf")).toStdString());
  }
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(graph->Graph().GraphPrinting, false);
  const QByteArray history = Pdf(Path(QStringLiteral("history.pdf")));
  const QByteArray curve = Pdf(Path(caption + QStringLiteral(" 1.pdf")));
  ASSERT_FALSE(history.isEmpty());
  ASSERT_FALSE(curve.isEmpty());
  EXPECT_TRUE(history.contains(TitleOf(QStringLiteral("History Log"))));
  EXPECT_FALSE(history.contains("/Subtype /Image"));
  EXPECT_TRUE(curve.contains(TitleOf(caption)));
  // The page: the window below its menu bar, with the window's background where OK and Cancel
  // are (a JPEG picture, hence the tolerance).
  const qsizetype image = curve.indexOf("stream\n", curve.indexOf("/Subtype /Image")) + 7;
  const QImage page = QImage::fromData(curve.mid(image, curve.indexOf("endstream", image) - image));
  const QPoint below(0, graph->MenuBar->height());
  EXPECT_EQ(page.size(), graph->size() - QSize(0, below.y()));
  for (const QPushButton* button : {graph->GraphOKButton, graph->CancelButton})
    EXPECT_NEAR(qGray(page.pixel(button->geometry().center() - below)), qGray(graph->palette().window().color().rgb()), 8);
  EXPECT_FALSE(curve.contains(TitleOf(QStringLiteral("History Log"))));
  EXPECT_FALSE(Pdf(Path(caption + QStringLiteral(" 2.pdf"))).isEmpty());
}

// A file in a folder that is not there cannot be started: "Printer not ready" with Retry, which
// tries again, and Cancel, which ends the print. The printer keeps nothing of that file: the next
// print is offered the folder of the last good printout.
TEST_F(PowerGraphPrint, PrinterNotReadyOffersRetryThenCancelAndTheFailedFileIsForgotten) {
  PrintHistory(Path(QStringLiteral("history.pdf")));
  const QString outputBefore = ProgramPrinter().outputFileName();
  ui.answers = {Msg::Retry, Msg::Cancel};
  {
    PdfAnswer answer(Path(QStringLiteral("no-such-folder/curve.pdf")));
    graph->PowerCurvePrint->trigger();
    ASSERT_TRUE(answer.asked);
  }
  ASSERT_EQ(ui.asked.size(), 2u);
  for (const Asked& asked : ui.asked) {
    EXPECT_EQ(std::tuple(asked.text, asked.title), std::tuple("Printer not ready", "Print Power"));
    EXPECT_EQ(asked.style, Msg::RetryCancel + Msg::Exclamation);
  }
  EXPECT_EQ(ProgramPrinter().outputFileName().toStdString(), outputBefore.toStdString());
  EXPECT_EQ(graph->Graph().GraphPrinting, false);
  PdfAnswer answer(PdfAnswer::Offered);
  graph->PowerCurvePrint->trigger();
  ASSERT_TRUE(answer.asked);
  EXPECT_EQ(answer.offered.toStdString(), Path(graph->Caption() + QStringLiteral(" 1.pdf")).toStdString());
}

}  // namespace
}  // namespace kestrelon::test
