#include "simulation/ui/frmDataLaunch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "core/window_list.h"
#include "support/westfield_fixture.h"
#include "window_test_ui.h"

namespace kestrelon::test {
namespace {

class LaunchDialogTest : public RunWindowTest {
 protected:
  void SetUp() override {
    RunWindowTest::SetUp();
    LoadWestfield();
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

  // Presses Enter in a box: the dialog's default button.
  static void Calculate(QLineEdit* box) { QTest::keyClick(box, Qt::Key_Return); }

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
  EXPECT_EQ(d->LaunchRPM->text(), "4500");
  EXPECT_EQ(d->Launch8Trap->text(), "66ft");  // empty item
  EXPECT_EQ(d->Launch4Trap->text(), "60ft");
  EXPECT_TRUE(d->Trap8Before->isChecked());   // code 5
  EXPECT_TRUE(d->Trap4After->isChecked());
  EXPECT_EQ(S.CalcRequested, False);
  EXPECT_EQ(d->focusWidget(), d->LaunchThrottle);

  // The spins write their own value into their box.
  d->LaunchATSpin->stepUp();
  EXPECT_EQ(d->LaunchTime->text(), "4");
  d->LaunchRPMSpin->stepUp();
  EXPECT_EQ(d->LaunchRPM->text(), "3100");
  EXPECT_EQ(d->LaunchATSpin->maximum(), 60);

  Type(d->LaunchRPM, "5000");
  QTest::mouseClick(d->LaunchCancelButton, Qt::LeftButton);
  EXPECT_FALSE(d->IsLoaded());
  EXPECT_FALSE(OpenWindows.Contains("Launch Information"));
  EXPECT_EQ(S.VehicleData[4], before.VehicleData[4]);
  EXPECT_EQ(S.LaunchRPM, before.LaunchRPM);
  EXPECT_EQ(S.LaunchTime, before.LaunchTime);
  EXPECT_EQ(S.LaunchFormTop, -1);  // the place is kept only by Calculate
  EXPECT_EQ(S.RunDone, False);
  EXPECT_EQ(S.CalcRequested, True);

  d = Open();
  QTest::keyClick(d->LaunchThrottle, Qt::Key_Escape);
  EXPECT_FALSE(d->IsLoaded());
}

TEST_F(LaunchDialogTest, AnalysisTimeRunsTheNextEvenSecondOrIsRefused) {
  for (const auto& [typed, seconds] :
       std::vector<std::pair<QString, Single>>{{"7", 8}, {"7.9", 8}}) {
    frmDataLaunch* d = Open();
    Type(d->LaunchTime, typed);
    Calculate(d->LaunchTime);
    EXPECT_EQ(S.LaunchTime, seconds);
    EXPECT_FLOAT_EQ(S.PointSpacing, seconds / 1000);
    EXPECT_EQ(S.VehicleData[4][4], typed.toStdString());
    EXPECT_EQ(S.RunDone, True);   // the run went
    EXPECT_FALSE(d->IsLoaded());  // and the dialog closed
    EXPECT_EQ(S.CalcRequested, True);
    S.RunDone = False;
  }
  EXPECT_TRUE(ui.asked.empty());

  frmDataLaunch* d = Open();
  Type(d->LaunchTime, "0.5");
  Calculate(d->LaunchTime);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid analysis time"});
  EXPECT_EQ(ui.asked[0].title, "Performance Calculation");
  EXPECT_TRUE(d->IsLoaded());
  EXPECT_EQ(d->focusWidget(), d->LaunchTime);
  EXPECT_EQ(S.RunDone, False);

  ui.asked.clear();
  Type(d->LaunchTime, "61");
  ui.answers = {Msg::No};
  Calculate(d->LaunchTime);
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
    Type(d->LaunchRPM, typed);
    Calculate(d->LaunchRPM);
    EXPECT_EQ(S.LaunchRPM, row);
    EXPECT_FALSE(d->IsLoaded());
  }
  frmDataLaunch* d = Open();
  Type(d->LaunchRPM, "7600");
  Calculate(d->LaunchRPM);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid launch RPM"});
  EXPECT_EQ(d->focusWidget(), d->LaunchRPM);
}

TEST_F(LaunchDialogTest, TrapLengthsFromLoadEmptiedTypedAndRefused) {
  frmDataLaunch* d = Open();  // 1/8 trap item empty: "66ft"
  Type(d->LaunchTime, "2");
  Calculate(d->LaunchTime);
  EXPECT_NEAR(S.Trap8Length, 66 * 0.3048, 0.01);
  const auto& g = S.VehicleData[4];
  EXPECT_EQ(g[1], "60");
  EXPECT_EQ(g[3], "4500");
  EXPECT_EQ(g[9], "66ft");
  EXPECT_EQ(g[10], "0");  // code 5 came back as "Before"
  EXPECT_EQ(g[12], "2");

  d = Open();
  Type(d->Launch4Trap, "51m");
  Calculate(d->Launch4Trap);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid speed trap length "});
  EXPECT_EQ(d->focusWidget(), d->Launch4Trap);
  Type(d->Launch8Trap, "");
  Type(d->Launch4Trap, "50m");
  Calculate(d->Launch4Trap);
  EXPECT_FALSE(d->IsLoaded());
  EXPECT_DOUBLE_EQ(S.Trap8Length, 18.29);
  EXPECT_DOUBLE_EQ(S.Trap4Length, 50);

  d = Open();
  Type(d->Launch4Trap, "20");
  Calculate(d->Launch4Trap);
  EXPECT_DOUBLE_EQ(S.Trap4Length, 20);
  EXPECT_EQ(ui.asked.size(), 1u);  // only the refusal above
}

TEST_F(LaunchDialogTest, AutoAcceptRunsAtLoadOrShowsTheDialogForCorrection) {
  S.VehicleData[4][4] = "2";
  S.AutoAccept = True;
  auto* d = static_cast<frmDataLaunch*>(Form::Instance("frmDataLaunch"));
  d->Show();
  EXPECT_EQ(S.RunDone, True);
  EXPECT_FALSE(d->IsLoaded());
  EXPECT_FALSE(d->isVisible());

  S.RunDone = False;
  S.CalcRequested = True;
  S.VehicleData[4][1] = "0";  // a stored value that fails its check
  d->Show();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Invalid throttle opening"});
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(S.RunDone, False);
  S.AutoAccept = False;
}

}  // namespace
}  // namespace kestrelon::test
