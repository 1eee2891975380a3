// The estimate dialog as a racer uses it: what it shows, the spins, OK's checks in order, the
// search it starts, Cancel, Escape and the close box during a search, Retry, and a kept value
// in a data form left open.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "core/commands.h"
#include "core/window_list.h"
#include "entry/ui/data_forms.h"
#include "entry/ui/frmDataAero.h"
#include "files/example_command.h"
#include "files/example_vehicles.h"
#include "files/file_windows.h"
#include "files/ui/file_command_windows.h"
#include "platform/qt/spin_button.h"
#include "power/power_curve.h"
#include "simulation/launch_setup.h"
#include "support/example_entry.h"
#include "platform/qt/qt_canvas.h"
#include "estimate_window_fixture.h"

namespace kestrelon::test {
namespace {

using Dialog = frmEstimate;

TEST_F(EstimateWindowTest, OpensWithTheStartValuesAndKeepsTypingOverRepaints) {
  Dialog* d = Open();
  EXPECT_EQ(d->windowTitle(), "Estimate Power");
  EXPECT_TRUE(OpenWindows.Contains("Estimate Power"));
  for (QLineEdit* box : {d->Est60time, d->Est330time, d->Est660time, d->Est660speed, d->Est1320time,
                         d->Est1320speed})
    EXPECT_TRUE(box->text().isEmpty());
  EXPECT_TRUE(d->EstCDAdjust->isChecked() && d->EstMUAdjust->isChecked() && d->EstBHPAdjust->isChecked());
  EXPECT_FALSE(d->EstGearAdjust->isChecked());
  EXPECT_EQ(d->EstNumber->text() + " " + d->EstError->text(), "20 2");
  EXPECT_EQ(d->EstErrSpin->value(), 4);
  EXPECT_EQ(d->focusWidget(), d->Est1320time);
  EXPECT_FALSE(d->EstProgress->isVisible());

  // The tolerance moves in half-percent steps from 0.5 to 20; the attempts one by one.
  d->EstErrSpin->stepUp();
  EXPECT_EQ(d->EstError->text(), "2.5");
  d->EstErrSpin->setValue(1);
  EXPECT_EQ(d->EstError->text(), "0.5");
  d->EstErrSpin->setValue(40);
  EXPECT_EQ(d->EstError->text(), "20");
  d->EstNoSpin->stepUp();
  EXPECT_EQ(d->EstNumber->text(), "21");

  Type(d->Est60time, "1.9");
  d->repaint();
  QApplication::processEvents();
  EXPECT_EQ(d->Est60time->text(), "1.9");
  EXPECT_EQ(d->EstError->text(), "20");

  QTest::keyClick(d->Est60time, Qt::Key_Escape);
  EXPECT_FALSE(d->IsLoaded() || OpenWindows.Contains("Estimate Power"));
  EXPECT_EQ(S.CancelFlag, 1);
  EXPECT_EQ(S.EstError, 2);  // nothing stored
}

TEST_F(EstimateWindowTest, OKChecksInOrderEachWithItsMessageAndFocus) {
  Dialog* d = Open();
  struct Step {
    std::function<void()> type;
    const char* message;
    QWidget* focus;
  };
  const Step steps[] = {
      {[&] {
         for (QCheckBox* c : {d->EstCDAdjust, d->EstMUAdjust, d->EstBHPAdjust}) c->setChecked(false);
       },
       "There is nothing for Kestrelon to adjust!", d->EstBHPAdjust},
      {[&] { d->EstBHPAdjust->setChecked(true); }, "You must give at least a 1/4 mile or 1/8 mile time",
       d->Est1320time},
      {[&] {
         Type(d->Est660time, "9.5");
         Type(d->Est60time, "-1.9");
         Type(d->Est330time, "-5");
       },
       "Bad 60ft time", d->Est60time},
      {[&] { Type(d->Est60time, "1.9"); }, "Bad 330ft time", d->Est330time},
      {[&] {
         Type(d->Est330time, "5");
         Type(d->Est660time, "-9.5");
       },
       "Bad 1/8 mile time", d->Est660time},
      {[&] {
         Type(d->Est660time, "9.5");
         Type(d->Est1320time, "-14");
       },
       "Bad 1/4 mile time", d->Est1320time},
      {[&] {
         Type(d->Est1320time, "");
         Type(d->Est1320speed, "100mph");
       },
       "Cannot use 1/4 mile speed without time", d->Est1320time},
      {[&] {
         Type(d->Est1320time, "14");
         Type(d->Est1320speed, "0mph");
       },
       "Bad 1/4 mile speed ", d->Est1320speed},
      {[&] {
         Type(d->Est1320speed, "100mph");
         Type(d->Est660time, "");
         Type(d->Est660speed, "80mph");
       },
       "Cannot use 1/8 mile speed without time", d->Est660time},
      {[&] {
         Type(d->Est660time, "9.5");
         Type(d->Est660speed, "0kph");
       },
       "Bad 1/8 mile speed ", d->Est660speed},
      {[&] {
         Type(d->Est660speed, "80mph");
         d->EstError->setText("0");
       },
       "Error percentage must be between 0 and 20", d->EstErrSpin},
      {[&] {
         d->EstError->setText("2");
         Type(d->EstNumber, "101");
       },
       "Cannot have less than 1 or more than 100 tries", d->EstNumber},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.message);
    step.type();
    ui.asked.clear();
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].text, step.message);
    EXPECT_EQ(ui.asked[0].title, "Estimate horsepower");
    EXPECT_EQ(ui.asked[0].style, Msg::OKOnly | Msg::Question);
    EXPECT_EQ(d->focusWidget(), step.focus);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(S.Est1320time, 0);  // no target stored
  }
  EXPECT_EQ(S.EstCDAdjust, False);  // only the switches were
}

