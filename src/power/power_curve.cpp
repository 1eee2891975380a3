#include "power/power_curve.h"

#include <string>

#include "core/expression.h"
#include "core/state.h"

namespace kestrelon {

void UpdateEngineSummary(int column) { UpdateEngineSummaryOver(column, S.MinRPMIndex, S.MaxRPMIndex); }

void UpdateEngineSummaryOver(int column, int firstRow, int lastRow) {
  const auto& curve = S.PowerCurve[column];
  Single peakTorque = 0, peakProduct = 0;
  int torqueRow = 0, powerRow = 0;
  for (int j = firstRow; j <= lastRow; ++j) {
    const Single t = curve[j];
    if (t > peakTorque) {
      peakTorque = t;
      torqueRow = j;
    }
    // Power is compared as the single-precision product, before the division.
    const Single w = static_cast<Single>(j) * t;
    if (w > peakProduct) {
      peakProduct = w;
      powerRow = j;
    }
  }
  auto& summary = S.EngineSummary[column];
  summary[0] = peakTorque;
  summary[1] = static_cast<Single>(torqueRow);
  summary[2] = peakProduct / RowTorqueToBHP;
  summary[3] = static_cast<Single>(powerRow);
  S.PowerMaxPower = CInt(S.EngineSummary[0][2]);
}

CurveSpan SpanOfColumn(const std::array<Single, CurveRows>& column) {
  CurveSpan span;
  for (int r = 1; r <= CurveTopRow; ++r) {
    if (column[r] > 0 && span.first == 0) span.first = static_cast<Integer>(r);
    if (column[r] == 0 && span.first > 0) {
      span.last = static_cast<Integer>(r - 1);
      break;
    }
  }
  return span;
}

void ClampRevLimit() {
  if (S.RevLimitIndex < S.MinRPMIndex || S.RevLimitIndex > S.MaxRPMIndex)
    S.RevLimitIndex = S.MaxRPMIndex;
}

void TakeRevLimitItem() {
  const std::string limit = Trim(S.VehicleData[9][2]);
  if (limit.empty() || HasNonNumericChar(limit) != 0) return;
  S.RevLimitIndex = CInt(IntDiv(LeadingNumber(limit), 100));
  ClampRevLimit();
}

Integer PowerColumnHasData(int column) {
  for (int r = 1; r <= CurveTopRow; ++r)
    if (S.PowerCurve[column][r] != 0) return True;
  return False;
}

Integer NextNonZeroPowerIndex(int start) {
  int j = start;
  if (j < S.MaxRPMIndex) ++j;
  const auto& curve = S.PowerCurve[S.PowerCurveIndex];
  // Rows outside the table cannot hold a point; the scan stops at the table's edge.
  while (j < CurveRows && curve[j] == 0 && j < S.MaxRPMIndex) ++j;
  return static_cast<Integer>(j);
}

}  // namespace kestrelon
