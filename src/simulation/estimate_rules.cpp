#include "simulation/estimate_rules.h"

#include <cmath>

#include "core/state.h"
#include "entry/gear_calc.h"
#include "files/power_file.h"
#include "power/scale_power_curve.h"

namespace kestrelon {
namespace {

constexpr Single HalfAirDensity = 0.6f;  // kg/m^3, as in the drag equation
constexpr double GearingStep = 0.02;

double Tolerance() { return S.EstError / 100.0; }

// A target over a simulated figure; 1 without a target.
double Ratio(Single target, Single simulated) {
  return target > 0 ? static_cast<double>(target) / simulated : 1.0;
}

EstimateChange GripBy(double r) { return {EstimateQuantity::Grip, 1 / std::sqrt(r)}; }
EstimateChange DragBy(double rv, double k) { return {EstimateQuantity::Drag, 1 / std::pow(rv, k)}; }
EstimateChange PowerBy(double f) { return {EstimateQuantity::Power, f}; }
EstimateChange GearingBy(double f) { return {EstimateQuantity::Gearing, f}; }

// The gearing verdict answered: shorter gearing when the engine runs out of revs or the tyres
// spin, taller when they barely slip.
EstimateChange GearingByVerdict() { return GearingBy(1 - GearingStep * S.EstGearingHint); }

// Rule A: the time is outside the tolerance.
EstimateChange TimeRule(const EstimateRatios& r) {
  const bool quicker = r.Rt < 1 - Tolerance();  // the ticket is quicker than the run
  const Integer gearing = S.EstGearingHint;
  if (quicker && S.EstGripHint > 0) return GripBy(r.Rt);
  if (quicker && gearing != 0) return GearingByVerdict();
  if (InsideTolerance(r.Rv)) {
    if (S.EstMUAdjust != False && !r.has60 && !r.has330) return GripBy(r.Rt);
    return {};
  }
  if (gearing > 0) return GearingBy(r.Rv);
  if (gearing < 0) return GearingBy(1 + GearingStep);
  if (S.EstBHPAdjust != False) return PowerBy(std::pow(1 / r.Rt, 2.8));
  if (S.EstCDAdjust != False) return DragBy(r.Rv, 3);
  return {};
}

// Rule B: the time matches but the speed does not.
EstimateChange SpeedRule(const EstimateRatios& r) {
  const Integer gearing = S.EstGearingHint;
  if (gearing > 0) return GearingBy(r.Rv);
  if (gearing < 0) return GearingBy(1 + GearingStep);
  if (S.EstBHPAdjust != False)
    return S.EstCDAdjust != False ? DragBy(r.Rv, 2) : PowerBy(std::pow(r.Rv, 2.5));
  if (S.EstCDAdjust != False && InsideWideTolerance(r.Rv)) return DragBy(r.Rv, 3);
  return {};
}

// Rules C and D: an intermediate time (60 ft or 330 ft) is outside the tolerance. Grip answers
// the 330 ft time only when the 60 ft time has no target of its own.
EstimateChange IntermediateRule(double ratio, bool gripMayAnswer) {
  if (S.EstGearingHint != 0) return GearingByVerdict();
  if (S.EstMUAdjust != False && gripMayAnswer) return GripBy(ratio);
  if (S.EstBHPAdjust != False) return PowerBy(1 / (ratio * ratio));
  return {};
}

// A changed figure as its vehicle item gives it back: the text Keep writes, read by the item's
// own rule. A figure past every number has no such text and stays as it is: the search ends on it.
// One the item gives back as 0 (a drag coefficient shrunk past single precision), which its form
// refuses, is not taken: the figure stays at `current`, and the rule has no change left.
template <typename Read>
Single AsItemReadsIt(Single value, Single current, Read read) {
  if (!std::isfinite(value)) return value;
  const auto held = static_cast<Single>(read(KeptItemText(value)));
  return held > 0 ? held : current;
}

}  // namespace

std::string KeptItemText(Single value) { return Trim(CurveValueText(value)); }

void HoldDragCoefficient(Single cd) {
  SetDragCoefficient(AsItemReadsIt(cd, S.AeroCD, LeadingNumber));
}

void HoldGrip(Single mu) { S.TyreMu = AsItemReadsIt(mu, S.TyreMu, PlainNumber); }

void HoldFinalDrive(Single ratio) {
  S.TransFinal = AsItemReadsIt(ratio, S.TransFinal,
                               [](const std::string& text) { return ParseRatio(text).value; });
  WorkOutOverallRatios();
}

bool EighthMileIsReference() { return S.Est1320time == 0; }

ReferenceFigures ReferenceOfLastRun() {
  if (EighthMileIsReference()) return {S.Time660ft, S.Speed660ft, S.Est660time, S.Est660speed};
  return {S.Time1320ft, S.Speed1320ft, S.Est1320time, S.Est1320speed};
}

EstimateRatios RatiosOfLastRun() {
  const ReferenceFigures ref = ReferenceOfLastRun();
  EstimateRatios r;
  r.Rt = Ratio(ref.targetTime, ref.runTime);
  r.Rv = Ratio(ref.targetSpeed, S.SpeedFactor * ref.runSpeed);
  r.has60 = S.Est60time > 0;
  r.has330 = S.Est330time > 0;
  r.R60 = Ratio(S.Est60time, S.Time60ft);
  r.R330 = Ratio(S.Est330time, S.Time330ft);
  return r;
}

bool InsideTolerance(double ratio) {
  const double e = Tolerance();
  return ratio >= 1 - e && ratio <= 1 + e;
}

bool InsideWideTolerance(double ratio) {
  const double e = S.EstError / 50.0;
  return ratio >= 1 - e && ratio <= 1 + e;
}

bool TicketMatches(const EstimateRatios& r) {
  return InsideTolerance(r.Rt) && InsideTolerance(r.Rv) && InsideTolerance(r.R60) &&
         InsideTolerance(r.R330);
}

EstimateChange ChooseEstimateChange(const EstimateRatios& r) {
  EstimateChange change;
  if (!InsideTolerance(r.Rt))
    change = TimeRule(r);
  else if (!InsideTolerance(r.Rv))
    change = SpeedRule(r);
  if (change.quantity == EstimateQuantity::None && !InsideTolerance(r.R60))
    change = IntermediateRule(r.R60, true);
  if (change.quantity == EstimateQuantity::None && !InsideTolerance(r.R330))
    change = IntermediateRule(r.R330, !r.has60);
  return change;
}

void SetDragCoefficient(Single cd) {
  S.AeroCD = cd;
  S.AeroDragFactor = S.AeroArea * HalfAirDensity * S.AeroCD;
}

void ApplyEstimateChange(const EstimateChange& change) {
  switch (change.quantity) {
    case EstimateQuantity::Grip: HoldGrip(static_cast<Single>(S.TyreMu * change.factor)); break;
    case EstimateQuantity::Drag: HoldDragCoefficient(static_cast<Single>(S.AeroCD * change.factor)); break;
    case EstimateQuantity::Power: ScalePowerCurve(static_cast<Single>(change.factor)); break;
    case EstimateQuantity::Gearing: HoldFinalDrive(S.TransFinal * static_cast<Single>(change.factor)); break;
    case EstimateQuantity::None: break;
  }
}

}  // namespace kestrelon
