#include "power/curve_graph_commands.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "core/commands.h"
#include "core/state.h"
#include "entry/nitrous_calc.h"
#include "entry/nitrous_power_calc.h"
#include "files/power_file.h"
#include "platform/ui_seam.h"
#include "power/curve_graph_scale.h"
#include "power/power_curve.h"
#include "power/power_table.h"
#include "power/stored_curve.h"
#include "simulation/calculate_performance.h"

namespace kestrelon {

namespace {
auto& EditedColumn() { return S.PowerCurve[S.PowerCurveIndex]; }

// The items the curve's own entry writes: the maximum rpm, the peak power, the launch
// temperature and the rev limit.
constexpr std::pair<int, int> CurveItems[] = {{6, 1}, {6, 2}, {8, 18}, {9, 2}};

// The column, the span's top and the axis tops as they were when the graph opened; the column
// as it was before the entry's erase.
void PutBackOriginalCurve() {
  auto& curve = EditedColumn();
  for (int row = 1; row <= CurveTopRow; ++row) curve[row] = S.PowerCurveBackup[row];
  S.MaxRPMIndex = S.PowerMaxRPMIndexBackup;
  S.GraphRPMTop = GraphRPMTopFor(S.MaxRPMIndex);
  S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex);
}

// The curve side as found: the curves, the span, the limit, the summaries, the peak power, the
// edited column's title, the launch temperature, the curve's own items and the flags its accept
// sets.
void PutBackCurveSide(const CurveState::VehicleAsFound& found) {
  S.PowerCurve = found.curve;
  S.MinRPMIndex = found.minRow;
  S.MaxRPMIndex = found.maxRow;
  S.RevLimitIndex = found.revLimit;
  S.PowerMaxPower = found.maxPower;
  S.EngineSummary = found.summary;
  S.PowerDescript[S.PowerCurveIndex] = found.titles[S.PowerCurveIndex];
  S.LaunchTemp = found.launchTemp;
  for (std::size_t k = 0; k < std::size(CurveItems); ++k)
    S.VehicleData[CurveItems[k].first][CurveItems[k].second] = found.curveItems[k];
  S.EngineEntered = found.engineEntered;
  S.CurveEntered = found.curveEntered;
}

// After the curve side: the inputs the graph's own commands typed (the calculator's set-up) and
// the span the transmission was checked against come back as found, the sections' flags only
// where nothing else changed the vehicle meanwhile. The rest is worked out from what is put back
// as the vehicle opened again works it out: the nitrous model entered from its texts, then what
// a store works out (an engine not yet entered has nothing worked out).
void PutBackGraphInputsAndWorkOut(const CurveState::VehicleAsFound& found) {
  PutBackCalcSetUp(found.calcSetUp);
  S.TransmissionSpan = found.transmissionSpan;
  if (S.VehicleChanges == found.vehicleChanges) {
    S.ClutchEntered = found.clutchEntered;
    S.ClutchRefused = found.clutchRefused;
    S.NitrousEntered = found.nitrousEntered;
    S.TransmissionEntered = found.transmissionEntered;
  }
  if (!S.EngineEntered) return;
  if (S.NitrousEntered) EnterNitrousFromTexts();
  FollowStoredCurves();
}

void TakeWorkedOutFlags(CurveState::VehicleAsFound& found) {
  found.clutchEntered = S.ClutchEntered;
  found.clutchRefused = S.ClutchRefused;
  found.nitrousEntered = S.NitrousEntered;
  found.transmissionEntered = S.TransmissionEntered;
  found.vehicleChanges = S.VehicleChanges;
}

void TakeCurveSpan(CurveState::VehicleAsFound& found) {
  found.curve = S.PowerCurve;
  found.minRow = S.MinRPMIndex;
  found.maxRow = S.MaxRPMIndex;
  found.revLimit = S.RevLimitIndex;
  found.maxPower = S.PowerMaxPower;
  found.summary = S.EngineSummary;
}

void TakeCurveItems(CurveState::VehicleAsFound& found) {
  for (std::size_t k = 0; k < std::size(CurveItems); ++k)
    found.curveItems[k] = S.VehicleData[CurveItems[k].first][CurveItems[k].second];
  found.launchTemp = S.LaunchTemp;
}

// The vehicle as it stands now, as a whole, for Cancel's "changed" question.
struct VehicleNow {
  VehicleModel model = S;
  VehicleTable texts = S.VehicleData;
  CurveTable curve = S.PowerCurve;
  std::array<Integer, 3> span{S.MinRPMIndex, S.MaxRPMIndex, S.RevLimitIndex};
  bool operator==(const VehicleNow&) const = default;
};
}  // namespace

