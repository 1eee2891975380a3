#include "entry/ui/frmDataNitrous.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "entry/entry_test_support.h"
#include "entry/ui/data_forms.h"
#include "entry/ui/frmNitrousAdjust.h"
#include "platform/qt/form.h"

namespace kestrelon {
namespace {

class NitrousForm : public test::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    RegisterDataForms();
    S.GearCount = 4;
    FlatEngine(20, 30, 300);
    S.AeroTemp = 15.5f;
    S.DryDensityRatio = 1.0f;
    S.EngineSummary[1][0] = 350;  // a first stage, no second
    const char* items[] = {"5.7l", "4", "100", "0.043in", "100", "850psi", "100", "0", "4"};
    for (int k = 1; k <= 9; ++k) S.VehicleData[0][k] = items[k - 1];
    S.VehicleData[5][19] = "Y";  // stage 1 is calculated
    S.VehicleData[8][1] = "2";
    form = static_cast<frmDataNitrous*>(Form::Instance("frmDataNitrous"));
  }
  void TearDown() override { Form::DeleteInstances(); }
  frmDataNitrous* form = nullptr;
};

TEST_F(NitrousForm, AutomaticPassRebuildsACalculatedStageUnseen) {
  S.AutoAccept = True;
  form->Load();
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_GT(S.PowerCurve[1][25], 300);
  EXPECT_EQ(S.NitrousEntered, True);
  EXPECT_EQ(S.NitrousSG1, 2);
  EXPECT_TRUE(Form::LoadedForms().empty());
}

TEST_F(NitrousForm, RefusedCalculatorComesUpForCorrectionDuringThePass) {
  S.VehicleData[0][8] = "";  // no base curve picked
  S.AutoAccept = True;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    auto* calculator = static_cast<frmNitrousAdjust*>(Form::FindLoaded("frmNitrousAdjust"));
    ASSERT_NE(calculator, nullptr);
    modal = QApplication::activeModalWidget() == calculator;
    calculator->PCurve->setCurrentIndex(0);
    calculator->cmdOK->click();
  });
  form->Load();
  test::ExpectAsked(seam.asked, 1, "You must select a power curve", "Nitrous Power", Msg::OKOnly);
  EXPECT_TRUE(modal);
  EXPECT_EQ(S.VehicleData[0][8], "0");
  EXPECT_GT(S.PowerCurve[1][25], 300);
  EXPECT_EQ(S.NitrousEntered, True) << "the nitrous form goes on once the stage is built";
  EXPECT_TRUE(Form::LoadedForms().empty());
}

TEST_F(NitrousForm, ShownFormOffersTheCalculatorAndFollowsTheCurves) {
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  EXPECT_TRUE(form->cmdCalc[1]->isEnabled());
  EXPECT_EQ(S.PowerCurve[1][25], 0) << "a stored tick does not open the calculator";
  const auto escCalculator = [this] {
    QTimer::singleShot(0, form, [] { if (Form* c = Form::FindLoaded("frmNitrousAdjust")) QTest::keyClick(c, Qt::Key_Escape); });
  };
  escCalculator();
  form->ShowVehicleData();
  EXPECT_TRUE(form->NCalculate[1]->isChecked()) << "nor does the refill of the open form";
  EXPECT_TRUE(form->UseStage[1]->isChecked() && form->NitrousSG[1]->isEnabled());
  EXPECT_FALSE(form->UseStage[2]->isChecked() || form->NitrousSG[2]->isEnabled())
      << "no second-stage curve";
  form->NCalculate[1]->click();
  EXPECT_FALSE(form->cmdCalc[1]->isEnabled());
  escCalculator();
  form->NCalculate[1]->click();  // ticked by hand: the calculator, whose Esc leaves the stage off it
  EXPECT_FALSE(form->NCalculate[1]->isChecked() || form->cmdCalc[1]->isEnabled());
  // Its OK changes the vehicle as a form's OK does, and an open curve graph's Cancel keeps it.
  QTimer::singleShot(0, form, [] { static_cast<frmNitrousAdjust*>(Form::FindLoaded("frmNitrousAdjust"))->cmdOK->click(); });
  form->NCalculate[1]->click();
  EXPECT_EQ(std::tuple(S.VehicleChanges, S.CurveEntryStart.calcSetUp.figures[0][1] > 0), std::tuple(1, true));
  form->Command1->click();
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_EQ(S.NitrousEntered, True);
  EXPECT_EQ(S.VehicleData[5][19], "Y");
  EXPECT_FALSE(form->IsLoaded());
}

TEST_F(NitrousForm, TickingProgressiveNitrousMovesNoBox) {
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->ProgStage[1]->setChecked(false);
  form->ProgStage[1]->click();  // ticked: the progression labels come up
  QApplication::processEvents();
  const QRect shownLayout = form->NStartRPM[1]->geometry();
  const QRect delayBox = form->NitrousDT[1]->geometry();
  form->ProgStage[1]->click();  // and go again
  QApplication::processEvents();
  EXPECT_EQ(std::tuple(form->NStartRPM[1]->geometry(), form->NitrousDT[1]->geometry()),
            std::tuple(shownLayout, delayBox));
  form->Command2->click();
}

}  // namespace
}  // namespace kestrelon
