// The data forms as windows: typing, OK, Cancel and F2 under the offscreen platform.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "entry/entry_chain.h"
#include "entry/ui/data_forms.h"
#include "entry/ui/frmDataAero.h"
#include "entry/ui/frmDataChassis.h"
#include "entry/ui/frmDataGears.h"
#include "entry/ui/frmDataInertia.h"
#include "entry/ui/frmDataTyre.h"
#include "entry_test_support.h"
#include "platform/qt/text.h"

namespace kestrelon::test {
namespace {

class DataFormWindow : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    RegisterDataForms();
  }
  void TearDown() override {
    const std::vector<Form*> loaded = Form::LoadedForms();
    for (Form* form : loaded) form->Unload();
  }
  template <typename F>
  F* Open(const char* name) {
    auto* form = static_cast<F*>(Form::Instance(name));
    form->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    QCoreApplication::processEvents();
    return form;
  }
  static void Type(QLineEdit* box, const char* text) {
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, text);
  }
  static void TypeAndLeave(QLineEdit* box, const char* text) {
    Type(box, text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
  }
  void FillChassis(frmDataChassis* f) {
    for (auto [box, text] : {std::pair{f->ChassisWheelbase, "100in"}, {f->ChassisWeight, "1000kg"},
                             {f->ChassisCGL, "40in"}, {f->ChassisCGH, "20in"},
                             {f->ChassisFTravel, "0.1m"}, {f->ChassisFRate, "20000n/m"},
                             {f->ChassisFPrel, "500n"}})
      Type(box, text);
    f->ChassisFDamp->setCurrentIndex(0);
  }
};

