#include "entry/entry_chain.h"

#include <vector>

#include "core/commands.h"
#include "entry/form_openers.h"
#include "entry_test_support.h"

namespace kestrelon::test {
namespace {

// Stand-in windows: each records its opening and, during the automatic pass, accepts its
// section and hands on as a data form's load does.
class EntryChain : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    const std::pair<EntryForm, Integer*> forms[] = {
        {EntryForm::Chassis, &S.ChassisEntered},   {EntryForm::Tyre, &S.TyreEntered},
        {EntryForm::Aero, &S.AeroEntered},         {EntryForm::Gears, &S.TransmissionEntered},
        {EntryForm::Nitrous, &S.NitrousEntered},   {EntryForm::Clutch, &S.ClutchEntered},
        {EntryForm::Inertia, &S.InertiaEntered},   {EntryForm::Throttle, &S.ThrottleEntered},
        {EntryForm::RunSetup, nullptr}};
    for (auto [form, flag] : forms)
      SetFormOpener(form, [this, form, flag] {
        opened.push_back(form);
        if (S.AutoAccept && flag) {
          *flag = True;
          if (S.DataSequence) DataFormsSequence();
        }
      });
    Hooks.EnterPowerCurve = [this](Integer column, Integer) {
      curves.push_back(column);
      S.CurveEntered[column] = True;
      if (column == 0) S.EngineEntered = True;
    };
  }
  void TearDown() override {
    for (int f = 0; f <= static_cast<int>(EntryForm::RunSetup); ++f)
      SetFormOpener(static_cast<EntryForm>(f), nullptr);
    Hooks.EnterPowerCurve = nullptr;
  }
  // A new model in the automatic guided pass, with this curve span and rev-limit text.
  static void Fresh(int lo, int hi, const char* revLimit) {
    S = SharedState{};
    S.MinRPMIndex = lo;
    S.MaxRPMIndex = hi;
    S.VehicleData[9][2] = revLimit;
    S.DataSequence = S.AutoAccept = True;
  }
  std::vector<EntryForm> opened;
  std::vector<int> curves;
};

TEST_F(EntryChain, PreCheckNamesTheFirstMissingSection) {
  RunSimulationCheck();
  ExpectAsked(seam.asked, 1, "Engine data not yet entered", "Run Simulation", 32);

  S.EngineEntered = S.TransmissionEntered = S.ChassisEntered = S.ClutchEntered = True;
  S.InertiaEntered = S.TyreEntered = True;
  RunSimulationCheck();
  ExpectAsked(seam.asked, 2, "Aerodynamic data has not yet been entered");
  S.AeroEntered = True;
  S.Calculating = True;
  RunSimulationCheck();
  EXPECT_TRUE(opened.empty());
  S.Calculating = False;
  RunSimulationCheck();
  EXPECT_EQ(opened, std::vector<EntryForm>{EntryForm::RunSetup});
  EXPECT_EQ(seam.asked.size(), 2u);

  // A first-stage curve and throttle-stop texts, their sections not entered: their forms open.
  S.NitrousEntered = S.ThrottleEntered = False, S.EngineSummary[1][0] = 400, S.VehicleData[9][4] = "1";
  RunSimulationCheck(), ExpectAsked(seam.asked, 3, "Nitrous data has not yet been entered");
  S.NitrousEntered = True, RunSimulationCheck(), ExpectAsked(seam.asked, 4, "Throttle data has not yet been entered");
  EXPECT_EQ(opened, (std::vector{EntryForm::RunSetup, EntryForm::Nitrous, EntryForm::Throttle}));
}

TEST_F(EntryChain, GuidedEntryOpensOneFormPerCall) {
  DataFormsSequence();
  EXPECT_EQ(opened, std::vector<EntryForm>{EntryForm::Chassis});
  EXPECT_EQ(S.DataSequence, True);
  S.ChassisEntered = S.TyreEntered = S.AeroEntered = True;
  DataFormsSequence();
  EXPECT_EQ(opened.back(), EntryForm::Gears);
  // Without an engine curve the chain rests after the transmission.
  S.TransmissionEntered = True;
  opened.clear();
  DataFormsSequence();
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(S.DataSequence, True);
}

