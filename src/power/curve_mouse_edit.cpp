#include "power/curve_mouse_edit.h"

#include "core/state.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {
Single& EditedPoint(int row) { return S.PowerCurve[S.PowerCurveIndex][row]; }
}  // namespace

void MapPointer(PowerGraphState& graph, Single x, Single y) {
  graph.MouseValue = y / S.GraphYPerUnit;
  graph.MouseRPMIndex = CInt(x / S.GraphXPerRPMIndex);
}

void SetCurvePoint(PowerGraphState& graph, int firstRow, const PlotRow& plot) {
  const int row = graph.MouseRPMIndex;
  if (graph.MouseValue < 0 || row < firstRow || row > S.MaxRPMIndex || row >= CurveRows) return;
  if (EditedPoint(row) > 0) {
    plot(row, false);
    EditedPoint(row) = 0;
  }
  if (S.PowerEraseMode == 1 || graph.EraseKeyHeld) {
    graph.MouseValue = 0;
    return;
  }
  EditedPoint(row) = graph.MouseValue * S.TorqueUnitDivisor;
  plot(row, true);
}

void FollowCurve(PowerGraphState& graph) {
  const int row = graph.MouseRPMIndex;
  if (row >= 0 && row < CurveRows && EditedPoint(row) > 0)
    graph.MouseValue = EditedPoint(row) / S.TorqueUnitDivisor;
  else if (graph.MouseValue < 0)
    graph.MouseValue = 0;
}

std::string RPMReadout(const PowerGraphState& graph) {
  return "RPM : " + NumText(static_cast<double>(graph.MouseRPMIndex) * 100);
}

std::string TorqueReadout(const PowerGraphState& graph) {
  return S.TorqueUnits + " : " + Format(graph.MouseValue, "####0.00");
}

std::string PowerReadout(const PowerGraphState& graph) {
  const double power = static_cast<double>(graph.MouseValue) * S.TorqueUnitDivisor *
                       graph.MouseRPMIndex / RowTorqueToBHP / S.PowerUnitDivisor;
  return S.PowerUnit + " : " + Format(power, "####0.00");
}

bool ToggleRangeMark(PowerGraphState& graph, int row) {
  if (row < 1 || row > S.MaxRPMIndex) return false;
  if (row == graph.RangeMark1 || row == graph.RangeMark2) {
    graph.RangeMark1 = graph.RangeMark2 = 0;
  } else if (graph.RangeMark1 == 0) {
    graph.RangeMark1 = static_cast<Integer>(row);
  } else if (graph.RangeMark2 == 0) {
    graph.RangeMark2 = static_cast<Integer>(row);
    if (graph.RangeMark2 < graph.RangeMark1) std::swap(graph.RangeMark1, graph.RangeMark2);
  } else {
    return false;
  }
  return true;
}

bool PickRevLimit(int row) {
  if (row <= S.MinRPMIndex || row > S.MaxRPMIndex || row == S.RevLimitIndex) return false;
  S.RevLimitIndex = static_cast<Integer>(row);
  S.VehicleData[9][2] = Str(row * 100);
  return true;
}

void EraseEntireCurve() {
  for (int row = S.MinRPMIndex; row <= S.MaxRPMIndex && row < CurveRows; ++row)
    EditedPoint(row) = 0;
}

}  // namespace kestrelon
