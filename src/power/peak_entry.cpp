#include "power/peak_entry.h"

#include <cmath>

#include "core/state.h"
#include "core/units.h"
#include "platform/ui_seam.h"
#include "entry/clutch_calc.h"
#include "power/stored_curve.h"

namespace kestrelon {

namespace {

constexpr double MaxPeakPower = 19999;  // BHP
constexpr Single NewtonMetresPerLbFt = 1.3567f;

// Whole value of a box: its leading number rounded, halves to even.
Integer WholeValue(const std::string& text) { return CInt(LeadingNumber(text)); }

PeakEntryBox Refuse(const std::string& message, PeakEntryBox focus) {
  ui().MsgBox(message, Msg::Question, "Engine Data");
  return focus;
}

// The figures as the checks derive them, stored only when every check has passed.
struct Figures {
  Integer maxRPMIndex = 0;
  Single maxBHP = 0;
  double itemBHP = 0;  // the whole BHP the vehicle's item keeps
  Single launchTemp = 0;
  Integer maxPRPM = 0, maxTRPM = 0, minRPM = 0;
  Single maxTRQ = 0;
  bool given = false;  // a peak-power rpm was typed
};

PeakEntryBox CheckSpanAndPower(const PeakEntryTexts& texts, Single unitFactor, bool noNitrous,
                               Figures& f) {
  f.maxRPMIndex = S.MaxRPMIndex;
  if (noNitrous) {
    const double v = LeadingNumber(texts.MaxRPM);
    if (v <= S.MinRPMIndex * 100.0 || v < 100 || v > 20000)
      return Refuse("Maximum RPM out of range", PeakEntryBox::MaxRPM);
    f.maxRPMIndex = CInt(v / 100);
  }
  const double w = LeadingNumber(texts.MaxBHP);
  if (w < 1 || w > MaxPeakPower / unitFactor)
    return Refuse("Maximum power out of range", PeakEntryBox::MaxBHP);
  const bool kept = texts.MaxBHP == ShownPeakPower(texts.ProposedBHP, unitFactor);
  const double bhp = kept ? LeadingNumber(texts.ProposedBHP) : unitFactor * w;
  f.maxBHP = static_cast<Single>(bhp);
  f.itemBHP = kept || unitFactor == 1 ? std::floor(bhp) : RoundHalfEven(bhp);
  if (noNitrous) {
    f.launchTemp = ParseValueWithUnits(texts.LaunchTemp, "temp");
    if (S.UnitsParseOK != 1)
      return Refuse("Invalid launch temperature " + S.UnitsErrorText, PeakEntryBox::LaunchTemp);
  }
  return PeakEntryBox::None;
}

PeakEntryBox CheckSpeeds(const PeakEntryTexts& texts, bool noNitrous, Figures& f) {
  f.maxPRPM = WholeValue(texts.MaxPRPM);
  f.given = f.maxPRPM > 0;
  if (f.maxPRPM < 0 || f.maxPRPM / 100.0 > f.maxRPMIndex)
    return Refuse("Maximum power RPM out of range", PeakEntryBox::MaxPRPM);

  f.maxTRPM = WholeValue(texts.MaxTRPM);
  if (f.maxTRPM > 0 && !f.given)
    return Refuse("You must set Maximum Power RPM", PeakEntryBox::MaxPRPM);
  if (f.maxTRPM < 0 || f.maxTRPM > f.maxPRPM)
    return Refuse("Maximum torque RPM out of range", PeakEntryBox::MaxTRPM);

  if (!Trim(texts.MaxTRQ).empty()) {
    const Single t = ParseValueWithUnits(texts.MaxTRQ, "torque");
    if (!(t > 0) || S.UnitsParseOK != 1)
      return Refuse("Invalid torque value " + S.UnitsErrorText, PeakEntryBox::MaxTRQ);
    f.maxTRQ = t / NewtonMetresPerLbFt;
  }

  if (noNitrous) {
    f.minRPM = WholeValue(texts.MinRPM);
    if (f.minRPM > 0 && !f.given)
      return Refuse("You must set Maximum Power RPM", PeakEntryBox::MaxPRPM);
    if (f.minRPM < 0 || (f.maxTRPM > 0 && f.minRPM > f.maxTRPM))
      return Refuse("Mininum engine RPM out of range", PeakEntryBox::MinRPM);
  }
  return PeakEntryBox::None;
}

// Fills in the peak torque, its rpm and the minimum rpm that were not typed, and checks that
// the typed ones fit the peak power.
PeakEntryBox DeriveMissing(bool noNitrous, Figures& f) {
  const Single bhp = f.maxBHP;
  if (f.maxTRPM == 0 && f.maxTRQ > 0) {
    const Single x = bhp * 5252 / f.maxTRQ;  // where the peak torque gives the peak power
    if (x >= f.maxPRPM) return Refuse("Maximum torque not high enough", PeakEntryBox::MaxTRQ);
    if (f.minRPM > x || x < 100)
      return Refuse("Maximum torque too high for minimum engine RPM", PeakEntryBox::MaxTRQ);
    f.maxTRPM = CInt(x * 0.9);
    if (f.maxTRPM < 100 || f.maxTRPM < f.minRPM) f.maxTRPM = f.minRPM > 0 ? f.minRPM : 100;
  } else if (f.maxTRPM == 0) {
    f.maxTRPM = CInt(f.maxPRPM * 0.75);
    f.maxTRQ = static_cast<Single>(bhp * 5252 * 1.15 / f.maxPRPM);
  } else if (f.maxTRQ > 0) {
    if (f.maxTRPM * f.maxTRQ / 5252 > bhp)
      return Refuse("Maximum torque too high for specified engine RPM", PeakEntryBox::MaxTRQ);
    if (bhp * 5252 / f.maxPRPM > f.maxTRQ)
      return Refuse("Maximum torque not high enough for specified engine power",
                    PeakEntryBox::MaxTRQ);
  } else {
    f.maxTRQ = static_cast<Single>(
        bhp * 5252 * std::sqrt(static_cast<double>(f.maxPRPM) / f.maxTRPM) / f.maxPRPM);
  }

  if (!noNitrous) {
    f.minRPM = static_cast<Integer>(S.MinRPMIndex * 100);
  } else if (f.minRPM == 0) {
    f.minRPM = CInt(f.maxPRPM / 2.0);
    if (f.minRPM > f.maxTRPM) f.minRPM = f.maxTRPM;
  }
  return PeakEntryBox::None;
}

void Store(const PeakEntryTexts& texts, bool noNitrous, const Figures& f) {
  const Integer oldSpan = S.MaxRPMIndex;
  S.MaxRPMIndex = f.maxRPMIndex;
  // A lower top ends the curve at once: a run or a save before the graph's OK has one vehicle.
  if (noNitrous && S.MaxRPMIndex < oldSpan) EndCurveAtTop();
  // Without a word: the graph's OK that follows settles the span and tells a clutch that no
  // longer fits the curve stored.
  if (noNitrous && S.MaxRPMIndex != oldSpan) WorkOutClutchFigures();
  S.MaxBHP = f.maxBHP;
  S.PowerMaxPower = CInt(f.maxBHP);
  if (noNitrous) S.LaunchTemp = f.launchTemp;
  S.MaxPRPM = f.maxPRPM;
  S.MaxTRPM = f.maxTRPM;
  S.MinRPM = f.minRPM;
  S.MaxTRQ = f.maxTRQ;
  if (!Trim(texts.PowerDescript).empty()) S.PowerDescript[S.PowerCurveIndex] = texts.PowerDescript;
  S.VehicleData[6][2] = NumText(f.itemBHP);
  S.VehicleData[6][1] = texts.MaxRPM;
  S.VehicleData[8][18] = Trim(texts.LaunchTemp);
  S.ErasePower = ToFlag(texts.ErasePower && f.given);
}

}  // namespace

Single PowerUnitFactorOf(std::string_view powerUnit) {
  return powerUnit == "BHP" ? 1.0f : 1.340183f;
}

std::string ShownPeakPower(const std::string& bhp, Single powerUnitFactor) {
  if (powerUnitFactor == 1 || Trim(bhp).empty()) return bhp;
  return NumText(static_cast<double>(CLng(LeadingNumber(bhp) / powerUnitFactor)));
}

PeakEntryBox AcceptPeakFigures(PeakEntryTexts& texts, Single powerUnitFactor) {
  const bool noNitrous = S.PowerCurveIndex == 0;
  if (noNitrous && Trim(texts.LaunchTemp).empty()) texts.LaunchTemp = "70c";
  Figures f;
  PeakEntryBox refused = CheckSpanAndPower(texts, powerUnitFactor, noNitrous, f);
  if (refused == PeakEntryBox::None) refused = CheckSpeeds(texts, noNitrous, f);
  if (refused == PeakEntryBox::None && f.given) refused = DeriveMissing(noNitrous, f);
  if (refused != PeakEntryBox::None) return refused;
  Store(texts, noNitrous, f);
  return PeakEntryBox::None;
}

}  // namespace kestrelon