TEST_F(EntryChain, AutomaticPassSkipsEmptyNitrousAndThrottleSections) {
  struct BusyUi : ScriptedUi {
    bool busy = true;
    void SetBusyCursor(bool on) override { busy = on; }
  } ui;
  ScopedUi scoped(ui);
  S.EngineEntered = True;
  S.AutoAccept = True;
  S.NitrousSG1 = 3;
  DataFormsSequence();
  const std::vector<EntryForm> expected{EntryForm::Chassis, EntryForm::Tyre, EntryForm::Aero,
                                        EntryForm::Gears,   EntryForm::Clutch, EntryForm::Inertia};
  EXPECT_EQ(opened, expected);
  EXPECT_EQ(S.NitrousEntered & S.ThrottleEntered & S.VehicleLoadDone, True);
  EXPECT_EQ(S.NitrousSG1, 10);
  EXPECT_EQ(S.NitrousSG2, 10);
  EXPECT_EQ(S.AutoAccept | S.DataSequence, False);
  ExpectAsked(ui.asked, 1, "Data successfully loaded", "Load data", 64);
  EXPECT_FALSE(ui.busy);  // the pass ends with the normal cursor

  // A command-line run completes without the box.
  S = SharedState{};
  S.EngineEntered = True;
  S.AutoAccept = True;
  S.CommandArgCount = 2;
  DataFormsSequence();
  EXPECT_EQ(S.VehicleLoadDone, True);
  EXPECT_EQ(ui.asked.size(), 1u);

  // An entry the racer made form by form is no load: no box, and no pass is marked done.
  S = SharedState{};
  S.EngineEntered = True;
  S.AutoAccept = True;
  DataFormsSequence();
  S.AutoAccept = False;
  S.VehicleLoadDone = False;
  DataFormsSequence();
  EXPECT_EQ(S.VehicleLoadDone, False);
  EXPECT_EQ(ui.asked.size(), 2u);  // only the first, automatic pass told of its load
}

TEST_F(EntryChain, ThrottleStopsAndNitrousCurveOpenTheirForms) {
  S.EngineEntered = True;
  S.EngineSummary[1][0] = 50;
  S.VehicleData[9][4] = " 70 ";  // the first throttle stop item
  S.AutoAccept = True;
  DataFormsSequence();
  EXPECT_EQ(opened[4], EntryForm::Nitrous);
  EXPECT_EQ(opened.back(), EntryForm::Throttle);
}

TEST_F(EntryChain, InputDataTakesTheCurvesThenTheForms) {
  Fresh(30, 80, "7550");
  InputData(1, False);
  EXPECT_EQ(curves, std::vector<int>{0});  // no stage data: both stages passed over
  EXPECT_EQ(S.CurveEntered[1] & S.CurveEntered[2], True);
  EXPECT_EQ(S.RevLimitIndex, 75);
  EXPECT_EQ(S.InputDataPending, False);
  EXPECT_EQ(S.InputDataMode, 1);
  EXPECT_EQ(opened.front(), EntryForm::Chassis);

  // Asking for every stage enters both; a rev limit text with letters is left alone.
  Fresh(0, 0, "75OO");
  curves.clear();
  S.RevLimitIndex = 60;
  InputData(1, True);
  EXPECT_EQ(curves, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(S.RevLimitIndex, 60);

  // A rev limit text outside the curve gives the top of the curve.
  for (const char* text : {"3", "9900"}) {
    Fresh(20, 108, text);
    InputData(1, False);
    EXPECT_EQ(S.RevLimitIndex, text[0] == '3' ? 108 : 99) << text;
  }
}

TEST_F(EntryChain, AbandonedEngineEntryEndsTheSequence) {
  Hooks.EnterPowerCurve = [](Integer, Integer) { S.LoadFailed = True; };
  S.DataSequence = True;
  InputData(0, False);
  ExpectAsked(seam.asked, 1, "Data entry cancelled", "Input data", 48);
  EXPECT_EQ(std::tuple(S.DataSequence, S.InputDataPending), std::tuple(False, False));  // nothing resumes it
  EXPECT_TRUE(opened.empty());
}

TEST_F(EntryChain, ModelessCurveEntryWaitsForItsResume) {
  S.CurveEntered[0] = True;
  S.EngineEntered = True;
  S.PowerCurve[1][40] = 20;
  S.DataSequence = True;
  Hooks.EnterPowerCurve = [this](Integer column, Integer) { curves.push_back(column); };
  InputData(0, False);
  EXPECT_EQ(curves, std::vector<int>{1});
  EXPECT_TRUE(opened.empty());
  // The curve graph's OK marks the stage and resumes.
  S.CurveEntered[1] = True;
  InputDataResume();
  EXPECT_EQ(S.CurveEntered[2], True);
  EXPECT_EQ(opened, std::vector<EntryForm>{EntryForm::Chassis});
}

}  // namespace
}  // namespace kestrelon::test
