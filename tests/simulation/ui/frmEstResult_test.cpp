// The estimate's results window: the ticket beside the run with its errors coloured, the restore
// rows, and what Finish, Retry and the close box leave for the search.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "estimate_window_fixture.h"

namespace kestrelon::test {
namespace {

QColor ColourOf(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

class ResultWindow : public EstimateWindowTest {
 protected:
  // A search that just ended: the drag coefficient and power changed, the restore flags set.
  frmEstResult* ShowAfterSearch() {
    S.EstCDAdjust = S.EstMUAdjust = S.EstBHPAdjust = True;
    S.EstGearAdjust = False;
    S.EstOrigCD = 0.55f;
    S.AeroCD = 0.6f;
    S.EstOrigMu = S.TyreMu;
    S.EstOrigEngineSummary = S.EngineSummary;
    S.EngineSummary[0][2] = 150;
    S.EstCDRestore = S.EstMURestore = S.EstBHPRestore = S.EstGearRestore = True;
    frmEstResult* r = Results();
    ShowAndPaint(r);
    return r;
  }
};

TEST_F(ResultWindow, ErrorsAreGreenUpToTheToleranceAndRedAbove) {
  // Figures whose errors are exact in binary: 1 - 7/8 is 12.5 %, 1 - 7/8.5 is above it.
  S.EstError = 12.5f;
  S.Time1320ft = 8;
  S.Est1320time = 7;
  S.Time660ft = 8.5f;
  S.Est660time = 7;
  S.Time60ft = 2;
  S.Est60time = 0;
  S.Speed1320ft = 100;
  S.Est1320speed = 90 * S.SpeedFactor;
  frmEstResult* r = ShowAfterSearch();
  EXPECT_EQ(r->windowTitle(), "Estimation Results");
  EXPECT_EQ(QStringList({r->Act1320t->text(), r->Est1320t->text(), r->Err1320t->text()}),
            QStringList({"7.000", "8.000", "12.50"}));
  EXPECT_EQ(ColourOf(r->Err1320t), QColor(0, 128, 0));
  EXPECT_EQ(r->Err660t->text(), "17.65");
  EXPECT_EQ(ColourOf(r->Err660t), QColor(255, 0, 0));
  EXPECT_EQ(QStringList({r->Act1320v->text(), r->Est1320v->text(), r->Err1320v->text()}),
            QStringList({"90.00mph", "100.00mph", "10.00"}));
  // No 60 ft target: the run's figure only.
  EXPECT_EQ(QStringList({r->Act60t->text(), r->Est60t->text(), r->Err60t->text()}),
            QStringList({"", "2.000", ""}));
}

TEST_F(ResultWindow, RestoreRowsShowBeforeAndAfterAndGearingOnlyWhenItMayChange) {
  frmEstResult* r = ShowAfterSearch();
  EXPECT_EQ(QStringList({r->Org_CD->text(), r->Est_CD->text()}), QStringList({".55", ".6"}));
  EXPECT_EQ(QStringList({r->Org_Power->text(), r->Est_Power->text()}),
            QStringList({"162.1BHP", "150.0BHP"}));
  EXPECT_TRUE(r->EstCDRestore->isChecked() && r->EstCDRestore->isEnabled());
  EXPECT_FALSE(r->EstGearRestore->isVisible());
  r->Unload();

  S.EstGearAdjust = True;
  S.EstCDAdjust = False;
  S.EstOrigGearing = 3.77f;
  S.TransFinal = 3.6946f;
  ShowAndPaint(r);
  EXPECT_TRUE(r->EstGearRestore->isVisible());
  EXPECT_EQ(r->EstGearRestore->text(), "Restore overall gearing");
  EXPECT_EQ(QStringList({r->Org_Gear->text(), r->Est_Gear->text()}), QStringList({"3.77", "3.6946"}));
  EXPECT_FALSE(r->EstCDRestore->isEnabled());
  EXPECT_TRUE(r->Org_CD->text().isEmpty());  // nothing left from an earlier search
}

TEST_F(ResultWindow, FinishRetryAndTheCloseBoxSetTheFlagsTheSearchReads) {
  struct Case {
    const char* how;
    bool untickDrag;
    Integer retry, dragRestore;
  };
  for (const Case c : {Case{"finish", true, False, False}, Case{"finish", false, False, True},
                       Case{"retry", true, True, False}, Case{"close", true, True, True}}) {
    SCOPED_TRACE(std::string(c.how) + (c.untickDrag ? " keeping drag" : ""));
    frmEstResult* r = ShowAfterSearch();
    if (c.untickDrag) r->EstCDRestore->setChecked(false);
    if (std::string(c.how) == "finish")
      QTest::keyClick(r, Qt::Key_Return);
    else if (std::string(c.how) == "retry")
      QTest::mouseClick(r->RetryButton, Qt::LeftButton);
    else
      r->close();  // Retry stays as the previous case left it; everything is put back
    EXPECT_FALSE(r->IsLoaded());
    EXPECT_EQ(S.EstRetry, c.retry);
    EXPECT_EQ(S.EstCDRestore, c.dragRestore);
    EXPECT_EQ(S.EstMURestore, True);
  }
}

}  // namespace
}  // namespace kestrelon::test
