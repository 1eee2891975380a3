#include "entry/ui/frmDataClutch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "entry/ui/data_forms.h"
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
    S.EngineEntered = True;
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 70;
    for (int j = 20; j <= 70; ++j) S.PowerCurve[0][j] = 300;
    S.EngineSummary[0][0] = 300;
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
  EXPECT_TRUE(form->ClutchTorqueStatic->isEnabled());
  EXPECT_FALSE(form->ConverterSlip->isEnabled());
  form->ClutchType->setCurrentIndex(3);
  form->ClutchType_Change();
  EXPECT_FALSE(form->ClutchTorqueStatic->isEnabled());
  EXPECT_TRUE(form->ConverterSlip->isEnabled());
  EXPECT_FALSE(form->ClutchUseSpec->isEnabled());
  form->ClutchCancelButton->click();
  EXPECT_EQ(S.ClutchType, "") << "the working code stays inside the form";
}

TEST_F(ClutchForm, DefaultsFillTheBoxesOfTheType) {
  form->Show();
  form->DefaultsButton->click();
  EXPECT_EQ(form->ClutchTorqueStatic->text(), "402.5lb/ft");
  EXPECT_EQ(form->ClutchEngageFinal->text(), ".75");
  EXPECT_TRUE(seam.asked.empty());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->ClutchOKButton->click();
  EXPECT_TRUE(seam.asked.empty()) << seam.asked[0].text;
  EXPECT_EQ(S.ClutchType, "N");
  EXPECT_NEAR(S.ClutchTorqueStatic, 402.5 * 1.3567, 0.1);
  EXPECT_EQ(S.ClutchEntered, True);
}

TEST_F(ClutchForm, AutomaticPassStopsAtARefusedFieldForCorrection) {
  S.VehicleData[6][13] = "-1m";
  S.VehicleData[6][8] = "300lb/ft";
  S.AutoAccept = True;
  form->Load();
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "Clutch diameter invalid ");
  EXPECT_EQ(seam.asked[0].title, "Clutch setup");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(S.AutoAccept, False);
  EXPECT_EQ(S.ClutchDiameter, 0);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->ClutchDiameter->setText("10in");
  form->ClutchOKButton->click();
  EXPECT_EQ(S.ClutchEntered, True);
  EXPECT_EQ(S.AutoAccept, True) << "the pass goes on after the correction";
}

}  // namespace
}  // namespace kestrelon
