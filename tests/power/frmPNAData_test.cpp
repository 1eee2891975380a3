#include "power/ui/frmPNAData.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "power/enter_power_curve.h"
#include "power/power_curve.h"
#include "power_window_fixture.h"

namespace kestrelon {
namespace {

class PeakEntryForm : public test::PowerWindowTest {
 protected:
  // Runs the curve entry of a column while `user` works the modal form.
  void EnterWith(Integer column, std::function<void(frmPNAData&)> user) {
    QTimer::singleShot(0, [user] {
      auto* form = static_cast<frmPNAData*>(Form::FindLoaded(QStringLiteral("frmPNAData")));
      ASSERT_NE(form, nullptr);
      user(*form);
    });
    EnterPowerCurve(column, 0);
  }
};

TEST_F(PeakEntryForm, PeakPowerAloneGivesACurveOnTheGraph) {
  S.VehicleData[6][1] = "7000";
  S.VehicleData[6][2] = "500";
  S.PowerCurve[0][30] = 99;  // kept unless erased
  EnterWith(0, [](frmPNAData& f) {
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Power with no nitrous"));
    EXPECT_EQ(f.MaxBHP->text(), QStringLiteral("500"));
    EXPECT_TRUE(f.MinRPM->isVisibleTo(&f));
    QTest::keyClicks(f.MaxPRPM, "7000");
    QTest::keyClicks(f.PowerDescript, "Street engine");
    QTest::keyClick(&f, Qt::Key_Return);
  });
  EXPECT_EQ(S.CancelFlag, 0);
  EXPECT_NEAR(S.PowerCurve[0][52], 431.41, 0.01);  // the synthesized peak torque
  EXPECT_FLOAT_EQ(S.PowerCurve[0][30], 99);
  EXPECT_FLOAT_EQ(S.PowerCurveBackup[30], 99);
  EXPECT_EQ(S.PowerDescript[0], "Street engine");
  EXPECT_EQ(S.GraphRPMTop, 8000);
  EXPECT_EQ(S.CurvePeakValue, 500);
  Form* graph = Form::FindLoaded(QStringLiteral("frmGraphPower"));
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("Street engine"));
}

TEST_F(PeakEntryForm, RefusedFiguresKeepTheFormThenCancelAbandons) {
  S.MaxRPMIndex = 60;
  S.PowerCurve[0][40] = 300;
  EnterWith(0, [this](frmPNAData& f) {
    f.MaxRPM->setText(QStringLiteral("20001"));
    f.MaxBHP->setText(QStringLiteral("400"));
    QTest::mouseClick(f.OKButton, Qt::LeftButton);
    ASSERT_EQ(seam.asked.size(), 1u);
    EXPECT_EQ(seam.asked[0].text, "Maximum RPM out of range");
    EXPECT_TRUE(f.IsLoaded());
    EXPECT_EQ(f.focusWidget(), f.MaxRPM);
    QTest::keyClick(&f, Qt::Key_Escape);
  });
  EXPECT_EQ(S.CancelFlag, 1);
  EXPECT_EQ(S.LoadFailed, True);
  EXPECT_EQ(S.MaxRPMIndex, 60);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][40], 300);
  EXPECT_EQ(Form::FindLoaded(QStringLiteral("frmGraphPower")), nullptr);
}

TEST_F(PeakEntryForm, NitrousStageHidesTheEngineBoxesAndErasesOnRequest) {
  S.MinRPMIndex = 30;
  S.MaxRPMIndex = 70;
  S.CurveEntered[0] = True;
  for (int r = 30; r <= 70; ++r) S.PowerCurve[0][r] = 400;  // 533 BHP at 7000
  S.PowerCurve[1][20] = 50;
  EnterWith(1, [](frmPNAData& f) {
    EXPECT_FALSE(f.MaxRPM->isVisibleTo(&f));
    EXPECT_FALSE(f.LaunchTemp->isVisibleTo(&f));
    EXPECT_EQ(f.MaxBHP->text(), QStringLiteral("693"));  // 533 x 1.3
    f.MaxPRPM->setText(QStringLiteral("6500"));
    f.ErasePower->setChecked(true);
    QTest::mouseClick(f.OKButton, Qt::LeftButton);
  });
  EXPECT_EQ(S.CancelFlag, 0);
  EXPECT_EQ(S.MinRPM, 3000);
  EXPECT_EQ(S.PowerCurve[1][20], 0);  // erased below the synthesized rows
  EXPECT_GT(S.PowerCurve[1][30], 0);
  EXPECT_FLOAT_EQ(S.PowerCurveBackup[20], 50);
}

}  // namespace
}  // namespace kestrelon
