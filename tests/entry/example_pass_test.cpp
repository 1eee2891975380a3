// The built-in examples through the whole entry sequence with automatic acceptance: engine
// curves, every data form, the clutch timers and the throttle stops, no window shown.
#include <fstream>

#include "core/commands.h"
#include "entry/aero_calc.h"
#include "entry/clutch_calc.h"
#include "entry/entry_chain.h"
#include "entry/gear_calc.h"
#include "entry/nitrous_calc.h"
#include "entry/ui/data_forms.h"
#include "entry_test_support.h"
#include "files/example_vehicles.h"
#include "files/file_windows.h"
#include "files/power_file.h"
#include "files/power_import_commands.h"
#include "files/temp_folder.h"
#include "files/text_file.h"
#include "files/vehicle_file.h"
#include "platform/qt/form.h"
#include "platform/qt/text.h"
#include "power/curve_graph_commands.h"
#include "power/ui/power_curve_windows.h"
#include "support/example_entry.h"

namespace kestrelon::test {
namespace {

class ExamplePass : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    InitExampleCatalogue();
    RegisterDataForms();
    RegisterPowerCurveWindows();
  }
  void TearDown() override {
    Hooks.EnterPowerCurve = nullptr;
    Form::DeleteInstances();
  }
  static void Pass(Integer curveEntryMode) {
    S.AutoAccept = S.DataSequence = True;
    InputData(curveEntryMode, False);
  }
  void ExpectWholeModelQuietly() {
    for (const Integer* flag : {&S.EngineEntered, &S.ChassisEntered, &S.TyreEntered, &S.AeroEntered,
                                &S.TransmissionEntered, &S.NitrousEntered, &S.ClutchEntered,
                                &S.InertiaEntered, &S.ThrottleEntered})
      EXPECT_EQ(*flag, True);
    ExpectAsked(seam.asked, 1, "Data successfully loaded");
    for (Form* form : Form::LoadedForms()) ADD_FAILURE() << StdText(form->FormName());
  }
};

TEST_F(ExamplePass, RowOneBecomesTheModel) {
  LoadExampleVehicle(Tbl.ExampleKey[1]);
  RebuildExamplePeakSummary();
  Pass(1);
  ExpectWholeModelQuietly();
  EXPECT_EQ(S.VehicleLoadDone, True);
  EXPECT_NEAR(S.ChassisWheelbase, 2.4892f, 1e-5);
  EXPECT_NEAR(S.ChassisCGL, 1.1938f, 1e-5);
  EXPECT_NEAR(S.TyreDia, 0.5892f, 1e-5);
  EXPECT_NEAR(S.RearTyreStiffness, 6186.4f, 0.5f);
  EXPECT_NEAR(S.AeroDragFactor, 0.52117f, 1e-4);
  EXPECT_EQ(S.GearCount, 4);
  const Single overall[5] = {0, 10.933f, 7.54f, 5.278f, 3.77f};
  for (int g = 1; g <= 4; ++g) EXPECT_NEAR(S.GearOverall[g], overall[g], 1e-3) << g;
  EXPECT_NEAR(S.ClutchTorqueStatic, 216.94, 0.01);
  EXPECT_NEAR(S.EngineInertia, 0.18304, 1e-5);
}

TEST_F(ExamplePass, EveryExampleReadBackFromItsFilesPasses) {
  TempFolder folder;
  for (int n = 1; n < ExampleSlots && !Tbl.ExampleKey[n].empty(); ++n) {
    const std::string key = Tbl.ExampleKey[n];
    SCOPED_TRACE(key);
    S = SharedState{};
    LoadExampleVehicle(key);
    RebuildExamplePeakSummary();
    const std::string vehicle = folder.file(key + ".WCD");
    ASSERT_TRUE(WriteVehicleFile(vehicle).ok());
    ASSERT_TRUE(WritePowerFile(folder.file(key + ".VCD")).ok());

    S = SharedState{};
    seam.asked.clear();
    LoadVehicleFile(vehicle);
    LoadPowerFile(PowerFileBeside(vehicle));
    Pass(0);
    ExpectWholeModelQuietly();
  }
}

// A change of the weather, the curve, the gears, the nitrous or the clutch leaves a converter's or
// a slider's figures and the engine-side inertia in session as the vehicle saved and opened again
// works them out.
TEST_F(ExamplePass, ClutchFiguresFollowAChangeAsTheOpenedVehicleHasThem) {
  TempFolder folder;
  const std::string vehicle = folder.file("V.WCD"), curve = folder.file("EA.TXT");
  std::ofstream(curve) << "3000,3000,1\n9000,5000,1\n";
  FileWindows.ShowFileDialog = [&](const FileDialogLook&) { S.FileDialogResult = curve; };
  PowerGraphState graph{.GraphReady = true};
  const std::pair<int, std::function<void()>> roads[] = {
      {17, [] { AeroEntry a; LoadAero(a); a.Alt = "1500m"; AcceptAero(a); }},
      {17, [&] { S.MaxRPMIndex -= 5; AcceptPowerCurve(graph, [](int, bool) {}); }},
      {11, FilePowerEA},
      {11, [] { GearsEntry g; LoadGears(g); g.Primary = "1.1"; AcceptGears(g, true);
                FollowPrimaryRatio(); }},
      {20, [] { NitrousEntry n = LoadNitrousEntry(); n.SG1 = "2"; AcceptNitrous(n); }},
      {11, [] { ClutchEntry c = LoadClutchEntry(); c.Weight = "9kg"; AcceptClutch(c); }}};
  const auto clutch = [] {
    return std::tuple(S.ClutchTorqueStatic, S.ClutchTorqueLocked, S.ConverterK, S.EngineInertia);
  };
  for (const auto& [row, change] : roads) {
    S = SharedState{};
    EnterExampleAutomatically(row);
    change();
    const auto inSession = clutch();
    ASSERT_TRUE(WriteVehicleFile(vehicle).ok() && WritePowerFile(PowerFileBeside(vehicle)).ok());
    S = SharedState{};
    LoadVehicleFile(vehicle);
    LoadPowerFile(PowerFileBeside(vehicle));
    Pass(0);
    EXPECT_EQ(clutch(), inSession) << row;
  }
  FileWindows = FileWindowHooks{};
}

}  // namespace
}  // namespace kestrelon::test
