#include "simulation/drive_line.h"

#include <algorithm>

#include "core/state.h"
#include "simulation/chassis_phase.h"
#include "simulation/clutch_phase.h"
#include "simulation/engine_torque.h"
#include "simulation/run_context.h"

namespace kestrelon {

namespace {

Single DrivenLoad() {
  switch (S.DriveType) {
    case 0: return S.RearWheelLoad;
    case 1: return S.ChassisWeight;
    default: return S.FrontWheelLoad;
  }
}

// Torque multiplication of a converter, 1 for every other clutch.
Single ConverterMultiplication(const RunContext& __restrict c) {
  if (c.Clutch != ClutchModel::Converter || S.ConverterMult <= 1 || S.EngineSpeed <= 0) return 1;
  const Single q = S.DrivelineSpeed / S.EngineSpeed;
  const Single sc = S.ConverterSlipComplement;
  if (!(q < sc) || sc <= 0) return 1;
  return std::clamp(1 + (sc - q) * (S.ConverterMult - 1) / sc, 1.0f, S.ConverterMult);
}

// Rolling resistance, drag and the front wheel's drag only ever oppose motion: within a step they
// can absorb what pushes the vehicle forward (the tyres' force and a downhill grade) and its
// forward momentum, never push it backwards. An uphill grade is no resistance: it can still roll
// the vehicle back. The chassis mass is the least the step's effective mass can be, so at worst
// the vehicle stops.
Single ResistanceAllowance(const RunContext& __restrict c, Single propulsive) {
  return std::max(propulsive - c.SlopeForce, 0.0f) + std::max(S.Speed, 0.0f) * S.ChassisWeight * c.Sps;
}

// Takes a resistance of the step off the drive force, within what the allowance has left.
void Resist(RunContext& __restrict c, Single force, Single& allowance) {
  const Single taken = std::clamp(force, 0.0f, allowance);
  allowance -= taken;
  c.ResistanceForce += taken;
  S.DriveForce -= taken;
}

void FrontWheel(RunContext& __restrict c, Single& allowance) {
  if (c.FrontWheelLifted == 0) {
    if (S.FrontWheelSpeed > 0) Resist(c, c.FrontDragForce, allowance);
    return;
  }
  const Single v = S.FrontWheelSpeed;
  if (c.FrontWheelMassEquiv > 0)
    S.FrontWheelSpeed = std::max(
        S.FrontWheelSpeed + (S.FrontSpringForce - c.FrontDragForce) / (c.FrontWheelMassEquiv * c.Sps), 0.0f);
  if (FrontWheelInAir()) return;
  if (c.FrontWheelMassEquiv <= 0) {
    // A wheel without inertia is at road speed as soon as it touches.
    S.FrontWheelSpeed = S.Speed;
    c.FrontWheelLifted = 0;
  } else if (S.FrontWheelSpeed <= S.Speed) {
    Resist(c, S.FrontSpringForce, allowance);  // the ground spins the wheel up
  } else {
    const Single e = v > S.FrontWheelSpeed ? (S.Speed - v) / (S.FrontWheelSpeed - v) : 0.0f;
    const Single spinUp = e * S.FrontSpringForce;
    S.DriveForce -= std::clamp(spinUp, 0.0f, allowance);
    S.EffectiveMass -= e * c.FrontWheelMassEquiv;
    S.FrontWheelSpeed = S.Speed;
    c.FrontWheelLifted = 0;
  }
}

}  // namespace

void DriveLinePhase(RunContext& __restrict c) {
  const Single g = S.Gravity;
  c.TractionMoment = S.RearAxleHeight * S.CorrectedTyreMu * g * DrivenLoad();

  if (S.ClutchSlipping == 0) S.EngineSpeed = S.DrivelineSpeed;
  if (S.EngineSpeed < S.DrivelineSpeed) {
    S.EngineSpeed = S.DrivelineSpeed;
    S.ClutchSlipping = 0;
  }

  // An engine pulled below its curve is still driven through the clutch, in a one-gear vehicle
  // too, so that its torque can lift it back onto the curve.
  const bool hold = S.Gear >= S.GearCount && S.Speed > c.TopGearLimitSpeed;
  if (hold && S.Gear > S.GearCount) {
    // No gear to drive through: the vehicle stands on its static loads.
    S.EngineSpeed = 0;
    S.CrankTorque = 0;
    S.RearWheelLoad = S.ChassisWeight * c.StaticRearShare;
    S.FrontWheelLoad = S.ChassisWeight - S.RearWheelLoad;
    S.WheelieBarLoad = 0;
    S.Acceleration = 0;
    S.RearWheelRotAccel = 0;
    return;
  }
  if (hold) {
    // Past the top-gear limit the engine only balances the resistance at the wheel.
    S.ClutchSlipping = 0;
    S.CrankTorque = S.GearOverallRatio != 0 ? S.RearAxleHeight * c.ResistanceForce / S.GearOverallRatio : 0.0f;
  } else {
    c.ShiftTorqueFactor = S.PowerShift != False ? 1.0f : 1.0f - S.ShiftPhase;
    CrankTorquePhase(c);
    ClutchPhase(c);
  }

  c.WheelTorque = (S.CrankTorque + c.ClutchDrag) * S.GearOverallRatio * ConverterMultiplication(c) * S.TransEff;
  const Single lever = S.RearAxleHeight;
  const Single push = lever > 0 ? c.WheelTorque / lever : 0.0f;
  const Single resistance = c.ResistanceForce;
  Single allowance = ResistanceAllowance(c, push);
  c.ResistanceForce = 0;
  S.DriveForce = push - c.SlopeForce;
  Resist(c, resistance, allowance);
  const Single r2 = S.TyreRadius * S.TyreRadius;
  const Single engineMass = r2 > 0 ? (1 - S.ClutchSlipping) * S.ReflectedEngineInertia / r2 : 0.0f;
  S.EffectiveMass = S.ChassisWeight + engineMass;
  S.EngineInEffectiveMass = engineMass != 0 ? True : False;
  const Single asked = S.EffectiveMass > 0
                           ? S.DriveForce * S.ChassisWeight / S.EffectiveMass + c.SlopeForce + c.ResistanceForce
                           : 0.0f;
  S.AxleTorque = lever * asked;

  if (c.WheelTorque > c.TractionMoment || S.RearWheelSpinning != 0) {
    S.WheelSpinTorque = c.WheelTorque - c.TractionMoment;
    const Single inertia = (1 - S.ClutchSlipping) * S.ReflectedEngineInertia + S.RearWheelInertia;
    S.RearWheelRotAccel = inertia > 0 ? S.WheelSpinTorque / inertia : 0.0f;
    S.RearWheelSpeed += lever * S.RearWheelRotAccel * c.StepDt;
    const Single grip = lever > 0 ? c.TractionMoment / lever : 0.0f;
    allowance = ResistanceAllowance(c, grip);
    c.ResistanceForce = 0;
    S.DriveForce = grip - c.SlopeForce;
    Resist(c, resistance, allowance);
    S.RearWheelSpinning = 1;
    S.AxleTorque = c.TractionMoment;
    // The engine turns with the spinning wheel, whose spin-up above already carries its inertia:
    // the vehicle itself is only pushed by the tyres' grip.
    S.EffectiveMass = S.ChassisWeight;
    S.EngineInEffectiveMass = False;
  } else {
    S.EffectiveMass += c.RearWheelMassEquiv;
  }

  FrontWheel(c, allowance);
  if (c.FrontWheelLifted == 0) S.EffectiveMass += c.FrontWheelMassEquiv;

  S.Acceleration = S.EffectiveMass > 0 ? S.DriveForce / S.EffectiveMass : 0.0f;
  S.Speed += S.Acceleration * c.StepDt;
  if (S.RearWheelSpeed <= S.Speed || S.RearWheelSpinning == 0) {
    S.RearWheelSpeed = S.Speed;
    S.RearWheelRotAccel = S.TyreRadius > 0 ? S.Acceleration / S.TyreRadius : 0.0f;
    S.RearWheelSpinning = 0;
  }
  if (c.FrontWheelLifted == 0) S.FrontWheelSpeed = S.Speed;
}

}  // namespace kestrelon
