#include "entry/gear_calc.h"

#include "core/expression.h"
#include "core/settings.h"
#include "core/state.h"
#include "platform/ui_seam.h"
#include "simulation/gear_shift.h"

namespace kestrelon {
namespace {

constexpr int MaxIntegerRow = 32767;  // an rpm row is a 16-bit whole number

Verdict Refuse(std::string message, int field) { return Refusal{std::move(message), field}; }

// The texts of gear g (1..8): ratio, upshift rpm and upshift duration items.
std::array<std::string*, 3> GearItems(int g) {
  auto& d = S.VehicleData;
  if (g <= 6) return {&d[7][3 * g - 2], &d[7][3 * g - 1], &d[7][3 * g]};
  const int first = g == 7 ? 11 : 14;
  return {&d[10][first], &d[10][first + 1], &d[10][first + 2]};
}

// One row of the table from the model's overall ratio.
void ShowGearRow(GearsEntry& e, int i) {
  const int g = i + 1;
  if (!(S.GearOverall[g] > 0)) {
    e.OverallCaption[i] = " ";
    e.SpeedCaption[i] = " ";
    return;
  }
  e.OverallCaption[i] = Format(S.GearOverall[g], "#0.000") + ":1";
  // 23.425: 100 rpm in rad/s times the mph in one m/s.
  const Single overall = GearingWithGrowth(static_cast<Single>(e.DisplayRPMIndex) * 100, g);
  Single v = e.DisplayRPMIndex * 23.425f * S.RearTyreRadius / overall;
  if (Cfg.DUnits == "M") v *= 1.609f;
  e.SpeedCaption[i] = v > 0 ? Format(v, "##0.00") : " ";
}

// A drive ratio box read into its model field; the primary drive reads 0 as 1.
Verdict ReadDriveRatio(std::string& text, Single& field, bool primary, Integer& errorCode) {
  const RatioReading r = ParseRatio(text);
  text = r.text;
  errorCode = r.errorCode;
  field = r.value;
  if (primary && field == 0) field = 1;
  if (field <= 0 || r.errorCode > 0)
    return Refuse(primary ? "Primary drive ratio Invalid" : "Final drive ratio Invalid",
                  primary ? TransPrimaryField : TransFinalField);
  return std::nullopt;
}

Verdict DriveRatio_LostFocus(GearsEntry& e, bool primary) {
  std::string& text = primary ? e.Primary : e.Final;
  if (IsBlank(text)) return std::nullopt;
  if (auto r = ReadDriveRatio(text, primary ? S.TransPrimary : S.TransFinal, primary,
                              e.RatioErrorCode))
    return r;
  RecalcGearTable(e, 100);
  return std::nullopt;
}

// Upshift rpm, duration, point and lock-up of gear g (row k = g - 1).
Verdict ReadGearShift(GearsEntry& e, int k, double defaultDuration, bool keyboardAccept) {
  const int g = k + 1;
  const std::string rpm = Trim(e.RPM[k]);
  if (rpm.empty()) {
    S.GearRPM[g] = 0;
  } else {
    const double row = RoundHalfEven(PlainNumber(rpm) / 100);
    // Rows beyond a 16-bit whole number are refused outright, above the curve or below it.
    if (row > MaxIntegerRow)
      return Refuse("Upshift RPM higher than Maximum engine RPM", GearRPMField + k);
    if (row < S.MinRPMIndex) return Refuse("Upshift RPM too low", GearRPMField + k);
    S.GearRPM[g] = static_cast<Integer>(row);
    if (row > e.DisplayRPMIndex && !keyboardAccept &&
        ui().MsgBox("Upshift RPM higher than Maximum engine RPM", Msg::OKCancel | Msg::Question,
                    "Transmission Data") == Msg::Cancel)
      return Refuse("", GearRPMField + k);  // the question was the message
  }

  if (IsBlank(e.Change[k])) {
    S.GearChange[g] = static_cast<Single>(defaultDuration);
  } else if (auto r = ReadPlainField(e.Change[k], S.GearChange[g], AtLeast0,
                                    "Upshift Duration Invalid", GearChangeField + k)) {
    return r;
  }

  if (IsBlank(e.Sec[k])) {
    S.GearSec[g] = 0;
  } else {
    Single t = 0;
    if (auto r = ReadPlainField(e.Sec[k], t, AtLeast0, "Upshift point Invalid", GearSecField + k))
      return r;
    if (t > 0)
      for (int j = 1; j < g; ++j)
        if (S.GearSec[j] > 0 && !(static_cast<Single>(S.GearSec[j] + S.GearChange[j]) < t))
          return Refuse("Cannot upshift until previous shift is complete", GearSecField + k);
    S.GearSec[g] = t;
  }

  S.GearLockup[k] = ToFlag(e.Lockup[k]);
  return std::nullopt;
}

void WorkOutOverallRatio(int g) { S.GearOverall[g] = S.TransFinal * S.GearInternal[g] * S.TransPrimary; }

}  // namespace

void WorkOutGearGrowthRPM(int g) {
  // 19.0986 = 60 / pi: wheel rpm from road speed (m/s) over wheel diameter (m).
  S.GearGrowthRPM[g] = S.TyreGrowthSpeed > 0 && S.TyreGrowthDia > 0
                           ? S.GearOverall[g] * (S.TyreGrowthSpeed * 19.0986f) / S.TyreGrowthDia
                           : 0;
}

void WorkOutGearGrowthRPM() {
  for (int g = 1; g <= GearRows; ++g) WorkOutGearGrowthRPM(g);
}

void WorkOutOverallRatios() {
  for (int g = 1; g <= GearRows; ++g) {
    WorkOutOverallRatio(g);
    WorkOutGearGrowthRPM(g);
  }
}

RatioReading ParseRatio(const std::string& text) {
  RatioReading r;
  const auto colon = text.find(':');
  if (colon == std::string::npos) {
    EvaluateExpression(text, r.value, r.errorCode);
    r.text = text;
    return r;
  }
  const double teethA = PlainNumber(text.substr(0, colon));
  const double teethB = PlainNumber(text.substr(colon + 1));
  // Teeth past a Single cannot be read, as an expression past one cannot.
  if (!FitsSingle(teethA) || !FitsSingle(teethB)) return {0, 1, text};
  const auto a = static_cast<Single>(teethA), b = static_cast<Single>(teethB);
  r.text = NumText(a) + ":" + NumText(b);
  if (b == 1)
    r.value = a;
  else if (a == 0)
    r.value = 0;
  else
    r.value = b / a;
  return r;
}

Integer DisplayRPMIndexNow() { return S.MaxRPMIndex != 0 ? S.MaxRPMIndex : Integer{100}; }

std::string GearSpeedHeading(Integer displayRPMIndex) {
  return std::string(Cfg.DUnits == "M" ? "Km/h at " : "MPH at ") + Str(displayRPMIndex) +
         "00 RPM";
}

Verdict RecalcGearTable(GearsEntry& e, int gear) {
  if (S.TransFinal == 0 || S.TransPrimary == 0) return std::nullopt;
  constexpr Single Counting = -1;  // marks a pass that counts the gears
  if (gear > 100) S.GearCount = Counting;
  for (int i = 0; i < GearRows; ++i) {
    if (gear < 100 && i != gear) continue;
    const int g = i + 1;
    S.GearInternal[g] = 0;
    e.RatioErrorCode = 0;
    const std::string text = Trim(e.Internal[i]);
    if (!text.empty()) {
      const RatioReading r = ParseRatio(text);
      S.GearInternal[g] = r.value;
      e.Internal[i] = r.text;
      e.RatioErrorCode = r.errorCode;
    }
    if (e.RatioErrorCode == 0) {
      WorkOutOverallRatio(g);
    } else if (gear > 100) {
      S.GearCount = 0;
      return Refuse("Gear ratio " + Str(g) + "invalid", GearInternalField + i);
    }
    // A gear without a ratio ends the gearbox; ratios above a gap are not counted.
    if (S.GearCount == Counting) {
      if (S.GearInternal[g] == 0)
        S.GearCount = static_cast<Single>(i);
      else if (i == GearRows - 1)
        S.GearCount = GearRows;
    }
    WorkOutGearGrowthRPM(g);
    ShowGearRow(e, i);
  }
  return std::nullopt;
}

void ShowGearSpeeds(GearsEntry& e) {
  for (int i = 0; i < GearRows; ++i)
    if (e.OverallCaption[i] != " ") ShowGearRow(e, i);
}

void LoadGears(GearsEntry& e) {
  e.DisplayRPMIndex = DisplayRPMIndexNow();
  auto& d = S.VehicleData;
  for (int i = 0; i < GearRows; ++i) {
    const int g = i + 1;
    const auto items = GearItems(g);
    e.Internal[i] = *items[0];
    e.RPM[i] = *items[1];
    e.Change[i] = *items[2];
    e.Sec[i] = d[4][12 + g];
    e.Lockup[i] = d[8][9 + g] == "Y";
    e.OverallCaption[i] = " ";
    e.SpeedCaption[i] = " ";
  }
  e.Primary = d[6][16];
  e.Final = d[6][17];
  e.Start = d[7][19];
  e.Eff = d[6][18];
  e.UpshiftDefault = d[10][17];
  e.PowerShift = Trim(d[10][18]) == "Y";

  if (!IsBlank(e.Final) && !IsBlank(e.Primary)) {
    S.TransFinal = ParseRatio(e.Final).value;
    const RatioReading primary = ParseRatio(e.Primary);
    S.TransPrimary = primary.value;
    e.RatioErrorCode = primary.errorCode;
    if (S.TransFinal > 0 && S.TransPrimary > 0 && e.RatioErrorCode == 0) RecalcGearTable(e, 100);
  }
}

GearingValues::GearingValues()
    : transPrimary_(S.TransPrimary),
      transFinal_(S.TransFinal),
      gearCount_(S.GearCount),
      internal_(S.GearInternal),
      overall_(S.GearOverall),
      growthRPM_(S.GearGrowthRPM),
      powerShift_(S.PowerShift) {}

void GearingValues::Restore() const {
  S.TransPrimary = transPrimary_;
  S.TransFinal = transFinal_;
  S.GearCount = gearCount_;
  S.GearInternal = internal_;
  S.GearOverall = overall_;
  S.GearGrowthRPM = growthRPM_;
  S.PowerShift = powerShift_;
}

Verdict TransPrimary_LostFocus(GearsEntry& e) { return DriveRatio_LostFocus(e, true); }
Verdict TransFinal_LostFocus(GearsEntry& e) { return DriveRatio_LostFocus(e, false); }

Verdict AcceptGears(GearsEntry& e, bool keyboardAccept) {
  if (auto r = ReadDriveRatio(e.Primary, S.TransPrimary, true, e.RatioErrorCode)) return r;
  if (auto r = ReadDriveRatio(e.Final, S.TransFinal, false, e.RatioErrorCode)) return r;

  const double defaultDuration = PlainNumber(e.UpshiftDefault);
  if (defaultDuration < 0 || !FitsSingle(defaultDuration))
    return Refuse("Invalid Upshift duration", GearUpshiftDefaultField);

  const Single oldEff = S.TransEff;
  S.TransEff = static_cast<Single>(PlainNumber(e.Eff) / 100);
  if (!(S.TransEff >= 0 && S.TransEff <= 1)) {
    S.TransEff = oldEff;
    return Refuse("Invalid Transmission Efficiency", GearsTransEffField);
  }
  if (S.TransEff == 0) S.TransEff = 1;

  if (auto r = RecalcGearTable(e, 200)) return r;
  const int count = static_cast<int>(S.GearCount);
  if (count == 0) return Refuse("No gear ratios entered", GearInternalField);
  for (int k = 1; k < count; ++k)
    if (S.GearInternal[k] <= S.GearInternal[k + 1])
      return Refuse("Gear " + NumText(static_cast<float>(k + 1)) +
                        " is lower than or the same as gear " + NumText(static_cast<float>(k)),
                    GearInternalField + k);

  for (int k = 0; k < count; ++k)
    if (auto r = ReadGearShift(e, k, defaultDuration, keyboardAccept)) return r;

  // The top gear has no upshift; the gears above it are not fitted.
  S.GearChange[count] = 0;
  S.GearSec[count] = 0;
  for (int j = count + 1; j <= 9; ++j) {
    S.GearRPM[j] = 0;
    S.GearChange[j] = 0;
    S.GearInternal[j] = 0;
    S.GearOverall[j] = 0;
    S.GearGrowthRPM[j] = 0;
    S.GearSec[j] = 0;
  }

  const std::string start = Trim(e.Start);
  if (start.empty()) {
    S.TransStart = 1;
  } else {
    const double s = RoundHalfEven(PlainNumber(start));
    if (s > count) return Refuse("Starting gear invalid", TransStartField);
    S.TransStart = s <= 1 ? Integer{1} : static_cast<Integer>(s);
  }
  S.PowerShift = ToFlag(e.PowerShift);

  auto& d = S.VehicleData;
  for (int i = 0; i < GearRows; ++i) {
    const int g = i + 1;
    const auto items = GearItems(g);
    *items[0] = e.Internal[i];
    *items[1] = e.RPM[i];
    *items[2] = e.Change[i];
    d[4][12 + g] = e.Sec[i];
    d[8][9 + g] = e.Lockup[i] ? "Y" : "";
  }
  d[6][16] = e.Primary;
  d[6][17] = e.Final;
  d[6][18] = e.Eff;
  d[10][17] = e.UpshiftDefault;
  d[10][18] = S.PowerShift ? "Y" : "";
  d[7][19] = e.Start;
  // The upshifts have been checked against the span as it stands.
  S.TransmissionSpan = {S.MinRPMIndex, S.MaxRPMIndex};
  return std::nullopt;
}

}  // namespace kestrelon
