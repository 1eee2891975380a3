#include "power/curve_graph_commands.h"

#include "core/commands.h"
#include "core/state.h"
#include "entry/clutch_calc.h"
#include "files/power_file.h"
#include "platform/ui_seam.h"
#include "power/curve_graph_scale.h"
#include "power/power_curve.h"
#include "power/power_table.h"
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
}  // namespace

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
  FillPowerCurve(graph, plot);
  UpdateEngineSummary(S.PowerCurveIndex);
  TakeRevLimitItem();  // the vehicle's own limit, not whatever the model held before
  ClampRevLimit();
  S.VehicleData[9][2] = Str(S.RevLimitIndex * 100);
  S.EngineEntered = True;
  S.CurveEntered[S.PowerCurveIndex] = True;
  RecalcClutchFigures();
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
    CalculatePerformance(S.ShowCalcProgress);
    S.CalcRequested = True;
  } else {
    RunHook(Hooks.RunSimulationCheck);
  }
}

void RestoreOriginalCurve() {
  PutBackOriginalCurve();
  RecalcClutchFigures();
}

void CancelPowerCurve(const PowerGraphState& graph, const PlotRow& plot) {
  PutBackOriginalCurve();
  FillPowerCurve(graph, plot);
  // The summary always describes the curve the model holds, whatever an F2 accept or a copy
  // left in it before.
  UpdateEngineSummary(S.PowerCurveIndex);
  // The rev limit picked in the graph goes too, so that the vehicle's item holds the limit run.
  S.RevLimitIndex = S.RevLimitIndexBackup;
  S.VehicleData[9][2] = S.RevLimitItemBackup;
  ClampRevLimit();
  RecalcClutchFigures();
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