void TakeVehicleAsFound(CurveState::VehicleAsFound& found) {
  TakeCurveSpan(found);
  found.titles = S.PowerDescript;
  TakeCurveItems(found);
  found.calcSetUp = CurrentCalcSetUp();
  found.transmissionSpan = S.TransmissionSpan;
  found.engineEntered = S.EngineEntered;
  found.curveEntered = S.CurveEntered;
  TakeWorkedOutFlags(found);
}

void TakeOpenedChassisIntoSnapshots() {
  for (auto* found : {&S.CurveEntryStart, &S.CurveGraphOpening}) {
    TakeCurveItems(*found);
    found->revLimit = 0;  // the opened vehicle's own limit, taken from its item within the span
    found->calcSetUp = CurrentCalcSetUp();
    found->transmissionSpan = S.TransmissionSpan;
    TakeWorkedOutFlags(*found);
  }
}

void TakeKeptPowerIntoSnapshots() {
  for (auto* found : {&S.CurveEntryStart, &S.CurveGraphOpening}) TakeCurveSpan(*found);
  for (int row = 1; row <= CurveTopRow; ++row) S.PowerCurveBackup[row] = EditedColumn()[row];
  S.PowerMaxRPMIndexBackup = S.MaxRPMIndex;
}

void TakeCalcSetUpIntoSnapshots() {
  for (auto* found : {&S.CurveEntryStart, &S.CurveGraphOpening}) found->calcSetUp = CurrentCalcSetUp();
}

void FillPowerCurve(const PowerGraphState& graph, const PlotRow& plot) {
  const bool automatic = S.AutoAccept != False;
  if (!graph.GraphReady && !automatic) return;
  auto& curve = EditedColumn();
  int start = S.MinRPMIndex;
  if (S.PowerCurveIndex == 0) start = S.MinRPMIndex = NextNonZeroPowerIndex(0);
  if (start == S.MaxRPMIndex) {
    S.MinRPMIndex = 0;
    return;
  }
  const bool show = !graph.GraphPrinting && !automatic;
  for (int p = start; p < S.MaxRPMIndex;) {
    const int q = NextNonZeroPowerIndex(p);
    if (q - p > 1) {
      const Single slope = (curve[q] - curve[p]) / static_cast<Single>(q - p);
      for (int j = p + 1; j < q; ++j) {
        curve[j] = static_cast<Single>(j - p) * slope + curve[p];
        if (show) plot(j, true);
      }
    }
    p = q;
  }
  for (int row = S.MaxRPMIndex + 1; row < CurveRows; ++row) curve[row] = 0;
}

