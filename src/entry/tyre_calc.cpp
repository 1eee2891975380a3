#include "entry/tyre_calc.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "entry/gear_calc.h"

namespace kestrelon {
namespace {

constexpr Single MinTyrePressure = 6800;  // Pa; at or below it the tyre is flat

Verdict Refuse(std::string message, int field) { return Refusal{std::move(message), field}; }

// A plain number, or the default when the box is blank.
double NumberOr(const std::string& text, double blankValue) {
  return IsBlank(text) ? blankValue : PlainNumber(text);
}

Verdict ReadPressure(const std::string& text, Single& field, int fieldNo) {
  const UnitValue v = ReadUnits(text, "pressure");
  field = v.value;
  if (!v.ok || v.value <= MinTyrePressure) return Refuse(WithUnitsError("Tyre is flat! "), fieldNo);
  return std::nullopt;
}

Verdict ReadFriction(const std::string& text, Single& field, int fieldNo) {
  if (IsBlank(text)) {
    field = 1.0f;
    return std::nullopt;
  }
  return ReadPlainField(text, field, Above0, "Invalid Friction Coefficient", fieldNo);
}

bool AllFinite(std::initializer_list<Single> figures) {
  return std::all_of(figures.begin(), figures.end(), [](Single v) { return std::isfinite(v); });
}

// The figures that follow from an accepted entry; the growth feasibility can still refuse.
Verdict DeriveTyreFigures(Single frontWheelMass) {
  const double D = S.TyreDia, d = S.TyreWDia, m = S.TyreWeight, w = S.TyreWidth;
  S.RearTyreRadius = static_cast<Single>(D / 2);
  if (S.TyreGrowthSpeed == 0) {
    S.TyreGrowthRate = 0;
  } else {
    S.TyreGrowthRate = static_cast<Single>((S.TyreGrowthDia - D) /
                                           (static_cast<double>(S.TyreGrowthSpeed) * S.TyreGrowthSpeed));
    // A tyre must not grow faster than 1/6000 of its diameter per (m/s) squared. A rate of 0
    // (growth diameter equal to the derived diameter) has no such quotient: refused too.
    if (S.TyreGrowthRate == 0 || static_cast<Single>(D / S.TyreGrowthRate) < 6000)
      return Refuse("Tyre Growth is unfeasable", TyreGrowthDiaItem);
  }
  S.RearWheelInertia = static_cast<Single>(
      S.TyreNum * (0.875 * (std::pow(D, 4) - std::pow(d, 4)) + 0.15 * m * d * d + 6.75 * w * D * D * D));
  const double fd = S.TyreFDia, ftd = S.FrontTyreDia;
  S.FrontWheelInertia = static_cast<Single>(frontWheelMass * S.FTyreNum * (fd * fd + ftd * ftd) / 8);
  S.RearTyreStiffness = static_cast<Single>(w * 1e7 * D * S.TyreNum / std::sqrt(S.TyrePress));
  S.RearTyreStiffnessHalf = S.RearTyreStiffness / 2;
  S.RearTyreRadiusFt = S.RearTyreRadius * 3.2805f;
  S.RearTyreHeatMass = static_cast<Single>(((D * D - d * d) * Pi / 2 + w * D * Pi) * 9.5);
  return std::nullopt;
}

}  // namespace

Single AspectTyreDiameter(Single width, Single aspect, Single rim) {
  return width * aspect * 2 + rim;
}

std::string TyreDiameterText(Single metres) {
  if (Cfg.DUnits == "M") return Format(static_cast<Single>(metres * 1000), "###0.0") + "mm";
  return Format(static_cast<Single>(metres * 39.37f), "##0.0#") + "in";
}

void LoadTyre(TyreEntry& entry) {
  for (int item = 1; item <= TyreItems; ++item) entry.Text[item] = S.VehicleData[3][item];
  if (IsBlank(entry.Text[TyreStartTempItem])) entry.Text[TyreStartTempItem] = "70c";
}

void RecalcTyreDiameter(TyreEntry& entry) {
  const Single aspect = static_cast<Single>(PlainNumber(entry.Text[TyreAspectItem]) / 100);
  if (!(aspect > 0)) return;
  const UnitValue rim = ReadUnits(entry.Text[TyreWDiaItem], "length");
  if (!(rim.value > 0 && rim.ok)) return;
  const UnitValue width = ReadUnits(entry.Text[TyreWidthItem], "length");
  if (!(width.value > 0 && width.ok)) return;
  entry.Text[TyreDiaItem] = TyreDiameterText(AspectTyreDiameter(width.value, aspect, rim.value));
}

Verdict AcceptTyre(TyreEntry& entry) {
  auto& t = entry.Text;
  if (IsBlank(t[TyreDiaItem]))
    S.TyreDia = 0;
  else if (auto r = ReadUnitField(t[TyreDiaItem], "length", S.TyreDia, AtLeast0,
                                  "Invalid static tyre diameter ", TyreDiaItem))
    return r;

  const double aspect = NumberOr(t[TyreAspectItem], 0);
  S.TyreAspect = static_cast<Single>(aspect / 100);
  if (aspect < 0) return Refuse("Invalid aspect ratio", TyreAspectItem);
  if (!(S.TyreAspect > 0 || S.TyreDia != 0))
    return Refuse("Either static diameter or aspect ratio are needed", TyreDiaItem);

  if (auto r = ReadUnitField(t[TyreWidthItem], "length", S.TyreWidth, Above0,
                             "Invalid tyre width ", TyreWidthItem))
    return r;
  if (auto r = ReadFriction(t[TyreMuItem], S.TyreMu, TyreMuItem)) return r;
  if (auto r = ReadPressure(t[TyrePressItem], S.TyrePress, TyrePressItem)) return r;

  if (IsBlank(t[TyreGrowthDiaItem]) && IsBlank(t[TyreGrowthSpeedItem])) {
    S.TyreGrowthDia = 0;
    S.TyreGrowthSpeed = 0;
  } else {
    const UnitValue grown = ReadUnits(t[TyreGrowthDiaItem], "length");
    S.TyreGrowthDia = grown.value;
    if (!grown.ok)
      return Refuse(WithUnitsError("Tyre growth diameter not valid "), TyreGrowthDiaItem);
    if (!(grown.value > S.TyreDia))
      return Refuse("Tyre must grow by a positive amount", TyreGrowthDiaItem);
    if (auto r = ReadUnitField(t[TyreGrowthSpeedItem], "speed", S.TyreGrowthSpeed, Above0,
                               "Tyre growth speed not valid ", TyreGrowthSpeedItem))
      return r;
  }

  S.TyreNum = static_cast<Single>(NumberOr(t[TyreNumItem], 0));
  if (S.TyreNum < 1 || S.TyreNum > 2)
    return Refuse("Only vehicles with 1 or 2 rear wheels are permitted", TyreNumItem);
  if (auto r = ReadUnitField(t[TyreWDiaItem], "length", S.TyreWDia, Above0,
                             "Missing or Invalid wheel diameter ", TyreWDiaItem))
    return r;
  // With an aspect ratio the diameter follows from the tyre size, whatever was typed.
  if (S.TyreAspect > 0) {
    S.TyreDia = AspectTyreDiameter(S.TyreWidth, S.TyreAspect, S.TyreWDia);
    t[TyreDiaItem] = TyreDiameterText(S.TyreDia);
  }
  if (auto r = ReadUnitField(t[TyreWeightItem], "mass", S.TyreWeight, Above0,
                             "Driving wheel mass not valid ", TyreWeightItem))
    return r;

  if (auto r = ReadUnitField(t[TyreFDiaItem], "length", S.TyreFDia, Above0,
                             "Front wheel diameter not valid ", TyreFDiaItem))
    return r;
  if (auto r = ReadUnitField(t[TyreFWidthItem], "length", S.TyreFWidth, Above0,
                             "Front tyre width not valid ", TyreFWidthItem))
    return r;
  const double frontAspect = NumberOr(t[TyreFAspectItem], 0);
  S.TyreFAspect = static_cast<Single>(frontAspect / 100);
  if (frontAspect < 1 || !FitsSingle(frontAspect))
    return Refuse("Aspect ratio not valid", TyreFAspectItem);
  S.FrontTyreDia = AspectTyreDiameter(S.TyreFWidth, S.TyreFAspect, S.TyreFDia);
  if (auto r = ReadFriction(t[FTyreMuItem], S.FTyreMu, FTyreMuItem)) return r;
  if (auto r = ReadPressure(t[TyreFPressItem], S.TyreFPress, TyreFPressItem)) return r;
  Single frontWheelMass = 0;
  if (auto r = ReadUnitField(t[TyreFWeightItem], "mass", frontWheelMass, Above0,
                             "Front wheel mass not valid ", TyreFWeightItem))
    return r;
  if (IsBlank(t[TyreFTorqueItem]))
    S.TyreFTorque = 0;
  else if (auto r = ReadUnitField(t[TyreFTorqueItem], "torque", S.TyreFTorque, AtLeast0,
                                  "Invalid brake drag ", TyreFTorqueItem))
    return r;
  S.FTyreNum = IsBlank(t[FTyreNumItem]) ? S.TyreNum
                                        : static_cast<Single>(PlainNumber(t[FTyreNumItem]));
  if (S.FTyreNum < 1 || S.FTyreNum > 2)
    return Refuse("Vehicles must have 1 or 2 front wheels", FTyreNumItem);
  t[FTyreNumItem] = NumText(S.FTyreNum);
  if (IsBlank(t[TyreStartTempItem])) {
    S.TyreStartTemp = 70;
  } else {
    const UnitValue temp = ReadUnits(t[TyreStartTempItem], "temp");
    S.TyreStartTemp = temp.value;
    if (!temp.ok) return Refuse(WithUnitsError("Invalid tyre temperature "), TyreStartTempItem);
  }

  if (auto r = DeriveTyreFigures(frontWheelMass)) return r;
  // An aspect ratio typed beyond any tyre (3.5e38) gives figures that are no numbers: the tyre
  // size the report prints, the diameter, the wheel's inertia. It is refused as mistyped.
  if (S.TyreAspect > 0 && !AllFinite({static_cast<Single>(S.TyreAspect * 100), S.TyreDia, S.RearWheelInertia,
                                      S.RearTyreStiffness, S.RearTyreHeatMass}))
    return Refuse("Invalid aspect ratio", TyreAspectItem);
  WorkOutGearGrowthRPM();  // each gear's growth speed follows the tyre's
  for (int item = 1; item <= TyreItems; ++item) S.VehicleData[3][item] = Trim(t[item]);
  return std::nullopt;
}

}  // namespace kestrelon
