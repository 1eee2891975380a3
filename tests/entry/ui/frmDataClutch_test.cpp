#include "entry/ui/frmDataClutch.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "entry/ui/data_forms.h"
#include "entry/ui/frmDataClutchTimers.h"
#include "entry/entry_test_support.h"
#include "platform/qt/form.h"

namespace kestrelon {
namespace {

class ClutchForm : public test::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    Cfg.PUnits = "I";
    RegisterDataForms();
    FlatEngine(20, 70, 300);
    S.EngineSummary[0][1] = 50;
    S.EngineSummary[1][0] = 350;
    form = static_cast<frmDataClutch*>(Form::Instance("frmDataClutch"));
  }
  void TearDown() override { Form::DeleteInstances(); }
  frmDataClutch* form = nullptr;
};

TEST_F(ClutchForm, StoredConventionalOpensWithTheWorkingCode) {
  S.VehicleData[6][12] = "N";
  form->Show();
  EXPECT_EQ(form->ClutchType->currentText(), "Conventional");
  EXPECT_EQ(form->TypeCode, "C");
  EXPECT_TRUE(form->ClutchTorqueStatic->isEnabled() && !form->ConverterSlip->isEnabled());
  form->ClutchType->setCurrentIndex(3);
  form->ClutchType_Change();
  EXPECT_TRUE(!form->ClutchTorqueStatic->isEnabled() && form->ConverterSlip->isEnabled());
  EXPECT_FALSE(form->ClutchUseSpec->isEnabled());
  form->ClutchCancelButton->click();
  EXPECT_EQ(S.ClutchType, "") << "the working code stays inside the form";
}

TEST_F(ClutchForm, StoredAutomaticClutchKeepsItsEngagementBoxesOff) {
  test::SetItems({{6, 19, "Y"}, {1, 6, "30"}});
  form->Show();
  EXPECT_TRUE(form->ClutchFeather->isChecked());
  EXPECT_EQ(form->ClutchEngageInitialPC->text() + "|" + form->ClutchEngageFinal->text(), "30|.2");
  EXPECT_FALSE(form->ClutchEngageInitial->isEnabled());
  form->Unload();

  // The ticked specification applies the layout once more, which switches them on.
  S.VehicleData[1][13] = "Y";
  form->Show();
  EXPECT_EQ(S.ClutchUseSpec, False) << "only the OK takes the specification";
  EXPECT_TRUE(form->ClutchEngageInitial->isEnabled());
  EXPECT_FALSE(form->ClutchTorqueStatic->isEnabled());
  EXPECT_TRUE(form->ClutchFrictions->isEnabled());
  EXPECT_FALSE(form->ClutchAG->isEnabled()) << "the air gap is a slider's";
}

TEST_F(ClutchForm, DefaultsFillTheBoxesOfTheType) {
  form->Show();
  form->DefaultsButton->click();
  EXPECT_EQ(form->ClutchTorqueStatic->text() + "|" + form->ClutchEngageFinal->text(),
            "402.5lb/ft|.75");
  EXPECT_TRUE(seam.asked.empty());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->ClutchOKButton->click();
  EXPECT_TRUE(seam.asked.empty()) << seam.asked[0].text;
  EXPECT_EQ(S.ClutchType, "N");
  EXPECT_NEAR(S.ClutchTorqueStatic, 402.5 * 1.3567, 0.1);
  EXPECT_EQ(S.ClutchEntered, True);
}

TEST_F(ClutchForm, AutomaticPassStopsAtARefusedFieldForCorrection) {
  test::SetItems({{6, 13, "-1m"}, {6, 8, "300lb/ft"}});
  S.AutoAccept = True;
  form->Load();
  test::ExpectAsked(seam.asked, 1, "Clutch diameter invalid ", "Clutch setup");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(S.AutoAccept, False);
  EXPECT_EQ(S.ClutchDiameter, 0);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->ClutchDiameter->setText("10in");
  form->ClutchOKButton->click();
  EXPECT_EQ(S.ClutchEntered, True);
  EXPECT_EQ(S.AutoAccept, True) << "the pass goes on after the correction";
}

TEST_F(ClutchForm, RefusedTimersComeUpModalDuringThePassBeforeTheClutchGoesOn) {
  test::SetItems(
      {{6, 12, "L"}, {6, 8, "300lb/ft"}, {6, 9, "400lb/ft"}, {1, 14, "30"}, {1, 15, "-5"},
       {1, 16, "40"}});
  auto* timers = static_cast<frmDataClutchTimers*>(Form::Instance("frmDataClutchTimers"));
  S.AutoAccept = True;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    modal = QApplication::activeModalWidget() == timers;
    timers->ClTimerPC[1]->setText("50");
    timers->ClTimerOK->click();
  });
  form->Load();
  test::ExpectAsked(seam.asked, 1, "Clutch Timer weight percentage must be between 0 and 100",
                    "Clutch Timers", Msg::Question);
  EXPECT_TRUE(modal);
  EXPECT_FALSE(timers->IsLoaded()) << "never left loaded and hidden";
  EXPECT_EQ(S.ClutchEntered, True);
  EXPECT_NEAR(S.ClutchTimerWeight[1], 0.8f, 1e-6);
  EXPECT_EQ(S.VehicleData[1][15], "50");
}

}  // namespace
}  // namespace kestrelon
