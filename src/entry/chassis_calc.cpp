#include "entry/chassis_calc.h"

#include <array>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"

namespace kestrelon {
namespace {

std::string& Item(int item) { return S.VehicleData[2][item]; }

// The damping divisor: Hard 1, Medium 2, Soft 3; None 8 (used only without travel).
Single DampingDivisor(DampingChoice damping) {
  switch (damping) {
    case DampingChoice::Hard: return 1;
    case DampingChoice::Medium: return 2;
    case DampingChoice::Soft: return 3;
    case DampingChoice::None: break;
  }
  return 8;
}

// The texts of items (2,1) to (2,10), in item order.
std::array<std::string*, 10> ItemTexts(ChassisEntry& e) {
  return {&e.Wheelbase, &e.Weight, &e.CGL, &e.CGH, &e.CrankL,
          &e.WBL,       &e.WBH,    &e.FTravel, &e.FRate, &e.FPrel};
}

Verdict Refuse(std::string message, int field) { return Refusal{std::move(message), field}; }

}  // namespace

Single RearWeightPercent(Single cgl, Single wheelbase) { return (1 - cgl / wheelbase) * 100; }

std::string LengthInUnit(Single metres, Integer unitRow) {
  const UnitRecord& unit = Tbl.UnitTable[unitRow];
  return Format(metres / unit.Factor, "#####0.0#") + unit.Code;
}

Single FrontDampingOf(Single rate, Single travel, Single preload, DampingChoice damping) {
  if (travel == 0) return 0;
  const double k = DampingDivisor(damping);
  return static_cast<Single>((rate * travel + preload) /
                             (10 * k * std::sqrt(static_cast<double>(travel) * travel * travel)));
}

SuspensionSetting PresetSuspension(SuspensionPreset preset, Single wheelbase, Single weight,
                                   Single cgl) {
  struct Row {
    Single longTravel, shortTravel, lowerBound, divisor, rateFactor, preloadDivisor;
  };
  static constexpr Row rows[] = {
      {0.12f, 0.064f, 1.6f, 25, 3.0f, 2.0f},  // Hard
      {0.2f, 0.1f, 1.5f, 15, 2.5f, 2.5f},     // Medium
      {0.3f, 0.15f, 1.5f, 10, 2.0f, 3.0f},    // Soft
  };
  const Row& row = rows[static_cast<int>(preset)];
  const Single frontLoad = (cgl / wheelbase) * weight * S.Gravity;
  SuspensionSetting s;
  if (wheelbase > 3.0f)
    s.Travel = row.longTravel;
  else if (wheelbase < row.lowerBound)
    s.Travel = row.shortTravel;
  else
    s.Travel = wheelbase / row.divisor;
  s.Rate = row.rateFactor * frontLoad / s.Travel;
  s.Preload = frontLoad / row.preloadDivisor;
  return s;
}

void ShowSuspension(const SuspensionSetting& s, ChassisEntry& entry) {
  if (Cfg.DUnits == "I") {
    entry.FTravel = Format(s.Travel * 39.37f, "#0.0#") + "in";
    entry.FRate = Format(s.Rate / 175.2f, "####0") + "lb/in";
    entry.FPrel = Format(s.Preload * 2.204f / S.Gravity, "####0") + "lb";
  } else {
    entry.FTravel = Format(s.Travel * 1000, "##0") + "mm";
    entry.FRate = Format(s.Rate / 1000, "####0") + "N/mm";
    entry.FPrel = Format(s.Preload, "####0") + "N";
  }
}

void LoadChassis(ChassisEntry& entry, ChassisBase& base) {
  const auto texts = ItemTexts(entry);
  for (int item = 1; item <= 10; ++item) *texts[item - 1] = Item(item);

  const std::string damping = Trim(Item(11));
  const auto p = damping.empty() ? std::string::npos : std::string("HMSN").find(damping[0]);
  entry.Damping = p == std::string::npos ? DampingChoice::Soft : static_cast<DampingChoice>(p);

  const std::string& drive = Item(20);
  entry.Drive = drive == "AWD"   ? DriveLayout::AWD
                : drive == "FWD" ? DriveLayout::FWD
                                 : DriveLayout::RWD;
  entry.UseWheelieBars = S.VehicleData[7][20] != "N";

  base.CGL = ReadUnits(entry.CGL, "length").value;
  base.Wheelbase = ReadUnits(entry.Wheelbase, "length").value;
  base.WheelbaseUnitRow = S.UnitsLastIndex;
  if (base.CGL > 0 && base.Wheelbase > 0 && base.CGL < base.Wheelbase) {
    base.CGPercent = RearWeightPercent(base.CGL, base.Wheelbase);
    entry.CGP = Format(base.CGPercent, "#0.00");
  } else {
    base.CGPercent = 0;
  }
}

void ChassisCGL_LostFocus(ChassisEntry& entry, ChassisBase& base) {
  base.CGL = ReadUnits(entry.CGL, "length").value;
  if (base.Wheelbase > 0 && base.CGL > 0 && base.CGL < base.Wheelbase) {
    base.CGPercent = RearWeightPercent(base.CGL, base.Wheelbase);
    entry.CGP = Format(base.CGPercent, "#0.00");
  }
}

void ChassisCGP_LostFocus(ChassisEntry& entry, ChassisBase& base) {
  if (base.Wheelbase <= 0 || base.WheelbaseUnitRow <= 0) return;
  const double p = PlainNumber(Trim(entry.CGP));
  if (p > 0 && p < 100)
    entry.CGL = LengthInUnit(static_cast<Single>((1 - p / 100) * base.Wheelbase),
                             base.WheelbaseUnitRow);
}

void ChassisWheelbase_LostFocus(ChassisEntry& entry, ChassisBase& base) {
  base.Wheelbase = ReadUnits(entry.Wheelbase, "length").value;
  base.WheelbaseUnitRow = S.UnitsLastIndex;
  if (!IsBlank(entry.CGL))
    ChassisCGL_LostFocus(entry, base);
  else if (!IsBlank(entry.CGP))
    ChassisCGP_LostFocus(entry, base);
}

Verdict ApplySuspensionPreset(ChassisEntry& entry, ChassisBase& base, SuspensionPreset preset) {
  // The base figures the preset is worked out from.
  UnitValue v = ReadUnits(entry.Wheelbase, "length");
  base.Wheelbase = v.value;
  if (!v.ok || v.value <= 0)
    return Refuse(WithUnitsError("Wheelbase not set "), ChassisWheelbaseField);
  v = ReadUnits(entry.Weight, "mass");
  base.Weight = v.value;
  if (!v.ok || v.value <= 0)
    return Refuse(WithUnitsError("Vehicle weight not set "), ChassisWeightField);
  v = ReadUnits(entry.CGL, "length");
  base.CGL = v.value;
  if (!v.ok || v.value <= 0)
    return Refuse(WithUnitsError("C.G. distance from rear axle not set "), ChassisCGLField);

  entry.Damping = static_cast<DampingChoice>(static_cast<int>(preset));
  ShowSuspension(PresetSuspension(preset, base.Wheelbase, base.Weight, base.CGL), entry);
  return std::nullopt;
}

Verdict AcceptChassis(ChassisEntry& entry, ChassisBase& base) {
  if (auto r = ReadUnitField(entry.Wheelbase, "length", S.ChassisWheelbase, Above0,
                          "Invalid wheelbase ", ChassisWheelbaseField))
    return r;
  base.WheelbaseUnitRow = S.UnitsLastIndex;
  if (auto r = ReadUnitField(entry.Weight, "mass", S.ChassisWeight, Above0, "Invalid vehicle weight ",
                          ChassisWeightField))
    return r;

  // The C.G. distance as typed, or else from the rear wheels' share of the weight.
  const UnitValue cgl = ReadUnits(entry.CGL, "length");
  S.ChassisCGL = cgl.value;
  if (!(cgl.value > 0 && cgl.ok)) {
    const std::string share = Trim(entry.CGP);
    if (!share.empty()) {
      const double p = PlainNumber(share);
      if (p <= 0 || p >= 100)
        return Refuse("Weight on rear axle should be greater than 0 and less than 100 percent",
                      ChassisCGPField);
      S.ChassisCGL = static_cast<Single>((1 - p / 100) * S.ChassisWheelbase);
      entry.CGL = LengthInUnit(S.ChassisCGL, base.WheelbaseUnitRow);
    } else {
      S.ChassisCGL = 0;
    }
    if (S.ChassisCGL <= 0)
      return Refuse(WithUnitsError("Unable to determine C.G. distance from rear axle "),
                    ChassisCGLField);
  }

  if (auto r = ReadUnitField(entry.CGH, "length", S.ChassisCGH, Above0,
                          "C.G. at invalid height above ground ", ChassisCGHField))
    return r;
  if (IsBlank(entry.CrankL)) {
    S.ChassisCrankL = 0;
  } else if (auto r = ReadUnitField(entry.CrankL, "length", S.ChassisCrankL, AtLeast0,
                                 "Crankshaft to rear axle distance is invalid ",
                                 ChassisCrankLField)) {
    return r;
  }

  // Only a rear-wheel-drive vehicle with the bars ticked and a length typed has wheelie bars.
  if (IsBlank(entry.WBL) || entry.Drive != DriveLayout::RWD || !entry.UseWheelieBars) {
    S.ChassisWBL = 0;
    S.ChassisWBH = 0;
  } else {
    if (auto r = ReadUnitField(entry.WBL, "length", S.ChassisWBL, AtLeast0, "Wheelie bar length invalid ",
                            ChassisWBLField))
      return r;
    if (auto r = ReadUnitField(entry.WBH, "length", S.ChassisWBH, AtLeast0, "Wheelie bar height invalid ",
                            ChassisWBHField))
      return r;
  }

  if (auto r = ReadUnitField(entry.FTravel, "length", S.ChassisFTravel, AtLeast0,
                          "Front suspension travel not valid ", ChassisFTravelField))
    return r;
  const UnitValue rate = ReadUnits(entry.FRate, "rate");
  S.ChassisFRate = rate.value;
  if (!(rate.ok && rate.value >= 0 && (S.ChassisFTravel == 0 || rate.value != 0)))
    return Refuse(WithUnitsError("Front suspension spring rate not valid "), ChassisFRateField);
  if (auto r = ReadUnitField(entry.FPrel, "force", S.ChassisFPrel, AtLeast0,
                          "Front suspension preload not valid ", ChassisFPrelField))
    return r;

  // Without travel there is no front suspension: no spring, no preload, no damping.
  DampingChoice damping = entry.Damping;
  if (S.ChassisFTravel == 0) {
    S.ChassisFRate = 0;
    S.ChassisFPrel = 0;
    damping = DampingChoice::None;
  }
  S.FrontDamping = FrontDampingOf(S.ChassisFRate, S.ChassisFTravel, S.ChassisFPrel, damping);
  S.FrontDampingHalf = S.FrontDamping / 2;

  const auto texts = ItemTexts(entry);
  for (int item = 1; item <= 10; ++item) Item(item) = *texts[item - 1];
  Item(11) = std::string(1, "HMSN"[static_cast<int>(entry.Damping)]);

  switch (entry.Drive) {
    case DriveLayout::AWD: Item(20) = "AWD"; S.DriveType = 1; break;
    case DriveLayout::FWD: Item(20) = "FWD"; S.DriveType = 2; break;
    case DriveLayout::RWD: Item(20) = "RWD"; S.DriveType = 0; break;
  }
  entry.DriveText = Item(20);
  S.VehicleData[7][20] = entry.UseWheelieBars ? "Y" : "N";
  return std::nullopt;
}

}  // namespace kestrelon
