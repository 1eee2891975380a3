#include "simulation/ui/frmDataLaunch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include "core/window_list.h"
#include "platform/qt/spin_button.h"
#include "support/westfield_fixture.h"
#include "window_test_ui.h"

namespace kestrelon::test {
namespace {

class LaunchDialogTest : public RunWindowTest {
 protected:
  void SetUp() override {
    RunWindowTest::SetUp();
    LoadWestfield();
    MarkSectionsEntered();
    S.VehicleData[4] = {"", "60", "1.5", "4500", "4", "", "", "", "", "", "5", "60ft", "2"};
    S.CalcRequested = True;
    S.RunDone = False;
  }

  frmDataLaunch* Open() {
    auto* dialog = static_cast<frmDataLaunch*>(Form::Instance("frmDataLaunch"));
    ShowAndPaint(dialog);
    return dialog;
  }

  static void Type(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }

  // Types into a box and presses Enter there: the dialog's default button, Calculate.
  static void Enter(QLineEdit* box, const QString& text) {
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const Asked& a : ui.asked) texts.push_back(a.text);
    return texts;
  }
};

TEST_F(LaunchDialogTest, OpensFilledFromTheVehicleAndListedAndCancelOrEscapeStoreNothing) {
  const SharedState before = S;
  frmDataLaunch* d = Open();
  EXPECT_EQ(d->windowTitle(), "Launch Information");
  EXPECT_TRUE(OpenWindows.Contains("Launch Information"));
  // The empty 1/8 trap item shows "66ft"; its position code 5 selects "Before".
  EXPECT_EQ(QStringList({d->LaunchRPM->text(), d->Launch8Trap->text(), d->Launch4Trap->text()}),
            QStringList({"4500", "66ft", "60ft"}));
  EXPECT_TRUE(d->Trap8Before->isChecked() && d->Trap4After->isChecked());
  EXPECT_EQ(S.CalcRequested, False);
  EXPECT_EQ(d->focusWidget(), d->LaunchThrottle);

  // The spins step from the value their box shows, also after the racer typed one.
  const int time = d->LaunchTime->text().toInt();
  d->LaunchATSpin->stepUp();
  d->LaunchRPMSpin->stepUp();
  EXPECT_EQ(d->LaunchTime->text() + " " + d->LaunchRPM->text(), QString("%1 4600").arg(time + 2));
  EXPECT_EQ(d->LaunchATSpin->maximum(), 60);
  Type(d->LaunchRPM, "5200");
  d->LaunchRPMSpin->stepDown();
  EXPECT_EQ(d->LaunchRPM->text(), "5100");

  Type(d->LaunchRPM, "5000");
  QTest::mouseClick(d->LaunchCancelButton, Qt::LeftButton);
  EXPECT_FALSE(d->IsLoaded() || OpenWindows.Contains("Launch Information"));
  EXPECT_EQ(S.VehicleData[4], before.VehicleData[4]);
  EXPECT_EQ(S.LaunchRPM, before.LaunchRPM);
  EXPECT_EQ(S.LaunchFormTop, -1);  // the place is kept only by Calculate
  EXPECT_EQ(S.RunDone, False);

  d = Open();
  QTest::keyClick(d->LaunchThrottle, Qt::Key_Escape);
  EXPECT_FALSE(d->IsLoaded());
}

TEST_F(LaunchDialogTest, AnalysisTimeRunsTheNextEvenSecondOrIsRefused) {
  for (const auto& [typed, seconds] :
       std::vector<std::pair<QString, Single>>{{"7", 8}, {"7.9", 8}}) {
    frmDataLaunch* d = Open();
    Enter(d->LaunchTime, typed);
    EXPECT_EQ(S.LaunchTime, seconds);
    EXPECT_FLOAT_EQ(S.PointSpacing, seconds / 1000);
    EXPECT_EQ(S.VehicleData[4][4], typed.toStdString());
    EXPECT_TRUE(S.RunDone == True && !d->IsLoaded());  // the run went and the dialog closed
    EXPECT_EQ(S.CalcRequested, True);
    S.RunDone = False;
  }
  EXPECT_TRUE(ui.asked.empty());

  frmDataLaunch* d = Open();
  Enter(d->LaunchTime, "0.5");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid analysis time"});
  EXPECT_EQ(ui.asked[0].title, "Performance Calculation");
  EXPECT_EQ(d->focusWidget(), d->LaunchTime);

  ui.asked.clear();
  ui.answers = {Msg::No};
  Enter(d->LaunchTime, "61");
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Maximum calculation time is 60 seconds. Do you want to continue?"});
  EXPECT_EQ(ui.asked[0].style, Msg::YesNo | Msg::Question);
  EXPECT_TRUE(d->IsLoaded());
  EXPECT_EQ(d->LaunchTime->text(), "61");
  EXPECT_EQ(S.RunDone, False);
}

TEST_F(LaunchDialogTest, LaunchRPMTakesTheEvenRowAndMustLieOnTheCurve) {
  for (const auto& [typed, row] : std::vector<std::pair<QString, Integer>>{{"7050", 70}, {"7150", 72}}) {
    frmDataLaunch* d = Open();
    Type(d->LaunchTime, "2");
    Enter(d->LaunchRPM, typed);
    EXPECT_EQ(S.LaunchRPM, row);
    EXPECT_FALSE(d->IsLoaded());
  }
  frmDataLaunch* d = Open();
  Enter(d->LaunchRPM, "7600");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid launch RPM"});
  EXPECT_EQ(d->focusWidget(), d->LaunchRPM);
}

TEST_F(LaunchDialogTest, TrapLengthsFromLoadEmptiedTypedAndRefused) {
  frmDataLaunch* d = Open();  // 1/8 trap item empty: "66ft"
  Enter(d->LaunchTime, "2");
  EXPECT_NEAR(S.Trap8Length, 66 * 0.3048, 0.01);
  const auto& g = S.VehicleData[4];
  EXPECT_EQ(g[9], "66ft");
  EXPECT_EQ(g[10], "0");  // code 5 came back as "Before"
  EXPECT_EQ(g[12], "2");

  d = Open();
  Enter(d->Launch4Trap, "51m");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid speed trap length "});
  EXPECT_EQ(d->focusWidget(), d->Launch4Trap);
  Type(d->Launch8Trap, "");
  Enter(d->Launch4Trap, "50m");
  EXPECT_FALSE(d->IsLoaded());
  EXPECT_DOUBLE_EQ(S.Trap8Length, 18.29);
  EXPECT_DOUBLE_EQ(S.Trap4Length, 50);

  d = Open();
  Enter(d->Launch4Trap, "20");
  EXPECT_DOUBLE_EQ(S.Trap4Length, 20);
  EXPECT_EQ(ui.asked.size(), 1u);  // only the refusal above
}

TEST_F(LaunchDialogTest, AutoAcceptRunsAtLoadOrShowsTheDialogForCorrection) {
  S.VehicleData[4][4] = "2";
  S.AutoAccept = True;
  auto* d = static_cast<frmDataLaunch*>(Form::Instance("frmDataLaunch"));
  d->Show();
  EXPECT_EQ(S.RunDone, True);
  EXPECT_FALSE(d->IsLoaded() || d->isVisible());

  S.RunDone = False;
  S.CalcRequested = True;
  S.VehicleData[4][1] = "0";  // a stored value that fails its check
  d->Show();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid throttle opening"});
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(S.RunDone, False);
  S.AutoAccept = False;
}

// A dialog left open across a load of a curve still to be entered runs nothing: Calculate checks
// what its opening checked.
TEST_F(LaunchDialogTest, CalculateRefusesAVehicleWhoseSectionsAreNotAllEntered) {
  frmDataLaunch* d = Open();
  S.EngineEntered = False;
  QTest::mouseClick(d->LaunchCalculateButton, Qt::LeftButton);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Engine data not yet entered"});
  EXPECT_TRUE(d->IsLoaded());
  EXPECT_EQ(S.RunDone, False);
}

}  // namespace
}  // namespace kestrelon::test
