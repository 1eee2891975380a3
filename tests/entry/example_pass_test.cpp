// The built-in examples through the whole entry sequence with automatic acceptance: engine
// curves, every data form, the clutch timers and the throttle stops, no window shown.
#include <QTest>
#include <fstream>

#include "core/commands.h"
#include "entry/aero_calc.h"
#include "entry/clutch_calc.h"
#include "entry/entry_chain.h"
#include "entry/gear_calc.h"
#include "entry/inertia_calc.h"
#include "entry/nitrous_calc.h"
#include "entry/nitrous_power_calc.h"
#include "entry/tyre_calc.h"
#include "entry/ui/data_form.h"
#include "entry/ui/data_forms.h"
#include "entry/ui/frmDataTyre.h"
#include "entry_test_support.h"
#include "files/example_vehicles.h"
#include "files/file_commands.h"
#include "files/file_windows.h"
#include "files/power_file.h"
#include "files/power_import_commands.h"
#include "files/temp_folder.h"
#include "files/text_file.h"
#include "files/vehicle_file.h"
#include "platform/qt/form.h"
#include "platform/qt/text.h"
#include "power/curve_graph_commands.h"
#include "power/curve_manipulation.h"
#include "power/peak_entry.h"
#include "power/power_table.h"
#include "power/vehicle_change.h"
#include "power/ui/power_curve_windows.h"
#include "simulation/estimate_search.h"
#include "support/example_entry.h"
#include "support/run_fingerprint.h"

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

// After a command, the vehicle in session is the vehicle that its files give back when opened
// again: the figures the run and the result windows read, and the run itself, bit for bit.
struct VehicleInSession {
  VehicleModel model;
  CurveTable curve;
  PeakSummary summary;
  std::array<Integer, 3> span;  // MinRPMIndex, MaxRPMIndex, RevLimitIndex
  Single launchTemp;
  std::uint64_t run;
  std::array<Single, 8> ticket;  // time and speed at 60, 330, 660 and 1320 ft

  static VehicleInSession Now() {
    RunAsEntered();
    return {S, S.PowerCurve, S.EngineSummary, {S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex},
            S.LaunchTemp, RunFingerprint(), {S.Time60ft, S.Speed60ft, S.Time330ft, S.Speed330ft,
                                             S.Time660ft, S.Speed660ft, S.Time1320ft, S.Speed1320ft}};
  }
};

// The racer accepts each curve graph as it comes.
struct EnterThroughTheWindows : ScriptedUi {
  void ShowPowerGraph(int) override {
    PowerGraphState graph{.GraphReady = true};
    if (AcceptPowerCurve(graph, [](int, bool) {}) && S.InputDataPending) InputDataResume();
  }
};

// An estimate from the run to a quarter-mile ticket, adjusting drag, grip, power, gearing: all kept.
std::function<void()> KeptEstimate(Single et, Single mph, std::array<bool, 4> adjust) {
  return [=] {
    struct : ScriptedUi {
      void ShowEstimateResult() override {
        S.EstCDRestore = S.EstMURestore = S.EstBHPRestore = S.EstGearRestore = False;
      }
    } keeping;
    ScopedUi scoped{keeping};
    RunAsEntered();
    S.Est1320time = et, S.Est1320speed = mph * 0.44704f;  // m/s
    std::tie(S.EstCDAdjust, S.EstMUAdjust, S.EstBHPAdjust, S.EstGearAdjust) =
        std::tuple(ToFlag(adjust[0]), ToFlag(adjust[1]), ToFlag(adjust[2]), ToFlag(adjust[3]));
    EstimatePowerSearch();
  };
}

std::vector<int> AllExamples() {
  std::vector<int> rows;
  for (int n = 1; n < ExampleSlots && !Tbl.ExampleKey[n].empty(); ++n) rows.push_back(n);
  return rows;
}