TEST_F(DataFormWindow, ChassisAcceptedFiguresLandInTheModel) {
  auto* f = Open<frmDataChassis>("frmDataChassis");
  EXPECT_EQ(f->FormReady, True);
  EXPECT_EQ(S.ChassisFocusDone, True);
  EXPECT_FALSE(f->ChassisFDamp->isEditable());
  // A rear share typed and left gives the C.G. distance in the wheelbase unit.
  TypeAndLeave(f->ChassisWheelbase, "100in");
  TypeAndLeave(f->ChassisCGP, "60");
  EXPECT_EQ(StdText(f->ChassisCGL->text()), "40.0IN");
  FillChassis(f);
  QTest::mouseClick(f->ChassisOKButton, Qt::LeftButton);
  EXPECT_EQ(S.ChassisEntered, True);
  EXPECT_EQ(seam.resultRedraws, 1);  // opened on its own: the result windows follow its OK alone
  EXPECT_NEAR(S.ChassisWheelbase, 2.54f, 1e-5);
  EXPECT_NEAR(S.FrontDamping, 7905.7f, 0.1f);
  EXPECT_NEAR(S.FrontDampingHalf, 7905.7f / 2, 0.1f);
  EXPECT_EQ(S.VehicleData[2][1] + S.VehicleData[2][11], "100inH");
  EXPECT_EQ(S.ChassisFocusDone, False);
  EXPECT_FALSE(f->IsLoaded());
  EXPECT_GE(S.ChassisFormTop, 0);
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(DataFormWindow, RefusedOKShowsTheMessageAndChangesNothing) {
  S.ChassisWheelbase = 3.0f;
  S.VehicleData[2][1] = "3m";
  auto* f = Open<frmDataChassis>("frmDataChassis");
  FillChassis(f);
  Type(f->ChassisCGH, "-2in");
  QTest::mouseClick(f->ChassisOKButton, Qt::LeftButton);
  ExpectAsked(seam.asked, 1, "C.G. at invalid height above ground ", "Chassis data", 32);
  EXPECT_EQ(S.ChassisWheelbase, 3.0f);  // read before the refusal, then put back
  EXPECT_EQ(S.VehicleData[2][1], "3m");
  EXPECT_EQ(S.ChassisEntered, False);
  EXPECT_TRUE(f->IsLoaded());
  EXPECT_EQ(f->focusWidget(), f->ChassisCGH);

  // F2 on a refused field shows the message only: no pre-check.
  QTest::keyClick(f->ChassisCGH, Qt::Key_F2);
  ExpectAsked(seam.asked, 2, "C.G. at invalid height above ground ");

  // Cancel writes nothing.
  QTest::mouseClick(f->ChassisCancelButton, Qt::LeftButton);
  EXPECT_FALSE(f->IsLoaded());
  EXPECT_EQ(S.ChassisWheelbase, 3.0f);
  EXPECT_EQ(S.ChassisFocusDone, False);  // the next opening focuses the first field again
}

TEST_F(DataFormWindow, F2AcceptsKeepsTheFormOpenAndChecksTheRun) {
  auto* f = Open<frmDataChassis>("frmDataChassis");
  FillChassis(f);
  QTest::keyClick(f->ChassisFPrel, Qt::Key_F2);
  EXPECT_EQ(S.ChassisEntered, True);
  EXPECT_TRUE(f->IsLoaded());
  ExpectAsked(seam.asked, 1, "Engine data not yet entered", "Run Simulation");
  QTest::keyClick(f->ChassisFPrel, Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(seam.asked.size(), 2u);
  S.RunDone = True;  // a run made before a section went: F2 names it, as the run set-up does,
  S.PointCount = 5;  // and makes no run, which would take the last run's results
  QTest::keyClick(f->ChassisFPrel, Qt::Key_F2);
  ExpectAsked(seam.asked, 3, "Engine data not yet entered");
  EXPECT_EQ(S.PointCount, 5);
}

TEST_F(DataFormWindow, OKBeforeTheFirstPaintIsIgnored) {
  auto* f = static_cast<frmDataChassis*>(Form::Instance("frmDataChassis"));
  f->Load();
  f->RunOK();
  EXPECT_EQ(S.ChassisEntered, False);
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(DataFormWindow, ChassisPresetsAndDriveRules) {
  Cfg.DUnits = "M";
  auto* f = Open<frmDataChassis>("frmDataChassis");
  Type(f->ChassisWheelbase, "2.5m");
  Type(f->ChassisWeight, "1000kg");
  Type(f->ChassisCGL, "1m");
  QTest::mouseClick(f->SuspHard, Qt::LeftButton);
  EXPECT_EQ(StdText(f->ChassisFRate->text()), "118N/mm");
  EXPECT_EQ(f->ChassisFDamp->currentIndex(), 0);
  QTest::mouseClick(f->FWDOpt, Qt::LeftButton);
  EXPECT_FALSE(f->ChassisWBL->isEnabled());
  QTest::mouseClick(f->RWDOpt, Qt::LeftButton);
  EXPECT_TRUE(f->ChassisWBL->isEnabled());
}

TEST_F(DataFormWindow, TyreDiameterFollowsTheSizeAndFlatTyreIsRefused) {
  Cfg.DUnits = "M";
  S.ChassisEntered = True;
  auto* f = Open<frmDataTyre>("frmDataTyre");
  EXPECT_EQ(StdText(f->TyreStartTemp->text()), "70c");  // the burnout temperature's default
  EXPECT_EQ(S.VehicleData[3][19], "") << "shown; only the OK stores it";
  Type(f->TyreWidth, "300mm");
  Type(f->TyreAspect, "50");
  TypeAndLeave(f->TyreWDia, "15in");
  EXPECT_EQ(StdText(f->TyreDia->text()), "681.0mm");
  Type(f->TyreMu, "1.2");
  Type(f->TyrePress, "6800pa");
  QTest::mouseClick(f->TyreOKButton, Qt::LeftButton);
  ExpectAsked(seam.asked, 1, "Tyre is flat! ", "Wheel and Tyre data");
  EXPECT_EQ(S.TyreWidth, 0);  // read before the refusal, then put back
  EXPECT_EQ(f->focusWidget(), f->TyrePress);
}

TEST_F(DataFormWindow, AeroStandardDayDisablesTheWeather) {
  auto* f = Open<frmDataAero>("frmDataAero");
  f->StandardDay->click();
  EXPECT_FALSE(f->AeroPress->isEnabled());
  EXPECT_FALSE(f->AeroHumidLabel->isEnabled());
  EXPECT_TRUE(f->AeroSpeed->isEnabled());
  Type(f->AeroArea, "");
  QTest::mouseClick(f->Command1, Qt::LeftButton);
  ExpectAsked(seam.asked, 1, "Invalid frontal area ", "Aerodynamic Factors");
}

TEST_F(DataFormWindow, GearsTableAndUpshiftQuestion) {
  S.MaxRPMIndex = 80;
  S.MinRPMIndex = 30;
  S.RearTyreRadius = 0.3f;
  S.VehicleData[10][18] = "Y";
  auto* f = Open<frmDataGears>("frmDataGears");
  EXPECT_EQ(S.PowerShift, False) << "power shifts shown ticked; only the OK takes them";
  EXPECT_EQ(StdText(f->GearSpeedLabel->text()), "MPH at  8000 RPM");
  Type(f->TransPrimary, "1");
  TypeAndLeave(f->TransFinal, "17 : 37");
  EXPECT_EQ(StdText(f->TransFinal->text()), "17:37");
  TypeAndLeave(f->GearInternal[0], "3.5:1");
  EXPECT_EQ(StdText(f->GearOverall[0]->text()), "7.618:1");
  // Metric units: at the next paint the speeds follow their heading.
  const double mph = f->GearSpeed[0]->text().toDouble();
  Cfg.DUnits = "M";
  f->update();
  ASSERT_TRUE(QTest::qWaitFor([f] { return f->GearSpeedLabel->text().startsWith("Km/h"); }));
  EXPECT_NEAR(f->GearSpeed[0]->text().toDouble(), mph * 1.609, 0.01);
  // Tyres twice as tall accepted while the form is open: the figures follow.
  S.RearTyreRadius = 0.6f;
  QMetaObject::invokeMethod(f, "RedrawFromModel");
  EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(f->GearSpeed[0]->text().toDouble() - mph * 3.218) < 0.03; }));
  Type(f->GearInternal[1], "2");
  Type(f->GearRPM[0], "8500");
  seam.answers = {Msg::Cancel};
  QTest::mouseClick(f->GearOKButton, Qt::LeftButton);
  ExpectAsked(seam.asked, 1, "Upshift RPM higher than Maximum engine RPM", "Transmission Data", 33);
  EXPECT_EQ(S.TransmissionEntered, False);
  EXPECT_EQ(f->focusWidget(), f->GearRPM[0]);
  // Under F2 the question is not asked and row 85 is kept.
  QTest::keyClick(f->GearRPM[0], Qt::Key_F2);
  EXPECT_EQ(S.TransmissionEntered, True);
  EXPECT_EQ(S.GearRPM[1], 85);
  EXPECT_EQ(S.GearCount, 2);
  // Only the run pre-check that follows F2.
  ExpectAsked(seam.asked, 2, "Engine data not yet entered", "Run Simulation");
}

