#include "entry/clutch_calc.h"

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "entry/clutch_spec_calc.h"
#include "entry/converter_calc.h"
#include "entry/form_openers.h"
#include "entry/inertia_calc.h"
#include "entry/model_snapshot.h"
#include "platform/ui_seam.h"
#include "simulation/nitrous.h"

namespace kestrelon {

namespace {

constexpr double kLbFtToNm = 1.3567;

Refusal Refuse(std::string message, ClutchField field) { return {std::move(message), field}; }

// A blank or zero rpm text is kept as the empty text.
std::string RpmText(const std::string& text) { return PlainNumber(text) == 0 ? "" : text; }

// Sets the display torque unit from the power units in force.
void SetTorqueUnit() {
  const bool imperial = Cfg.PUnits == "I";
  S.TorqueUnitFactor = imperial ? 1.3567f : 1.0f;
  S.TorqueFactorUnit = imperial ? "lb/ft" : "N/m";
}

// A torque in lb-ft as the boxes show it, in the display unit with its label.
std::string TorqueText(double lbft) {
  return Format(lbft * kLbFtToNm / S.TorqueUnitFactor, "####0.0") + S.TorqueFactorUnit;
}

std::string RpmRowText(double row) { return Format(row * 100, "#####"); }

// The automatic clutch fixes its engagement profile.
void SetFeather(ClutchEntry& e, bool ticked) {
  e.Feather = ticked;
  if (ticked) {
    e.EngageInitialPC = "50";
    e.EngageInitial = ".1";
    e.EngageFinal = ".2";
  }
}

// The engagement profile of a clutch (not a converter).
Verdict AcceptEngagement(const ClutchEntry& e) {
  if (auto r = ReadPlainField(e.EngageInitial, S.ClutchEngageInitial, AtLeast0,
                             "Clutch initial engagement time not valid", ClutchEngageInitialField))
    return r;
  S.ClutchEngageInitialPC = static_cast<Single>(PlainNumber(e.EngageInitialPC) / 100);
  if (S.ClutchEngageInitialPC == 0) S.ClutchEngageInitialPC = 1.0f;  // blank: fully engaged
  if (S.ClutchEngageInitialPC < 0 || S.ClutchEngageInitialPC > 1)
    return Refuse("Clutch initial engagement percentage not valid", ClutchEngageInitialPCField);
  if (auto r = ReadPlainField(e.EngageFinal, S.ClutchEngageFinal, NoFloor,
                             "Clutch final engagement time not valid", ClutchEngageFinalField))
    return r;
  if (S.ClutchEngageFinal == 0) S.ClutchEngageFinal = S.ClutchEngageInitial;
  if (S.ClutchEngageFinal < S.ClutchEngageInitial)
    return Refuse("Clutch final engagement time not valid", ClutchEngageFinalField);
  return std::nullopt;
}

// Stall speed, slip and multiplication of a converter, and the coefficients fitted to them.
Verdict AcceptConverter(const ClutchEntry& e) {
  S.ClutchEngageInitialPC = 1.0f;
  S.ClutchEngageInitial = 0;
  S.ClutchEngageFinal = 0;
  S.ClutchTorqueLocked = 0;

  const Long row = IntDiv(PlainNumber(e.BiteRPM), 100);
  S.BiteRPM = static_cast<Single>(row);
  if (row < S.MinRPMIndex || row >= S.MaxRPMIndex)
    return Refuse("Converter Stall RPM not valid", BiteRPMField);

  const auto slip = static_cast<Single>(PlainNumber(e.ConverterSlip) / 100);
  S.ConverterSlipComplement = 1 - slip;
  if (!(slip >= 0.01f && slip < static_cast<Single>(row) / S.MaxRPMIndex))
    return Refuse("Converter Slip % not valid", ConverterSlipField);

  S.ConverterMult = static_cast<Single>(PlainNumber(e.ConverterMult));
  if (S.ConverterMult == 0) S.ConverterMult = 1.0f;
  if (S.ConverterMult < 1 || S.ConverterMult > 5)
    return Refuse("Converter Multiplication Factor not valid", ConverterMultField);

  // Without torque at the top of the curve no converter can be fitted to it.
  const auto k = CalcConverterCoefficients(static_cast<Integer>(row), slip);
  if (!k) return Refuse("Converter Stall RPM not valid", BiteRPMField);
  S.ClutchTorqueStatic = k->StallTorque;
  S.ConverterK = k->K;
  S.ConverterCurveA = k->CurveA;
  S.ConverterCurveB = k->CurveB;
  S.ConverterCurveC = k->CurveC;
  return std::nullopt;
}

void WriteBackTexts(const ClutchEntry& e, std::string_view modelCode, bool featherEnabled) {
  auto& vd = S.VehicleData;
  vd[1][1] = e.Frictions;
  vd[1][2] = e.OD;
  vd[1][3] = e.ID;
  vd[1][4] = e.OwnFriction() ? e.OtherFriction : Tbl.ClutchMaterial[e.Material].FrictionName;
  vd[1][5] = e.Spring;
  vd[1][6] = e.EngageInitialPC;
  vd[1][7] = e.Arms;
  vd[1][8] = e.ArmPL;
  vd[1][9] = e.ArmWL;
  vd[1][10] = e.PCD;
  vd[1][11] = e.ArmWeight;
  vd[1][12] = e.TotalWeight;
  vd[1][13] = e.UseSpec ? "Y" : "N";
  vd[1][19] = e.Wet ? "Wet" : "Dry";
  vd[1][20] = e.AG;
  vd[5][7] = e.FrictionThickness;
  vd[5][8] = e.PressureThickness;
  vd[6][8] = e.TorqueStatic;
  vd[6][9] = e.TorqueLocked;
  vd[6][10] = e.EngageInitial;
  vd[6][11] = e.EngageFinal;
  vd[6][12] = std::string(modelCode);
  vd[6][20] = Tbl.ClutchMaterial[e.BaseMaterial].PlateName;
  vd[5][15] = RpmText(e.BiteRPM);
  vd[5][16] = RpmText(e.LockupRPM);
  vd[5][17] = e.ConverterSlip;
  vd[5][18] = e.ConverterMult;
  S.ClutchFeatherFlag = ToFlag(featherEnabled && e.Feather);
  if (featherEnabled) vd[6][19] = e.Feather ? "Y" : "N";
  vd[6][14] = e.Weight;
  vd[6][13] = e.Diameter;
}

}  // namespace

std::string ClutchWorkingCode(std::string_view entryText) {
  const std::string t = UCase(entryText);
  if (t == "LOCKUP") return "L";
  if (t == "SLIDER") return "S";
  if (t == "TORQUE CONVERTER") return "T";
  return "C";
}

std::string ClutchModelCode(std::string_view entryText) {
  const std::string code = ClutchWorkingCode(entryText);
  return code == "C" ? "N" : code;
}

int ClutchTypeIndex(std::string_view storedCode) {
  const std::string code = UCase(Trim(storedCode));
  if (code == "L") return 1;
  if (code == "S") return 2;
  if (code == "T") return 3;
  return 0;
}

ClutchEntry LoadClutchEntry() {
  const auto& vd = S.VehicleData;
  ClutchEntry e;
  e.TorqueStatic = vd[6][8];
  e.TorqueLocked = vd[6][9];
  e.EngageInitial = vd[6][10];
  e.EngageFinal = vd[6][11];
  e.Weight = vd[6][14];
  e.Diameter = vd[6][13];
  e.BiteRPM = vd[5][15];
  e.LockupRPM = vd[5][16];
  e.ConverterSlip = vd[5][17];
  e.ConverterMult = vd[5][18];
  e.TypeText = ClutchTypeEntries[ClutchTypeIndex(vd[6][12])];
  SetFeather(e, vd[6][19] == "Y");
  e.Frictions = vd[1][1];
  e.OD = vd[1][2];
  e.ID = vd[1][3];

  const std::string friction = Trim(vd[1][4]);
  const std::string plate = Trim(vd[6][20]);
  int frictionRow = -1;
  e.BaseMaterial = 0;
  for (int row = 0; row <= Tbl.ClutchMaterialCount; ++row) {
    if (Tbl.ClutchMaterial[row].FrictionName == friction) frictionRow = row;
    if (Tbl.ClutchMaterial[row].PlateName == plate) e.BaseMaterial = row;
  }
  if (frictionRow >= 0) {
    e.Material = frictionRow;
  } else if (!friction.empty()) {
    // A coefficient typed in place of a material name: the "other" material with that friction,
    // kept with this vehicle's texts rather than in the material table that every vehicle shares.
    e.Material = OtherClutchMaterial;
    e.OtherFriction = vd[1][4];
  } else {
    e.Material = 0;
  }

  e.FrictionThickness = vd[5][7];
  e.PressureThickness = vd[5][8];
  e.Spring = vd[1][5];
  e.EngageInitialPC = vd[1][6];
  e.Arms = vd[1][7];
  e.ArmPL = vd[1][8];
  e.ArmWL = vd[1][9];
  e.PCD = vd[1][10];
  e.ArmWeight = vd[1][11];
  e.TotalWeight = vd[1][12];
  e.UseSpec = vd[1][13] == "Y";
  e.Wet = Trim(vd[1][19]) == "Wet";
  e.AG = vd[1][20];
  return e;
}

Verdict ClutchDefaults(ClutchEntry& e, std::string_view workingCode) {
  if (!S.EngineEntered)
    return Refuse("No Power data is available to calculate clutch default settings",
                  ClutchNoFocusField);
  const Integer stage = NitrousStageAt(1, 0);
  const Single peakTorque = S.EngineSummary[stage][0];
  const Single peakRow = S.EngineSummary[stage][1];
  Single topTorque = 0;
  for (const auto& column : S.EngineSummary) topTorque = std::max(topTorque, column[0]);
  SetTorqueUnit();

  if (workingCode == "T") {
    e.BiteRPM = RpmRowText(peakRow);
    e.ConverterSlip = "3";
    e.ConverterMult = "1";
  } else if (workingCode == "L") {
    e.TorqueStatic = TorqueText(0.85 * peakTorque);
    e.TorqueLocked = TorqueText(1.5 * topTorque);
    e.EngageInitial = ".2";
    e.EngageFinal = "";
    SetFeather(e, false);
  } else if (workingCode == "S") {
    const Single minRow = S.MinRPMIndex;
    if (peakRow - minRow > 15) {
      e.LockupRPM = RpmRowText(peakRow);
      e.BiteRPM = RpmRowText(peakRow - 15);
    } else {
      e.BiteRPM = RpmRowText(minRow);
      e.LockupRPM = RpmRowText(S.MaxRPMIndex >= S.MinRPMIndex + 15 ? S.MinRPMIndex + 10
                                                                    : S.MaxRPMIndex - 5);
    }
  } else {
    e.TorqueLocked = "";
    e.TorqueStatic = TorqueText(1.15 * topTorque);
    e.EngageInitial = ".2";
    e.EngageInitialPC = "50";
    e.EngageFinal = ".75";
    SetFeather(e, false);
  }
  return std::nullopt;
}

namespace {

// The OK's checks and writes, in order; the caller puts the model back on a refusal.
Verdict AcceptClutchInOrder(ClutchEntry& e) {
  const std::string working = ClutchWorkingCode(e.TypeText);
  const std::string code = ClutchModelCode(e.TypeText);
  const bool conventional = code == "N", lockup = code == "L", slider = code == "S",
             converter = code == "T";
  S.ClutchType = code;

  // The size's two refusals carry titles of their own.
  if (auto r = ReadUnitField(e.Diameter, "length", S.ClutchDiameter, AtLeast0,
                             "Clutch diameter invalid ", ClutchDiameterField)) {
    r->title = "Clutch setup";
    return r;
  }
  if (auto r = ReadUnitField(e.Weight, "mass", S.ClutchWeight, AtLeast0, "Clutch weight invalid ",
                             ClutchWeightField)) {
    r->title = "clutch setup";
    return r;
  }

  if (auto r = CheckClutchSpec(e, working)) return r;

  if (!converter) {
    const UnitValue st = ReadUnits(e.TorqueStatic, "torque");
    S.ClutchTorqueStatic = st.value;
    if (!st.ok)
      return Refuse(WithUnitsError("Clutch static torque not valid "), ClutchTorqueStaticField);
  }
  if (conventional) {
    S.ClutchTorqueLocked = 0;
  } else if (lockup) {
    S.ClutchTorqueLocked = 0;
    if (!IsBlank(e.TorqueLocked)) {
      const UnitValue lt = ReadUnits(e.TorqueLocked, "torque");
      S.ClutchTorqueLocked = lt.value;
      if (!lt.ok)
        return Refuse(WithUnitsError("Clutch lockup torque not valid "), ClutchTorqueLockedField);
    }
    if (S.ClutchTorqueLocked < 0 || S.ClutchTorqueLocked < std::fabs(S.ClutchTorqueStatic))
      return Refuse("Clutch lockup torque not valid", ClutchTorqueLockedField);
  } else if (slider) {
    if (auto r = ValidateBiteLockupRPM(e)) return r;
  }

  if (!converter) {
    if (auto r = AcceptEngagement(e)) return r;
    if ((conventional || lockup) && S.ClutchTorqueStatic <= 0)
      return Refuse("Clutch static torque not valid", ClutchNoFocusField);
    // The model keeps the capacity that lock-up adds above the static one.
    if (S.ClutchTorqueLocked != 0 && (lockup || !e.UseSpec))
      S.ClutchTorqueLocked = S.ClutchTorqueLocked - S.ClutchTorqueStatic;
  } else if (auto r = AcceptConverter(e)) {
    return r;
  }

  S.ClutchEntered = True;
  S.ClutchRefused = False;
  S.ClutchFocusDone = False;
  WriteBackTexts(e, code, working == "C" || working == "L");
  S.ClutchInertia = S.ClutchDiameter * S.ClutchDiameter * S.ClutchWeight / 4;
  FollowEngineInertia();
  return std::nullopt;
}

}  // namespace

Verdict AcceptClutch(ClutchEntry& e) {
  const ModelSnapshot before;
  Verdict refusal = AcceptClutchInOrder(e);
  if (refusal) before.Restore();
  return refusal;
}

Verdict WorkOutClutchFigures() {
  if (S.ClutchEntered == False || S.EngineEntered == False) return std::nullopt;
  ClutchEntry e = LoadClutchEntry();
  return AcceptClutch(e);
}

void RecalcClutchFigures() {
  // A clutch that an earlier change refused is tried again: a later one may fit it again, as
  // the graph's OK settles the span that a new maximum rpm left open.
  const bool refusedBefore = S.ClutchRefused && S.EngineEntered;
  if (refusedBefore) S.ClutchEntered = True;
  const Verdict refusal = WorkOutClutchFigures();
  if (!refusal) return;
  // The change stays; the clutch that no longer fits it is not entered until the racer mends it
  // in its form, which comes forward with its refusal as when a vehicle so saved is opened. A
  // clutch that still does not fit has been told of already.
  S.ClutchEntered = False;
  S.ClutchRefused = True;
  if (refusedBefore) return;
  // The form comes forward to be mended, not accepting itself: under an automatic check (the
  // transmission's upshifts after a store) its own refusal would tell the same again.
  const Integer automatic = S.AutoAccept;
  S.AutoAccept = False;
  OpenEntryForm(EntryForm::Clutch);
  S.AutoAccept = automatic;
  ui().MsgBox(refusal->message, refusal->style,
              refusal->title.empty() ? ClutchMessageTitle : refusal->title);
}

}  // namespace kestrelon