TEST_F(EstimateWindowTest, ARaiseBeyondSixtySecondsAsksAndNoKeepsTheDialogAsItWas) {
  Dialog* d = Open();
  Type(d->Est1320time, "60.6");
  Type(d->Est1320speed, "40mph");
  ui.answers = {Msg::No};
  QTest::mouseClick(d->OKButton, Qt::LeftButton);
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Maximum calculation time is 60 seconds. Do you want to continue?");
  EXPECT_EQ(ui.asked[0].title, "Performance Calculation");
  EXPECT_EQ(ui.asked[0].style, Msg::YesNo | Msg::Question);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(S.LaunchTime, 16);
  EXPECT_EQ(S.Est1320time, 0);
  EXPECT_EQ(d->Est1320time->text(), "60.6");
}

TEST_F(EstimateWindowTest, OKSearchesAndFinishClosesBothWindows) {
  Dialog* d = Open();
  TypeTicketOfLastRun(d);
  bool sawBar = false;
  AnswerResults([&](frmEstResult* r) {
    sawBar = d->EstProgress->isVisible();
    QTest::mouseClick(r->OKButton, Qt::LeftButton);
  });
  QTest::mouseClick(d->OKButton, Qt::LeftButton);
  EXPECT_TRUE(sawBar);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_FALSE(d->IsLoaded() || Results()->IsLoaded());
  EXPECT_EQ(S.CancelFlag, 1);
  EXPECT_EQ(S.EstRetry, False);
  EXPECT_NEAR(S.Est1320time, S.Time1320ft, 0.001);
}

TEST_F(EstimateWindowTest, FinishWithoutRestoringKeepsTheNewPowerAsUnsavedData) {
  const Single peak = S.EngineSummary[0][2];
  S.DataSaved = True;
  Dialog* d = Open();
  d->EstCDAdjust->setChecked(false);
  d->EstMUAdjust->setChecked(false);
  // A slower car.
  Type(d->Est1320time, QString::number(S.Time1320ft * 1.03, 'f', 3));
  Type(d->Est1320speed, QString::number(S.Speed1320ft * 0.97, 'f', 2) + "mph");
  AnswerResults([](frmEstResult* r) {
    r->EstBHPRestore->setChecked(false);
    QTest::mouseClick(r->OKButton, Qt::LeftButton);
  });
  QTest::mouseClick(d->OKButton, Qt::LeftButton);
  EXPECT_FALSE(d->IsLoaded());
  EXPECT_LT(S.EngineSummary[0][2], peak);
  EXPECT_EQ(S.DataSaved, False);
}

TEST_F(EstimateWindowTest, AKeptDragCoefficientShowsInTheOpenAeroFormWhoseEnterKeepsIt) {
  RunExampleAutomatically(1);
  auto* aero = static_cast<frmDataAero*>(Form::Instance("frmDataAero"));
  ShowAndPaint(aero);
  ASSERT_EQ(aero->AeroCD->text(), ".55");

  Dialog* d = Open();
  d->EstMUAdjust->setChecked(false);
  d->EstBHPAdjust->setChecked(false);
  // A slower car: only more drag can make it.
  Type(d->Est1320time, QString::number(S.Time1320ft * 1.03, 'f', 3));
  Type(d->Est1320speed, QString::number(S.Speed1320ft * 0.97, 'f', 2) + "mph");
  AnswerResults([](frmEstResult* r) {
    r->EstCDRestore->setChecked(false);
    QTest::mouseClick(r->OKButton, Qt::LeftButton);
  });
  QTest::mouseClick(d->OKButton, Qt::LeftButton);
  const Single kept = S.AeroCD;
  ASSERT_GT(kept, 0.56f);
  EXPECT_EQ(aero->AeroCD->text().toStdString(), NumText(kept));
  QTest::keyClick(aero->AeroCD, Qt::Key_Return);
  EXPECT_FALSE(aero->IsLoaded());
  EXPECT_EQ(S.AeroCD, kept);
}

