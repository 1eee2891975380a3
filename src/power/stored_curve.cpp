#include "power/stored_curve.h"

#include "core/expression.h"
#include "core/state.h"
#include "entry/clutch_calc.h"
#include "entry/nitrous_power_calc.h"
#include "files/power_file.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

// A torque as the power file writes it and reads it back.
Single AsPowerFileReadsIt(Single torque) { return ParseLocaleNumber(CurveValueText(torque)); }

void WorkOutFromCurves() {
  for (int c = 0; c < CurveColumns; ++c) UpdateEngineSummary(c);
  // The vehicle's own limit, as an opened vehicle takes it, inside the span.
  TakeRevLimitItem();
  ClampRevLimit();
  RebuildCalculatedStages();
}

}  // namespace

void HoldCurvesAsFiled() {
  for (int c = 0; c < CurveColumns; ++c) {
    const int written = LastWrittenRow(c);
    for (int row = 1; row <= CurveTopRow; ++row)
      S.PowerCurve[c][row] = row <= written ? AsPowerFileReadsIt(S.PowerCurve[c][row]) : 0;
  }
  auto& curve = S.PowerCurve[0];
  const CurveSpan span = SpanOfColumn(curve);
  for (int row = span.last + 1; row <= CurveTopRow; ++row) curve[row] = 0;
  S.MinRPMIndex = span.first;
  S.MaxRPMIndex = span.last;
  WorkOutFromCurves();
}

void StoreCurves() {
  HoldCurvesAsFiled();
  RecalcClutchFigures();
}

void FollowStoredCurves() {
  WorkOutFromCurves();
  RecalcClutchFigures();
}

}  // namespace kestrelon