// While a refused box's message is up the focus goes back to it, so the box the user had
// entered loses the focus again (a few times at most, should the handlers answer each other).
struct FocusReturningUi : ScriptedUi {
  QWidget* entered = nullptr;
  int MsgBox(const std::string& text, int style, const std::string& title) override {
    const int answer = ScriptedUi::MsgBox(text, style, title);
    if (asked.size() < 5) {
      QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
      QCoreApplication::sendEvent(entered, &out);
    }
    return answer;
  }
};

TEST_F(DataFormWindow, TwoRefusedDriveRatiosDoNotTradeTheFocus) {
  auto* f = Open<frmDataGears>("frmDataGears");
  FocusReturningUi returning;
  returning.entered = f->TransFinal;
  ScopedUi scopedReturning{returning};
  f->TransFinal->setText("0");
  TypeAndLeave(f->TransPrimary, "-1");
  ExpectAsked(returning.asked, 1, "Primary drive ratio Invalid", "Transmission Data");
}

TEST_F(DataFormWindow, InertiaFromStrokeAndMass) {
  S.ClutchInertia = 0.05f;
  S.TransPrimary = 2;
  S.VehicleData[6][13] = "10in";
  auto* f = Open<frmDataInertia>("frmDataInertia");
  EXPECT_FALSE(f->InertiaClutchDia->isEnabled());
  Type(f->InertiaCrankStroke, "0.1m");
  Type(f->InertiaCrankMass, "20kg");
  Type(f->InertiaCrank, "nonsense");  // the estimate wins; the box is not read
  QTest::mouseClick(f->InertiaOKButton, Qt::LeftButton);
  EXPECT_FLOAT_EQ(S.InertiaCrank, 0.08f);
  EXPECT_FLOAT_EQ(S.EngineInertia, 0.0925f);
  ExpectItems({{6, 5, "0.1m"}, {6, 7, "nonsense"}, {6, 13, "10in"}});
}

}  // namespace
}  // namespace kestrelon::test
