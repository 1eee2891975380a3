// The history window as a racer uses it: the lines of three runs, paging with the keys, Clear,
// Refresh, a 500-line print over several pages, the font chooser, and place and font kept.

#include "results/ui/frmHistory.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFontDialog>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "results_window_test.h"
#include "simulation/calculate_performance.h"
#include "simulation/history_log.h"

namespace kestrelon::test {
namespace {

class HistoryWindow : public ResultsWindowTest {
 protected:
  frmHistory* History() { return Open<frmHistory>("frmHistory"); }
  static QStringList Listed(frmHistory* w) { return w->HistBox->toPlainText().split(QLatin1Char('\n')); }
  static void AddLines(int n) {
    for (int i = 1; i <= n; ++i) AddHistoryLine("line " + std::to_string(i));
  }
};

TEST_F(HistoryWindow, ListsTheLinesOfThreeRuns) {
  Cfg.HistoryLog = True;
  for (int run = 0; run < 3; ++run) {
    S.VehicleData[2][2] = std::to_string(660 + 10 * run) + "kg";  // a setting changed between runs
    CalculatePerformance(0);
  }
  ASSERT_NE(S.RunDone, False);
  frmHistory* w = History();
  const QStringList lines = Listed(w);
  EXPECT_EQ(lines.size(), S.HistoryNext);  // every stored line and the blank next row
  EXPECT_EQ(lines.filter(QStringLiteral(" 1320ft -  ")).size(), 3);
  EXPECT_EQ(lines.filter(QStringLiteral(" Rollout - ")).size(), 3);
  EXPECT_EQ(lines.filter(QStringLiteral("Now : 680kg")).size(), 1);
  EXPECT_EQ(lines.back(), " ");
  EXPECT_EQ(w->HistVS->maximum(), S.HistoryNext - 1);

  // A run while the window is open shows on Refresh.
  CalculatePerformance(0);
  w->HistRefresh->trigger();
  EXPECT_EQ(Listed(w).filter(QStringLiteral(" 1320ft -  ")).size(), 4);
}

TEST_F(HistoryWindow, PagingKeysMoveTheScrollBar) {
  AddLines(100);
  frmHistory* w = History();
  EXPECT_EQ(w->HistVS->maximum(), 100);
  QTest::keyClick(w->HistBox, Qt::Key_PageDown);
  EXPECT_EQ(w->HistVS->value(), 10);
  EXPECT_EQ(Listed(w).front(), " line 11");
  QTest::keyClick(w->HistBox, Qt::Key_Down);
  EXPECT_EQ(w->ScrollOffset(), 11);
  for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right}) QTest::keyClick(w->HistBox, key);
  EXPECT_EQ(w->HistVS->value(), 11);
  w->HistVS->setValue(100);
  EXPECT_EQ(Listed(w), QStringList{QStringLiteral(" ")});
  w->HistVS->setValue(89);
  // The box shows the listing from its first line, wherever the text cursor was.
  QTest::mouseClick(w->HistBox->viewport(), Qt::LeftButton, {}, QPoint(20, w->HistBox->viewport()->height() - 5));
  QTest::keyClick(w->HistBox, Qt::Key_PageDown);
  EXPECT_EQ(w->HistBox->verticalScrollBar()->value(), 0);
  EXPECT_EQ(w->HistBox->cursorForPosition(QPoint(2, 2)).block().text(), " line 100");
}