TEST_F(ExamplePass, SessionIsTheVehicleItsFilesGiveBack) {
  TempFolder folder;
  const std::string vehicle = folder.file("V.WCD"), curve = folder.file("EA.TXT");
  std::ofstream(curve) << "3000,3000,1\n9000,5000,1\n";
  std::string chosen = curve;
  FileWindows.ShowFileDialog = [&](const FileDialogLook&) { S.FileDialogResult = chosen; };
  PowerGraphState graph{.GraphReady = true};
  EnterThroughTheWindows racer;
  const ScopedUi windows(racer);
  // Another example's file, opened through the File menu's command, OK in each form offered.
  const auto open = [&](int source, void (*command)()) {
    S = SharedState{};
    EnterExampleAutomatically(source);
    const std::string path = folder.file(Tbl.ExampleKey[source] + (command == FileChassis ? ".WCD" : ".VCD"));
    EXPECT_TRUE((command == FileChassis ? WriteVehicleFile(path) : WritePowerFile(path)).ok());
    return [&chosen, path, command] {
      chosen = path, command();
      for (int k = 0; k < 12; ++k)
        for (Form* form : std::vector<Form*>(Form::LoadedForms()))
          if (auto* data = dynamic_cast<DataForm*>(form); data && data->isVisible() && QTest::qWaitForWindowExposed(data)) {
            QCoreApplication::processEvents();
            data->RunOK();
            break;
          }
    };
  };
  // What a section that no longer fits tells, and the sections worked out from the curves.
  const auto told = [&racer] {
    return std::tuple(racer.asked.empty() ? "" : racer.asked.back().text, S.TransmissionEntered,
                      S.NitrousEntered, S.ClutchEntered);
  };
  // The curve graph's OK after a change of the no-nitrous curve.
  const auto graphOK = [&](std::function<void()> change) {
    return [&graph, change] { S.PowerCurveIndex = 0; change(); AcceptPowerCurve(graph, [](int, bool) {}); };
  };
  const auto peakTop = [](const char* rpm) {  // the peak form's OK with a new top
    return [rpm] { PeakEntryTexts t; t.MaxRPM = rpm, t.MaxBHP = t.ProposedBHP = S.VehicleData[6][2], t.LaunchTemp = S.VehicleData[8][18];
                   S.PowerCurveIndex = 0, AcceptPeakFigures(t, 1); }; };
  // The curve graph's Cancel after its F2 accepted a change, and what happened meanwhile.
  const auto cancelled = [&](std::function<void()> change, std::function<void()> meanwhile) {
    return [&, change, meanwhile] { TakeVehicleAsFound(S.CurveEntryStart), graphOK(change)(), meanwhile(),
                                    CancelPowerCurve(); };
  };
  // Cancel with nothing between gives back the vehicle before the graph, bit for bit.
  const auto cancelledWhole = [&](std::function<void()> change) {
    return [&, change] {
      const VehicleModel model = S;
      const auto [texts, curves, flags] = std::tuple(S.VehicleData, S.PowerCurve, told());
      cancelled(change, [] {})();
      EXPECT_TRUE(model == S && texts == S.VehicleData && curves == S.PowerCurve && flags == told()); };
  };
  const auto cut = [] { std::fill_n(&S.PowerCurve[0][1], 25, 0.0f); };
  const auto raised = [] { S.HighRPM = S.MaxRPMIndex * 100; MultiplyCurve(1.05f); };
  const auto erased = [] { S.PowerCurveIndex = 1, S.PowerCurve[1].fill(0); };
  const auto calculator = [&](int stage, int base) {  // 1300cc on the base curve, then the graph's OK
    NitrousCalcEntry n = LoadNitrousCalcEntry(S.PowerCurveIndex = stage);
    n.Capacity = "1300cc", n.PCurve = base, AcceptNitrousCalc(stage, n), AcceptPowerCurve(graph, [](int, bool) {}); };
  const auto graphCalculator = [&] { calculator(1, 0); };
  const auto weather = [] { AeroEntry a; LoadAero(a); a.Alt = "1500m"; AcceptAero(a), VehicleChanged(); };
  struct Road {
    const char* name;
    std::vector<int> examples;
    std::function<void()> change;
    const char* refusal = nullptr;  // told in session as on opening the files again
  };
  const Road roads[] = {
      {"weather", AllExamples(), weather},
      {"the graph's nitrous calculators, then the weather", {3, 18}, [&] { graphCalculator(), calculator(2, 1), weather(); }},
      {"a second stage calculated on the first, then a power file without nitrous", {3},
       [&, power = open(7, FilePowerVCAL)] { calculator(2, 1), power(); }},
      {"a shorter curve", {17},
       [&] { S.MaxRPMIndex -= 5; AcceptPowerCurve(graph, [](int, bool) {}); }},
      {"an Engine Analyser curve", {11}, FilePowerEA},
      {"the primary ratio", {11}, [] { GearsEntry g; LoadGears(g); g.Primary = "1.1"; AcceptGears(g, true);
                                       VehicleChanged(), FollowEngineInertia(); }},
      {"a nitrous gear", {20},
       [] { NitrousEntry n = LoadNitrousEntry(); n.SG1 = "2"; AcceptNitrous(n), VehicleChanged(); }},
      {"the clutch's weight", {11},
       [] { ClutchEntry c = LoadClutchEntry(); c.Weight = "9kg"; AcceptClutch(c), VehicleChanged(); }},
      {"a power file with two nitrous stages", {23}, open(24, FilePowerVCAL)},
      {"a power file without nitrous", {6}, open(7, FilePowerVCAL)},
      {"another chassis", AllExamples(), open(21, FileChassis)},
      {"another engine's power file", {15}, open(16, FilePowerVCAL), "Converter Stall RPM not valid"},
      {"a power file whose curve starts above the shifts", {13}, open(14, FilePowerVCAL),
       "Upshift RPM too low"},
      {"a curve that starts above the converter's stall", {17},
       [&] { std::fill_n(&S.PowerCurve[0][1], 25, 0.0f); AcceptPowerCurve(graph, [](int, bool) {}); },
       "Converter Stall RPM not valid"},
      {"a cut cancelled, then the same cut", {17},
       [&, undo = cancelled(cut, [&racer] { racer.asked.clear(); })] { undo(), graphOK(cut)(); },
       "Converter Stall RPM not valid"},
      {"a refused cut mended by a raised curve", {17}, [&] {
         const CurveTable whole = S.PowerCurve;
         graphOK(cut)(), S.PowerCurve = whole, graphOK(raised)(); }},
      {"a raised curve cancelled after a form's OK", {17}, cancelled(raised, weather)},
      {"a raised curve cancelled", AllExamples(), cancelledWhole(raised)},
      {"a first-stage curve erased, cancelled", {2, 3, 23, 24}, cancelledWhole(erased)},
      {"a first-stage curve erased, cancelled after a form's OK", {2, 3}, [&] {  // entered from its texts again
         cancelled(erased, [] { ++S.VehicleChanges; })();
         EXPECT_EQ(std::get<2>(told()), True); }},
      {"a kept power estimate, converter", {17}, KeptEstimate(12.5f, 112, {false, false, true, false})},
      {"a kept power estimate, slider", {9}, KeptEstimate(6.024f, 235.48f, {false, false, true, false})},
      {"a kept estimate at the defaults", {1}, KeptEstimate(12.809f, 150, {true, true, true, false})},
      {"a kept estimate of the gearing too", {1}, KeptEstimate(12.809f, 150, {true, true, true, true})},
      {"the tyre's growth speed", {4},
       [] { TyreEntry t; LoadTyre(t); t.Text[TyreGrowthSpeedItem] = "132MPH"; AcceptTyre(t), VehicleChanged(); }},
      {"Engine Analyser readings below the top", AllExamples(), [&] {
         std::ofstream(chosen = folder.file("W.TXT")) << "2000,150,1\n5000,250,1\n7000,260,1\n9000,200,1\n";
         FilePowerEA(), chosen = curve; }},
      {"a raised top", AllExamples(), graphOK([] { S.MaxRPMIndex += 5; WorkOutClutchFigures(); })},
      {"a top through the peak figures", {12}, graphOK([] {
         PeakEntryTexts t;
         t.MaxRPM = "8500", t.MaxBHP = t.ProposedBHP = S.VehicleData[6][2];
         AcceptPeakFigures(t, 1); })},
      {"a power table to 8000 rpm", {5}, graphOK([] {
         PowerTable t;
         for (int k = 0; k <= 10; ++k) t.TableRPM[k] = 3000 + 500 * k, t.TableTorque[k] = S.PowerCurve[0][30 + 5 * k] * (k == 5 ? 1.1f : 1);
         WritePowerTable(t, 0, true); })},
      {"the curve raised 5 %", AllExamples(), graphOK([] { S.HighRPM = S.MaxRPMIndex * 100; MultiplyCurve(1.05f); })},
      {"a calculated stage on a doubled curve", {3}, graphOK([] {
         NitrousCalcEntry n = LoadNitrousCalcEntry(1);
         n.Capacity = "1300cc", n.PCurve = 0, S.VehicleData[5][19] = "Y";
         AcceptNitrousCalc(1, n), S.HighRPM = S.MaxRPMIndex * 100;
         MultiplyCurve(2); })},
      {"the graph's nitrous calculator", {3, 18}, graphCalculator},
      {"a calculated stage taken off the calculator", {3}, [&] {  // held as its file gives it back
         graphCalculator();
         NitrousEntry n = LoadNitrousEntry();
         n.Stage[1].Calculate = false, AcceptNitrous(n), VehicleChanged(); }},
      {"a NUL pasted into a number box", {1}, [] { auto* f = static_cast<frmDataTyre*>(Form::Instance("frmDataTyre"));
         f->Show(), (void)QTest::qWaitForWindowExposed(f), QCoreApplication::processEvents();
         f->TyreMu->setText(QString::fromLatin1("1.\0" "6", 4)), f->RunOK(); }},
      {"a lowered top before the graph's OK", {19}, peakTop("12500")},
      {"a top below the upshifts", {17}, [&] {  // asked for each gear above it, once for the new top
         graphOK(peakTop("5500"))(), graphOK([] {})();
         EXPECT_EQ(std::tuple(racer.asked.size(), told(), S.AutoAccept),  // the forms take their texts again as they load
                   std::tuple(2u, std::tuple("Upshift RPM higher than Maximum engine RPM", True, True, True), False)); }},
      {"a top below the upshifts, cancelled, then again", {17}, [&] {  // the span checked goes with Cancel
         cancelled(peakTop("5500"), [] {})(), racer.asked.clear(), graphOK(peakTop("5500"))();
         EXPECT_EQ(racer.asked.size(), 2u); }},
      {"a curve inside the upshifts and the converter's stall", {20}, [&] {  // told once
         graphOK([] { std::fill_n(&S.PowerCurve[0][1], 25, 0.0f), S.MaxRPMIndex = 60; })();
         EXPECT_EQ(std::count_if(racer.asked.begin(), racer.asked.end(), [](const auto& a) { return a.text == "Converter Stall RPM not valid"; }), 1); },
       "Converter Stall RPM not valid"},
      {"a stage's top raised in its graph, accepted twice", {20}, [&] {
         S.PowerCurveIndex = 1, S.MaxRPMIndex += 10, AcceptPowerCurve(graph, [](int, bool) {});
         const CurveTable once = S.PowerCurve;
         AcceptPowerCurve(graph, [](int, bool) {});
         EXPECT_TRUE(once == S.PowerCurve); }},
      {"a first-stage curve erased", {2, 3}, [&] { S.PowerCurve[1].fill(0), S.PowerCurveIndex = 1, AcceptPowerCurve(graph, [](int, bool) {}); }},
      {"a first-stage curve drawn", {23}, [&] {  // the nitrous form offered, not entered until its OK
         for (int r = 1; r <= CurveTopRow; ++r) S.PowerCurve[1][r] = S.PowerCurve[0][r] * 1.3f;
         S.PowerCurveIndex = 1, AcceptPowerCurve(graph, [](int, bool) {});
         EXPECT_EQ(std::get<2>(told()), False);
         AcceptNitrous(LoadNitrousEntry()), VehicleChanged(); }}};
  RegisterDataForms();
  for (const Road& road : roads) {
    for (int row : road.examples) {
      SCOPED_TRACE(std::string(road.name) + ", " + Tbl.ExampleKey[row]);
      Form::DeleteInstances();
      S = SharedState{};
      EnterExampleAutomatically(row);
      racer.asked.clear();
      chosen = curve;
      road.change();
      const auto toldInSession = told();
      const VehicleInSession inSession = road.refusal ? VehicleInSession{} : VehicleInSession::Now();
      ASSERT_TRUE(WriteVehicleFile(vehicle).ok() && WritePowerFile(PowerFileBeside(vehicle)).ok());
      Form::DeleteInstances();
      S = SharedState{};
      InitTables();  // a new program: its tables as start-up builds them
      LoadVehicleFile(vehicle);
      LoadPowerFile(PowerFileBeside(vehicle));
      Pass(0);
      if (road.refusal) {
        EXPECT_EQ(std::get<0>(toldInSession), road.refusal);
        EXPECT_EQ(told(), toldInSession);
        continue;
      }
      const VehicleInSession reopened = VehicleInSession::Now();
      EXPECT_TRUE(inSession.model == reopened.model);
      EXPECT_TRUE(inSession.curve == reopened.curve);
      EXPECT_TRUE(inSession.summary == reopened.summary);
      EXPECT_EQ(inSession.span, reopened.span);
      EXPECT_EQ(inSession.launchTemp, reopened.launchTemp);
      EXPECT_EQ(inSession.ticket, reopened.ticket);
      EXPECT_EQ(inSession.run, reopened.run);
    }
  }
  FileWindows = FileWindowHooks{};
}

}  // namespace
}  // namespace kestrelon::test
