// A refusal during the automatic pass shows the refusing form and waits for its correction.
#include <QTest>

#include "entry/entry_chain.h"
#include "entry/ui/data_forms.h"
#include "entry/ui/frmDataTyre.h"
#include "entry_test_support.h"
#include "files/example_vehicles.h"
#include "power/power_curve.h"

namespace kestrelon::test {
namespace {

class AutomaticPass : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    RegisterDataForms();
    LoadExampleVehicle("WESTFLD");
    S.MinRPMIndex = 30;
    S.MaxRPMIndex = 75;
    UpdateEngineSummary(0);
    S.EngineEntered = True;
    S.CurveEntered = {True, True, True};
    S.AutoAccept = True;
    S.DataSequence = True;
  }
  void TearDown() override {
    const std::vector<Form*> loaded = Form::LoadedForms();
    for (Form* form : loaded) form->Unload();
    AutomaticPassAbandoned = nullptr;
  }
};

TEST_F(AutomaticPass, ARefusingFormStopsThePassForCorrection) {
  S.VehicleData[3][5] = "0psi";  // a flat rear tyre
  DataFormsSequence();
  auto* tyre = static_cast<frmDataTyre*>(Form::Instance("frmDataTyre"));
  ExpectAsked(seam.asked, 1, "Tyre is flat! ");
  EXPECT_TRUE(tyre->isVisible());
  EXPECT_EQ(S.AutoAccept | S.TyreEntered | S.AeroEntered, False);

  // Corrected and accepted under F2, the form stays open and the pass waits for its OK.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(tyre));
  QCoreApplication::processEvents();
  tyre->TyrePress->setText("18psi");
  tyre->Form_KeyDown(Qt::Key_F2, 0);
  EXPECT_EQ(S.TyreEntered, True);
  EXPECT_EQ(S.AutoAccept | S.AeroEntered, False);
  EXPECT_TRUE(tyre->IsLoaded());
  // Its OK lets the pass go on by itself.
  tyre->RunOK();
  EXPECT_EQ(S.TransmissionEntered, True);
  EXPECT_FALSE(Form::Instance("frmDataAero")->isVisible());
}

TEST_F(AutomaticPass, CancelAfterARefusalTellsWhoeverWaits) {
  bool told = false;
  AutomaticPassAbandoned = [&told] { told = true; };
  S.VehicleData[2][1] = "";  // no wheelbase
  DataFormsSequence();
  EXPECT_EQ(seam.asked.at(0).text, "Invalid wheelbase ");
  auto* chassis = Form::Instance("frmDataChassis");
  ASSERT_TRUE(chassis->IsLoaded());
  static_cast<DataForm*>(chassis)->CancelButton_Click();
  EXPECT_TRUE(told);
  EXPECT_EQ(S.AutoAccept, False);
  EXPECT_EQ(S.DataSequence, True);
}

}  // namespace
}  // namespace kestrelon::test