TEST_F(HistoryWindow, ClearAsksThenStartsAfreshAtTheTop) {
  AddLines(60);
  frmHistory* w = History();
  w->HistVS->setValue(30);
  ui.answers = {Msg::Cancel};
  w->HistClear->trigger();
  EXPECT_EQ(S.HistoryNext, 61);
  EXPECT_EQ(Listed(w).front(), " line 31");
  ui.answers = {Msg::Ok};
  w->HistClear->trigger();
  EXPECT_EQ(ui.asked.size(), 2u);
  EXPECT_TRUE(w->HistBox->toPlainText().isEmpty());
  EXPECT_EQ(w->HistVS->value(), 0);
  EXPECT_EQ(std::tie(S.HistoryHead, S.HistoryNext), std::tuple(Integer{1}, Integer{1}));
  // Paging in the emptied box moves nothing: the next runs are listed from the top.
  QTest::keyClick(w->HistBox, Qt::Key_PageDown);
  EXPECT_EQ(w->HistVS->value(), 0);
  AddHistoryLine("next run");
  w->HistRefresh->trigger();
  EXPECT_EQ(Listed(w), (QStringList{QStringLiteral(" next run"), QStringLiteral(" ")}));
  EXPECT_EQ(w->HistVS->maximum(), 1);
}

TEST_F(HistoryWindow, FiveHundredLinesPrintOverSeveralPages) {
  AddLines(500);
  S.VehicleName = "Westfld";
  frmHistory* w = History();
  w->HistVS->setValue(200);
  PdfAnswer answer(PdfPath());
  w->HistPrint->trigger();
  EXPECT_TRUE(ui.asked.empty());
  const int pages = PdfPages();
  EXPECT_GE(pages, 6);  // some 70 lines of 10 point to a page
  EXPECT_LE(pages, 12);
  EXPECT_EQ(w->HistVS->value(), 200);  // the listing stays where it was
  w->HistVS->setValue(201);
  EXPECT_EQ(w->ScrollOffset(), 201);
}

TEST_F(HistoryWindow, FontChosenWithColourIsKept) {
  frmHistory* w = History();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QFont font = dialog->findChild<QFontDialog*>()->currentFont();
    font.setPointSize(12);
    font.setUnderline(true);
    dialog->findChild<QFontDialog*>()->setCurrentFont(font);
    dialog->findChild<QComboBox*>()->setCurrentIndex(12);  // red
    dialog->accept();
  });
  w->Fontset->trigger();
  EXPECT_EQ(w->HistBox->font().pointSize(), 12);
  EXPECT_TRUE(w->HistBox->font().underline());
  w->move(40, 50);
  w->resize(500, 300);
  w->HistExit->trigger();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(Cfg.HistFontSize, "12");
  EXPECT_EQ(Cfg.HistColor, "255");
  EXPECT_EQ(Cfg.HistFontUnderline, True);
  EXPECT_EQ(Cfg.HistWidth, 500 * 15);
  EXPECT_EQ(Cfg.HistHeight, 300 * 15);

  // Cancel changes nothing; the next opening restores font and size.
  w = History();
  EXPECT_EQ(w->HistBox->font().pointSize(), 12);
  EXPECT_EQ(w->HistBox->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(w->width(), 500);
  QTimer::singleShot(0, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
  w->Fontset->trigger();
  EXPECT_EQ(w->HistBox->font().pointSize(), 12);
}

TEST_F(HistoryWindow, EscapeInTheFontChooserClosesTheDialogWithoutAChange) {
  frmHistory* w = History();
  const QFont before = w->HistBox->font();
  bool closed = false;
  QTimer::singleShot(0, [&closed] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog->findChild<QFontDialog*>(), Qt::Key_Escape);
    closed = !dialog->isVisible();
    if (!closed) dialog->reject();  // a dialog left open would keep the test waiting
  });
  w->Fontset->trigger();
  EXPECT_TRUE(closed);
  EXPECT_EQ(w->HistBox->font(), before);
}

TEST_F(HistoryWindow, UnplacedWindowStandsAgainstTheRightEdge) {
  frmHistory* w = History();
  const QRect screen = w->screen()->geometry();
  EXPECT_EQ(w->frameGeometry().right(), screen.right());  // its frame, once shown
  EXPECT_EQ(w->y(), (screen.height() - w->height()) / 2);
}

}  // namespace
}  // namespace kestrelon::test
