#include "simulation/gear_shift.h"

#include <algorithm>

#include "core/state.h"
#include "simulation/engine_torque.h"
#include "simulation/nitrous.h"

namespace kestrelon {

namespace {

int Slot(int g) { return std::clamp(g, 0, GearSlots - 1); }

// The clutch type is the converter's "T" (tested every step, so without building a string).
bool IsConverterCode() { return S.ClutchType.size() == 1 && S.ClutchType[0] == 'T'; }

Single StageTorque(Integer stage, int row) {
  row = std::clamp(row, 0, CurveRows - 1);
  if (stage != 0 && S.NitrousStageData[stage].ProgStage != False) return EngineTorqueAt(stage, static_cast<Integer>(row));
  return ColumnAt(stage, row);  // a stage without a point of its own there pulls with the engine
}

// Thrust of a gear per unit mass at engine speed n (rows), primary and final drive left out.
Single GearAcceleration(Integer stage, Single n, Single internalRatio, Single mass) {
  const int ra = static_cast<int>(n);
  const Single ta = StageTorque(stage, ra) * internalRatio;
  const Single tb = StageTorque(stage, ra + 1) * internalRatio;
  const Single thrust = (n - static_cast<Single>(ra)) * (tb - ta) + ta;
  return mass > 0 ? thrust / mass : thrust;
}

bool NextGearIsBetter() {
  const int g = Slot(S.Gear);
  const int next = Slot(S.Gear + 1);
  const Single x = S.GearInternal[g] != 0 ? S.EngineSpeed * S.GearInternal[next] / S.GearInternal[g] : 0.0f;
  const Single Ac = GearAcceleration(S.CurrentStage, S.EngineSpeed, S.GearInternal[g], S.EffectiveMass);
  const Integer nextStage = NitrousStageAt(static_cast<Integer>(S.Gear + 1), S.RunTime);
  // The engine's inertia as it would be reflected in the next gear, through the rolling radius;
  // swapped only where the vehicle's mass carries it (a locked clutch, a wheel that grips).
  const Single r2 = S.TyreRadius * S.TyreRadius;
  const Single Mn = S.EffectiveMass + (S.EngineInEffectiveMass != False && r2 > 0
                                           ? (S.NextReflectedEngineInertia - S.ReflectedEngineInertia) / r2
                                           : 0.0f);
  const Single An = GearAcceleration(nextStage, x, S.GearInternal[next], Mn);
  // An engine pulled below its curve reads no torque in either gear: that is no reason to shift.
  if (An == 0 && Ac == 0) return false;
  return !(An < Ac);
}

void Upshift() {
  if (S.GearChange[Slot(S.Gear)] > 0) S.ShiftPhase = 1;
  S.GearEngagedTime[CurrentRun][Slot(S.Gear)] = S.RunTime;
  S.GearEngagedRPM[CurrentRun][Slot(S.Gear)] = S.EngineSpeed;
  ++S.Gear;
  S.ClutchSlipping = 1;
  S.GearOverallRatio = S.GearOverall[Slot(S.Gear)];
  S.CurrentStage = NitrousStageAt(S.Gear, S.RunTime);
  S.ReflectedEngineInertia = S.EngineInertia * S.GearOverallRatio * S.GearOverallRatio;
  if (S.Gear < S.GearCount) {
    const Single next = S.GearOverall[Slot(S.Gear + 1)];
    S.NextReflectedEngineInertia = S.EngineInertia * next * next;
  }
}

}  // namespace

void TestGearShift(Integer Forced) {
  const int g = Slot(S.Gear);
  const int below = Slot(S.Gear - 1);
  // No gear above the top one, and a slipping clutch holds its gear unless it shifts by time.
  if (S.ShiftPhase == 0 && (S.Gear >= S.GearCount || S.Gear >= GearSlots - 1 ||
                            (S.ClutchSlipping != 0 && S.GearSec[g] == 0 && !IsConverterCode())))
    return;
  const Single shiftEnd = S.GearEngagedTime[CurrentRun][below] + S.GearChange[below];
  if (S.ShiftPhase == 1) {
    if (S.RunTime >= shiftEnd) S.ShiftPhase = 0;
    return;
  }
  if (S.RunTime < shiftEnd + 0.5f && S.GearSec[g] == 0) return;

  bool shift;
  if (Forced != 0) {
    shift = S.GearSec[g] <= 0 || S.GearSec[g] <= S.RunTime;
  } else if (S.GearSec[g] > 0) {
    shift = S.RunTime >= S.GearSec[g];
  } else if (S.GearRPM[g] > 0) {
    shift = S.EngineSpeed >= S.GearRPM[g];
  } else if (S.EngineSpeed >= S.MaxRPMIndex) {
    shift = true;
  } else if (S.RevLimitCut != False) {
    S.RevLimitCut = False;
    S.RevLimitFactor = 1.0f;
    shift = true;
  } else {
    shift = NextGearIsBetter();
  }
  if (shift) Upshift();
}

GrownGearing GearingWithGrowthOf(Single EngineRPM, Integer GearIndex) {
  const int g = Slot(GearIndex);
  GrownGearing r{S.GearOverall[g]};
  if (S.TyreGrowthRate == 0 || S.GearGrowthRPM[g] == 0) return r;
  const Single f = EngineRPM / S.GearGrowthRPM[g];
  r.Grown = true;
  r.Radius = (f * f * (S.TyreGrowthDia - S.TyreDia) + S.TyreDia) / 2.0f;
  if (r.Radius > 0) r.Ratio = S.RearTyreRadius * S.GearOverall[g] / r.Radius;
  return r;
}

Single GearingWithGrowth(Single EngineRPM, Integer GearIndex) {
  const GrownGearing r = GearingWithGrowthOf(EngineRPM, GearIndex);
  if (r.Grown) S.TyreRadius = r.Radius;
  return r.Ratio;
}

}  // namespace kestrelon