bool AcceptPowerCurve(PowerGraphState& graph, const PlotRow& plot) {
  if (!graph.GraphReady && S.AutoAccept == False) return false;
  graph.AcceptPending = true;
  // Whatever road brought it in (the table, the mouse, a manipulation, a scaling), a torque no
  // engine gives, or no number at all, is refused before the fill spreads it along the curve:
  // the run could not use it and a power file could not hold it.
  if (!PowerFileHoldsColumn(S.PowerCurveIndex)) {
    ui().MsgBox(TooMuchTorqueText, Msg::Exclamation, PowerInputTitle);
    return false;
  }
  // A nitrous stage the racer changed here is stored as drawn, no longer built by the calculator;
  // an open nitrous form then shows its "Calculate Nitrous" unticked.
  if (S.AutoAccept == False && TakeDrawnStageOffCalculator(S.PowerCurveIndex, S.PowerCurveBackup))
    ui().ShowVehicleData();
  // A stage is filled no further than the span its file's reader finds in the no-nitrous curve,
  // where the store then leaves the top: a top raised in a stage's graph would leave rows that a
  // second store empties.
  if (S.PowerCurveIndex != 0)
    S.MaxRPMIndex = std::min<Integer>(S.MaxRPMIndex, SpanOfColumn(S.PowerCurve[0]).last);
  FillPowerCurve(graph, plot);
  S.EngineEntered = True;
  S.CurveEntered[S.PowerCurveIndex] = True;
  // Held as the power file gives it back, with the span, the rev limit and the figures worked
  // out from it as when the vehicle is opened.
  StoreCurves();
  S.VehicleData[9][2] = Str(S.RevLimitIndex * 100);
  graph.AcceptPending = false;
  if (!graph.AcceptFromF2) {
    graph.RangeMark1 = graph.RangeMark2 = 0;
    S.LowRPM = S.HighRPM = 0;
    S.CurveGraphOpen = False;
  }
  return true;
}

void AcceptAndRun(PowerGraphState& graph, bool shiftHeld, const PlotRow& plot) {
  graph.AcceptFromF2 = true;
  AcceptPowerCurve(graph, plot);
  graph.AcceptFromF2 = false;
  if (graph.AcceptPending) return;
  if (!shiftHeld && S.RunDone != False) {
    // A section refused since the run (a clutch the new curve does not fit) is named, not run past.
    if (Hooks.RunSimulationReady && !Hooks.RunSimulationReady()) return;
    CalculatePerformance(S.ShowCalcProgress);
    S.CalcRequested = True;
  } else {
    RunHook(Hooks.RunSimulationCheck);
  }
}

void RestoreOriginalCurve() {
  // The rev limit is no part of the curve put back: a limit picked meanwhile stays.
  const std::string revLimitItem = S.VehicleData[9][2];
  const Integer revLimit = S.RevLimitIndex;
  const CurveState::VehicleAsFound& opening = S.CurveGraphOpening;
  PutBackCurveSide(opening);
  PutBackOriginalCurve();
  S.VehicleData[9][2] = revLimitItem;
  S.RevLimitIndex = revLimit;
  ClampRevLimit();
  PutBackGraphInputsAndWorkOut(opening);
}

void CancelPowerCurve() {
  const VehicleNow before;
  const CurveState::VehicleAsFound& start = S.CurveEntryStart;
  S.CurveGraphOpen = False;
  // The curves as the entry found them, stored ones already: filled again, a stage column would
  // gain rows below its first point that it never had.
  PutBackCurveSide(start);
  S.GraphRPMTop = GraphRPMTopFor(S.MaxRPMIndex);
  S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex);
  // The limit of the item put back, as an opened vehicle takes it.
  TakeRevLimitItem();
  ClampRevLimit();
  PutBackGraphInputsAndWorkOut(start);
  // A store made while the graph was open (a save among them) holds what Cancel undid.
  if (!(VehicleNow{} == before)) S.DataSaved = False;
  S.InputDataPending = False;
  S.DataSequence = False;
}

void CopyCurveColumn(int source) {
  const int c = S.PowerCurveIndex;
  if (source == c) return;
  for (int row = 1; row < CurveRows; ++row)
    S.PowerCurve[c][row] = row <= S.MaxRPMIndex ? S.PowerCurve[source][row] : 0;
  S.EngineSummary[c] = S.EngineSummary[source];
  if (source == 1) S.CurvePeakValue = PowerCurveScaleMax(c);
}

}  // namespace kestrelon