TEST_F(EstimateWindowTest, RetryKeepsTheDialogOpenWithTheStoredValues) {
  Dialog* d = Open();
  TypeTicketOfLastRun(d);
  Type(d->Est60time, "1.90");
  d->EstNoSpin->setValue(7);
  AnswerResults([](frmEstResult* r) { QTest::mouseClick(r->RetryButton, Qt::LeftButton); });
  QTest::mouseClick(d->OKButton, Qt::LeftButton);
  ASSERT_TRUE(d->isVisible());
  EXPECT_FALSE(d->EstProgress->isVisible());
  EXPECT_EQ(S.EstRetry, True);
  EXPECT_EQ(QStringList({d->Est60time->text(), d->EstNumber->text()}), QStringList({"1.9", "7"}));
  EXPECT_TRUE(d->Est1320speed->text().endsWith("mph"));
}

TEST_F(EstimateWindowTest, CancelEscapeOrTheCloseBoxEndTheSearchAndPutTheModelBack) {
  const std::function<void(Dialog*)> ways[] = {
      [](Dialog* d) { QTest::mouseClick(d->CancelButton, Qt::LeftButton); },
      [](Dialog* d) { QTest::keyClick(d, Qt::Key_Escape); },
      [](Dialog* d) { d->close(); },
  };
  for (const auto& stop : ways) {
    LoadWestfield(16);
    CalculatePerformance(0);
    CalcTimingPoints();
    const Single cd = S.AeroCD, mu = S.TyreMu, peak = S.EngineSummary[0][2];
    Dialog* d = Open();
    // A ticket no change can reach: slower than the run, yet faster through the trap.
    Type(d->Est1320time, QString::number(S.Time1320ft * 1.1, 'f', 3));
    Type(d->Est1320speed, QString::number(S.Speed1320ft * 1.1, 'f', 2) + "mph");
    int results = 0;
    AnswerResults([&](frmEstResult* r) {
      ++results;
      QTest::mouseClick(r->OKButton, Qt::LeftButton);
    });
    // While the search runs, OK does nothing; then the racer stops it.
    QTimer::singleShot(0, d, [d, stop] {
      QTest::mouseClick(d->OKButton, Qt::LeftButton);
      stop(d);
    });
    QTest::mouseClick(d->OKButton, Qt::LeftButton);
    EXPECT_EQ(results, 0);
    EXPECT_FALSE(d->IsLoaded());
    EXPECT_EQ(S.CancelFlag, 1);
    EXPECT_EQ(std::tuple(S.AeroCD, S.TyreMu, S.EngineSummary[0][2]), std::tuple(cd, mu, peak));
  }
}

// Without a completed run OK refuses as the menu command does; with one, the dialog holds the
// program's input while its search runs and gives it back for a Retry.
TEST_F(EstimateWindowTest, OKRefusesWithoutARunAndHoldsTheInputOnlyWhileItSearches) {
  Dialog* d = Open();
  TypeTicketOfLastRun(d);
  AnswerResults([](frmEstResult* r) { QTest::mouseClick(r->RetryButton, Qt::LeftButton); });
  S.RunDone = False;
  QTest::mouseClick(d->OKButton, Qt::LeftButton);
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].title),
            std::tuple("Simulation has not yet been run", "Estimate Power"));
  EXPECT_TRUE(d->isVisible() && !d->EstProgress->isVisible());
  EXPECT_EQ(S.Est1320time, 0);  // nothing stored

  S.RunDone = True;
  QWidget* holding = nullptr;
  QTimer::singleShot(0, d, [&holding] { holding = QApplication::activeModalWidget(); });
  QTest::mouseClick(d->OKButton, Qt::LeftButton);
  EXPECT_EQ(holding, d);
  ASSERT_TRUE(d->isVisible());
  EXPECT_EQ(d->windowModality(), Qt::NonModal);
}

// A load closes the dialog and Launch Information; the dialog's unload does not cancel its entry.
TEST_F(EstimateWindowTest, ALoadClosesTheDialogAndLaunchInformationAndItsEntryGoesOn) {
  Dialog* d = Open();
  Form* launch = Form::Instance("frmDataLaunch");
  ShowAndPaint(launch);
  RegisterFileWindows();
  InitExampleCatalogue();
  FileWindows.ChooseExample = [] { return std::string("WESTFLD"); };
  int curvesEntered = 0;
  Hooks.EnterPowerCurve = [&curvesEntered](Integer, Integer) { ++curvesEntered; };
  S.DataSaved = True;
  FileExample();
  EXPECT_FALSE(d->IsLoaded() || launch->IsLoaded());
  EXPECT_EQ(std::tuple(curvesEntered, S.CancelFlag), std::tuple(1, 0));
  FileWindows = FileWindowHooks{};
  Hooks = CommandHooks{};
}

}  // namespace
}  // namespace kestrelon::test
