#include "power/stored_curve.h"

#include <array>

#include "core/expression.h"
#include "core/state.h"
#include "entry/clutch_calc.h"
#include "entry/form_openers.h"
#include "entry/nitrous_calc.h"
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

// An upshift outside a span that the transmission was not checked against is checked by the
// transmission form as when the vehicle is opened: its question for each such gear, or its
// refusal with the form come forward for the racer to mend, the section not entered until its
// OK. Once for each new span; a transmission still to be entered is checked by its entry.
void CheckUpshiftsAgainstSpan() {
  const std::array<Integer, 2> span{S.MinRPMIndex, S.MaxRPMIndex};
  if (!S.TransmissionEntered || span == S.TransmissionSpan) return;
  // Every span looked at is recorded, so that a span left and taken again is checked again.
  S.TransmissionSpan = span;
  bool outside = false;
  for (int g = 1; g <= static_cast<int>(S.GearCount); ++g)
    outside = outside || (S.GearRPM[g] != 0 && (S.GearRPM[g] < span[0] || S.GearRPM[g] > span[1]));
  if (!outside) return;
  S.TransmissionEntered = False;
  // The form accepts its texts as it loads, and hands on to no data entry under way.
  const Integer automatic = S.AutoAccept, sequence = S.DataSequence;
  S.AutoAccept = True;
  S.DataSequence = False;
  OpenEntryForm(EntryForm::Gears);
  if (!automatic) S.AutoAccept = False;
  S.DataSequence = sequence;
}

// The nitrous as the vehicle opened again enters it from its texts: without a first-stage curve
// both stages out of use; where the nitrous OK would give the stages otherwise than they are,
// its form is offered and the section is not entered until its OK. A nitrous still to be entered
// is entered by its entry.
void FollowStageCurves() {
  if (!S.NitrousEntered) return;
  if (S.EngineSummary[1][0] == 0) {
    PutNitrousOutOfUse();
    return;
  }
  if (NitrousTextsGiveTheModel()) return;
  S.NitrousEntered = False;
  OpenEntryForm(EntryForm::Nitrous);
}

}  // namespace

void HoldColumnAsFiled(int column) {
  const int written = LastWrittenRow(column);
  for (int row = 1; row <= CurveTopRow; ++row)
    S.PowerCurve[column][row] = row <= written ? AsPowerFileReadsIt(S.PowerCurve[column][row]) : 0;
}

void HoldColumnsAsFiled() {
  for (int c = 0; c < CurveColumns; ++c) HoldColumnAsFiled(c);
  auto& curve = S.PowerCurve[0];
  const CurveSpan span = SpanOfColumn(curve);
  for (int row = span.last + 1; row <= CurveTopRow; ++row) curve[row] = 0;
  S.MinRPMIndex = span.first;
  S.MaxRPMIndex = span.last;
}

void HoldCurvesAsFiled() {
  HoldColumnsAsFiled();
  WorkOutFromCurves();
}

void StoreCurves() {
  HoldColumnsAsFiled();
  FollowStoredCurves();
}

void FollowStoredCurves() {
  WorkOutFromCurves();
  CheckUpshiftsAgainstSpan();
  FollowStageCurves();
  RecalcClutchFigures();
}

void EndCurveAtTop() {
  auto& curve = S.PowerCurve[0];
  for (int row = S.MaxRPMIndex + 1; row <= CurveTopRow; ++row) curve[row] = 0;
  WorkOutFromCurves();
}

}  // namespace kestrelon
