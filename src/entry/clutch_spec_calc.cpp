#include "entry/clutch_spec_calc.h"

#include <algorithm>

#include "core/state.h"
#include "core/tables.h"
#include "entry/converter_calc.h"
#include "simulation/clutch_capacity.h"
#include "simulation/nitrous.h"

namespace kestrelon {

namespace {

Refusal Refuse(std::string_view message, ClutchField field) {
  return {std::string(message), field};
}

}  // namespace

Verdict CheckClutchSpec(ClutchEntry& e, std::string_view workingCode) {
  S.ClutchUseSpec = ToFlag(e.UseSpec);
  S.ClutchMaterialIndex = 0;
  S.ClutchBaseMaterialIndex = 0;
  if (!e.UseSpec) {
    S.ClutchFrictions = 0;
    S.ClutchAG = 0;
    S.ClutchPlateCalc1 = 0;
    return std::nullopt;
  }

  // A count beyond the box's whole numbers is no count of plates (nor of arms below).
  const double frictions = PlainNumber(e.Frictions);
  S.ClutchFrictions = CInt(frictions);
  if (S.ClutchFrictions < 1 || !FitsInteger(frictions))
    return Refuse("Number of friction plates not valid", ClutchFrictionsField);
  if (auto r = ReadUnitField(e.OD, "length", S.ClutchOD, Above0,
                             "Friction plate outside diameter not valid ", ClutchODField))
    return r;
  {
    const UnitValue id = ReadUnits(e.ID, "length");
    S.ClutchID = id.value;
    if (!id.ok || id.value <= 0 || id.value >= S.ClutchOD)
      return Refuse(WithUnitsError("Friction plate inside diameter not valid "), ClutchIDField);
  }

  if (e.Material <= 0 || e.Material > Tbl.ClutchMaterialCount)
    return Refusal{"No clutch plate friction material selected", ClutchMaterialField, "Clutch setup"};
  S.ClutchMaterialIndex = static_cast<Integer>(e.Material);
  S.ClutchWet = ToFlag(e.Wet);
  const ClutchMaterialRecord& friction = Tbl.ClutchMaterial[e.Material];
  S.ClutchFrictionCoeff = e.Wet ? friction.WetFriction : friction.DryFriction;
  // The vehicle's own coefficient stands for the dry friction of "other"; wet keeps the table's.
  if (!e.Wet && e.OwnFriction())
    S.ClutchFrictionCoeff = static_cast<Single>(PlainNumber(e.OtherFriction));
  if (S.ClutchFrictionCoeff <= 0 || S.ClutchFrictionCoeff > 1)
    return Refuse("Clutch plate friction coefficient not valid - select another material",
                  ClutchFrictionCoeffField);
  if (e.BaseMaterial <= 0 || e.BaseMaterial > Tbl.ClutchMaterialCount)
    return Refusal{"No clutch pressure plate material selected", ClutchBaseMaterialField, "Clutch setup"};
  S.ClutchBaseMaterialIndex = static_cast<Integer>(e.BaseMaterial);

  if (auto r = ReadUnitField(e.FrictionThickness, "length", S.ClutchFrictionThickness, AtLeast0,
                             "Clutch friction plate thickness not valid ",
                             ClutchFrictionThicknessField))
    return r;
  if (auto r = ReadUnitField(e.PressureThickness, "length", S.ClutchPressureThickness, AtLeast0,
                             "Clutch intermediate plate thickness not valid ",
                             ClutchPressureThicknessField))
    return r;
  {
    // Any spring load that reads is taken, a negative one too.
    const UnitValue spring = ReadUnits(e.Spring, "force");
    S.ClutchSpring = spring.value;
    if (!spring.ok)
      return Refuse(WithUnitsError("Clutch spring load at engagement not valid "), ClutchSpringField);
  }
  if (IsBlank(e.AG)) {
    S.ClutchAG = 0;
  } else if (auto r = ReadUnitField(e.AG, "length", S.ClutchAG, AtLeast0,
                                    "Clutch air gap not valid ", ClutchAGField)) {
    return r;
  }

  if (IsBlank(e.Arms)) {
    S.ClutchArms = 0;  // no bob-weights: the arm boxes are not read
  } else {
    const double arms = PlainNumber(e.Arms);
    S.ClutchArms = CInt(arms);
    if (S.ClutchArms < 0 || !FitsInteger(arms))
      return Refuse("Invalid number of arms for weights", ClutchArmsField);
    if (auto r = ReadUnitField(e.ArmPL, "length", S.ClutchArmPL, Above0,
                               "Length of arm from pivot to pressure plate not valid ",
                               ClutchArmPLField))
      return r;
    if (auto r = ReadUnitField(e.ArmWL, "length", S.ClutchArmWL, Above0,
                               "Length of arm from pivot to bob-weight not valid ", ClutchArmWLField))
      return r;
    if (auto r = ReadUnitField(e.PCD, "length", S.ClutchPCD, Above0,
                               "P.C.D. of bob-weights not valid ", ClutchPCDField))
      return r;
    // At rest a slider's weights sit further out by the air gap, levered up by the arms.
    S.ClutchPCDCopy = S.ClutchPCD;
    if (S.ClutchAG > 0) S.ClutchPCD = S.ClutchPCD + 2 * S.ClutchAG * S.ClutchArmWL / S.ClutchArmPL;
    if (auto r = ReadUnitField(e.ArmWeight, "mass", S.ClutchArmWeight, Above0,
                               "Weight of each arm not valid ", ClutchArmWeightField))
      return r;
    if (auto r = ReadUnitField(e.TotalWeight, "mass", S.ClutchTotalWeight, AtLeast0,
                               "Total weight added to arms not valid ", ClutchTotalWeightField))
      return r;
  }

  // The capacities follow from the specification whether or not the form is on screen, so the
  // automatic pass over a stored vehicle accepts what the shown form would.
  CalcClutchCapacity();
  e.TorqueStatic = S.VehicleData[6][8];
  e.TorqueLocked = S.VehicleData[6][9];
  ShowLockupRPM(e, workingCode);
  CalcClutchPlateData();
  return std::nullopt;
}

void CalcClutchPlateData() {
  const ClutchMaterialRecord& F = Tbl.ClutchMaterial[S.ClutchMaterialIndex];
  const ClutchMaterialRecord& P = Tbl.ClutchMaterial[S.ClutchBaseMaterialIndex];
  const Single n = S.ClutchFrictions;
  const Single tf = S.ClutchFrictionThickness;
  const Single tp = S.ClutchPressureThickness;
  const Single area = (S.ClutchOD * S.ClutchOD - S.ClutchID * S.ClutchID) * Pi / 4;

  // Density in g/cm3 is 1000 kg/m3; as many intermediate plates as friction plates.
  const Single frictionMass = n * area * tf * 1000 * F.Density;
  const Single plateMass = n * area * tp * 1000 * P.Density;
  S.ClutchPlateCalc1 = frictionMass * F.SpecificHeat + plateMass * P.SpecificHeat;
  if (S.ClutchPlateCalc1 <= 0) return;

  S.ClutchPlateCalc2 = std::max(0.0f, (S.ClutchWeight - frictionMass - plateMass) * P.SpecificHeat);

  // Conduction across the plates; a plate kind of no thickness adds no path of its own.
  Single conductance = 0;
  if (tf > 0) conductance += area * F.Conductivity / (n * tf);
  if (tp > 0) conductance += area * P.Conductivity / (n * tp);
  S.ClutchPlateCalc3 = conductance / 2;
  if (S.ClutchWet) {
    // Oil carries heat out across the radial width of the plates.
    const Single width = (S.ClutchOD - S.ClutchID) / 2;
    S.ClutchPlateCalc3 += S.ClutchOD * Pi * tf * n / 8 * F.Conductivity / width;
    S.ClutchPlateCalc3 += S.ClutchID * Pi * tp * n / 4 * P.Conductivity / width;
  }

  S.ClutchPlateCalc4 = std::min(F.MaxTemperature, P.MaxTemperature);
  S.ClutchPlateCalc5 = std::min(F.FadeTemperature, S.ClutchPlateCalc4);
  S.ClutchPlateCalc6 = F.FadeRate;
}

void ShowLockupRPM(ClutchEntry& e, std::string_view workingCode) {
  if ((workingCode != "S" && workingCode != "L") || !S.EngineEntered) return;
  if (e.TorqueStatic.empty()) return;
  const UnitValue ts = ReadUnits(e.TorqueStatic, "torque");
  if (!ts.ok) return;
  Single tl = ts.value;
  if (!IsBlank(e.TorqueLocked)) {
    const UnitValue v = ReadUnits(e.TorqueLocked, "torque");
    if (!v.ok) return;
    tl = v.value;
  }

  const Single rise = tl != 0 ? tl - ts.value : 0;
  const int top = S.MaxRPMIndex;
  auto capacity = [&](int i) {
    const Single x = static_cast<Single>(i) / top;
    return ts.value + rise * x * x;
  };
  S.CurrentStage = NitrousStageAt(CInt(S.GearCount), 0);
  const int lowest = std::max<int>(S.MinRPMIndex, 10);

  std::string bite, lockup;
  for (int i = top; i >= lowest; --i) {
    if (capacity(i) >= 0 && capacity(i - 1) <= 0) {
      bite = std::to_string(i) + "00";
      if (!lockup.empty()) break;
    }
    if (lockup.empty() && CorrectedTorqueNm(S.CurrentStage, i) >= capacity(i)) {
      lockup = i == top ? " No lockup" : std::to_string(i) + "00";
      if (!bite.empty()) break;
    }
    if (i == lowest && lockup.empty()) lockup = " Min RPM";
  }
  e.LockupRPM = Trim(lockup);
  e.BiteRPM = Trim(bite);
}

Verdict ValidateBiteLockupRPM(const ClutchEntry& e) {
  if (e.UseSpec) return std::nullopt;
  const double bite = PlainNumber(Trim(e.BiteRPM));
  if (bite < S.MinRPMIndex * 100.0 || bite >= S.MaxRPMIndex * 100.0)
    return Refuse("Clutch Bite RPM not valid", BiteRPMField);
  const double lock = PlainNumber(Trim(e.LockupRPM));
  const Long b = IntDiv(bite, 100);
  const Long l = IntDiv(lock, 100);
  // Bite and lock-up in one curve row leave the capacity no speed range to grow over.
  if (lock <= bite || lock > S.MaxRPMIndex * 100.0 || l == b)
    return Refuse("Clutch Lockup RPM not valid", LockupRPMField);

  S.CurrentStage = NitrousStageAt(1, 0);
  if (!S.EngineEntered) return std::nullopt;
  const double k = CorrectedTorqueNm(S.CurrentStage, l) / (double(l) * l - double(b) * b);
  const double staticTorque = -k * b * b;
  S.ClutchTorqueStatic = static_cast<Single>(staticTorque);
  S.ClutchTorqueLocked = static_cast<Single>(k * S.MaxRPMIndex * S.MaxRPMIndex + staticTorque);
  return std::nullopt;
}

}  // namespace kestrelon
