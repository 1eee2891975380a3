#include "power/curve_graph_commands.h"

#include "core/commands.h"
#include "core/state.h"
#include "entry/clutch_calc.h"
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

// The column, the span's top and its item as they were when the entry began, with the axis tops.
void PutBackOriginalCurve() {
  auto& curve = EditedColumn();
  for (int row = 1; row <= CurveTopRow; ++row) curve[row] = S.PowerCurveBackup[row];
  S.MaxRPMIndex = S.PowerMaxRPMIndexBackup;
  S.VehicleData[6][1] = S.MaxRPMItemBackup;
  S.GraphRPMTop = GraphRPMTopFor(S.MaxRPMIndex);
  S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex);
}

// True when no data form was accepted while the graph was open: what the clutch then holds is
// the curve command's own doing, not a change the racer made meanwhile.
bool NoDataFormSinceGraphOpened() {
  return S.DataFormsAccepted == S.CurveGraphOpening.dataFormsAccepted;
}

// The clutch's side as found: the numbers and texts the clutch works out, with its entered flag.
// The other numbers and texts come back with them, as nothing but the curve command changed them.
void PutBackClutchSide(const CurveState::VehicleAsFound& found) {
  static_cast<VehicleModel&>(S) = found.model;
  S.VehicleData = found.texts;
  S.ClutchEntered = found.clutchEntered;
}
}  // namespace

void TakeVehicleAsFound(CurveState::VehicleAsFound& found) {
  found.model = S;
  found.texts = S.VehicleData;
  found.curve = S.PowerCurve;
  found.minRow = S.MinRPMIndex;
  found.maxRow = S.MaxRPMIndex;
  found.revLimit = S.RevLimitIndex;
  found.maxPower = S.PowerMaxPower;
  found.clutchEntered = S.ClutchEntered;
  found.summary = S.EngineSummary;
  found.titles = S.PowerDescript;
  found.launchTemp = S.LaunchTemp;
  found.dataFormsAccepted = S.DataFormsAccepted;
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
  // A nitrous stage the racer changed here is stored as drawn, no longer built by the calculator.
  if (S.AutoAccept == False) TakeDrawnStageOffCalculator(S.PowerCurveIndex, S.PowerCurveBackup);
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
  PutBackOriginalCurve();
  if (NoDataFormSinceGraphOpened()) {
    // The rev limit is no part of the curve put back: a limit picked meanwhile stays.
    const std::string revLimitItem = S.VehicleData[9][2];
    PutBackClutchSide(S.CurveGraphOpening);
    S.VehicleData[9][2] = revLimitItem;
  } else {
    RecalcClutchFigures();
  }
}

void CancelPowerCurve(const PowerGraphState& graph, const PlotRow& plot) {
  const CurveState::VehicleAsFound& start = S.CurveEntryStart;
  if (NoDataFormSinceGraphOpened()) {
    PutBackClutchSide(start);
  } else {
    // A form accepted meanwhile keeps its change; the curve's own items go back.
    for (const auto& [group, item] : {std::pair{6, 1}, {6, 2}, {8, 18}, {9, 2}})
      S.VehicleData[group][item] = start.texts[group][item];
  }
  S.PowerCurve = start.curve;
  S.MinRPMIndex = start.minRow;
  S.MaxRPMIndex = start.maxRow;
  S.RevLimitIndex = start.revLimit;
  S.PowerMaxPower = start.maxPower;
  S.EngineSummary = start.summary;
  S.PowerDescript[S.PowerCurveIndex] = start.titles[S.PowerCurveIndex];
  S.LaunchTemp = start.launchTemp;
  S.GraphRPMTop = GraphRPMTopFor(S.MaxRPMIndex);
  S.CurvePeakValue = PowerCurveScaleMax(S.PowerCurveIndex);
  FillPowerCurve(graph, plot);
  ClampRevLimit();
  if (!NoDataFormSinceGraphOpened()) FollowStoredCurves();
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
