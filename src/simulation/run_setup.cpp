#include "simulation/run_setup.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "core/tables.h"
#include "simulation/chassis_phase.h"
#include "simulation/nitrous.h"
#include "simulation/run_context.h"
#include "simulation/tyre_phase.h"

namespace kestrelon {

namespace {

// A quotient of model quantities; a missing divisor (a vehicle without that part) gives 0.
Single Quot(Single a, Single b) { return b != 0 ? a / b : 0.0f; }
Single Sq(Single x) { return x * x; }
Single RootOrZero(Single x) { return x > 0 ? std::sqrt(x) : 0.0f; }
int Slot(int g) { return std::clamp(g, 0, GearSlots - 1); }

ClutchModel ClutchModelOf(const std::string& code) {
  if (code == "N") return ClutchModel::Conventional;
  if (code == "L") return ClutchModel::LockUp;
  if (code == "S") return ClutchModel::Slider;
  if (code == "T") return ClutchModel::Converter;
  return ClutchModel::ConverterLawOnly;
}

void PrecomputeChassis(RunContext& __restrict c) {
  const Single g = S.Gravity;
  const Single W = S.ChassisWeight;
  c.DrivenTyreMu = S.DriveType == 0 ? S.TyreMu : S.DriveType == 1 ? (S.FTyreMu + S.TyreMu) / 2 : S.FTyreMu;
  c.TotalTyreWidth = S.TyreNum * S.TyreWidth;
  c.TractionWeightTerm = g * W * c.TotalTyreWidth;
  c.TractionWeightQuarter = c.TractionWeightTerm / 4000;
  // Read before this run's static loads are set: the rear load of the previous run.
  c.InitialResistance = TractionLimit(S.TyrePress);
  c.PitchGyrationSq = (Sq((S.TyreDia + S.FrontTyreDia) / 2 + S.ChassisWheelbase) + 4 * Sq(S.ChassisCGH)) / 12;
  c.PitchInertiaRear = (Sq(S.ChassisCGL) + Sq(S.ChassisCGH) + c.PitchGyrationSq) * W;
  c.PitchInertiaBar = (Sq(S.ChassisWBL + S.ChassisCGL) + Sq(S.ChassisCGH - S.ChassisWBH) + c.PitchGyrationSq) * W;
  c.PitchRateRear = Quot(S.ChassisCGL, c.PitchInertiaRear);
  c.InvGravity = Quot(1, g);
  c.InvWheelbase = Quot(1, S.ChassisWheelbase);
  c.SlipLimitHigh = 10.0f;
  c.SlipLimitLow = 5.0f;
}

void ResetGearRecords() {
  S.Gear = S.TransStart;
  for (int g = 0; g < GearSlots; ++g) {
    S.GearEngagedTime[CurrentRun][g] = 0;
    S.GearEngagedRPM[CurrentRun][g] = S.RevLimitIndex;
  }
  S.ShiftPhase = 0;
  S.RevLimitCut = False;
}

void StandingState(RunContext& __restrict c) {
  const Single g = S.Gravity;
  const Single W = S.ChassisWeight;
  S.GearOverallRatio = S.TransPrimary * S.TransFinal * S.GearInternal[Slot(S.Gear)];
  S.Speed = 0;
  S.Distance = 0;
  S.Acceleration = 0;
  S.EngineSpeed = S.LaunchRPM;
  S.DrivelineSpeed = 0;
  S.FrontWheelLoad = Quot(S.ChassisCGL, S.ChassisWheelbase) * W;
  S.RearWheelLoad = W - S.FrontWheelLoad;
  S.FrontSpringForce = S.FrontWheelLoad * g;
  S.RearWheelSpeed = 0;
  S.FrontWheelSpeed = 0;
  S.SlipRatio = 0;
  S.WheelieBarLoad = 0;
  S.WheelieBarHeight = S.ChassisWBH;
  S.CGHeight = S.ChassisCGH;
  S.FrontSuspensionExtension =
      S.ChassisFRate > 0 ? S.ChassisFTravel - (S.FrontSpringForce - S.ChassisFPrel) / S.ChassisFRate : 0.0f;
  S.FrontSuspensionExtension = std::min(S.FrontSuspensionExtension, S.ChassisFTravel);
  S.FrontWheelHeight = S.FrontSuspensionExtension;
  S.LiftForce = 0;
  S.AeroDrag = 0;
  S.EffectiveMass = W;
  S.TyreRadius = S.RearTyreRadius;
  S.ClutchSlipping = 1;
  S.ClutchEngagement = S.ClutchEngageInitial > c.StepDt ? c.StepDt / S.ClutchEngageInitial : 1.0f;
  S.ClutchTorqueCapacity = std::max(S.ClutchEngageInitialPC * S.ClutchTorqueStatic * S.ClutchEngagement, 0.0f);
  S.ClutchTemp = S.LaunchTemp;
  S.TyreTemp = std::max(S.TyreStartTemp, S.AeroTemp);
  S.RevLimitCut = False;
  S.RevLimitFactor = 1.0f;
  S.ReflectedEngineInertia = S.EngineInertia * Sq(S.GearOverallRatio);
  // The next gear up from the starting gear, when there is one.
  S.NextReflectedEngineInertia =
      S.TransStart < S.GearCount ? S.EngineInertia * Sq(S.GearOverall[Slot(S.TransStart + 1)]) : S.ReflectedEngineInertia;
  const Integer topShift = S.GearRPM[Slot(CLng(S.GearCount))];
  S.TopGearRPMIndex = topShift != 0 ? topShift : S.RevLimitIndex;
  S.ShiftPhase = 0;
  S.PitchMomentum = 0;
  S.RearWheelRotAccel = 0;
  S.WheelSpinTorque = 0;
  S.LoopIndex = 0;

  c.StaticRearLoad = S.RearWheelLoad;
  c.StaticFrontLoad = S.FrontWheelLoad;
  c.PrevEngineSpeed = S.EngineSpeed;
  c.FrontWheelLifted = 0;
  c.ClutchHeatTemp = S.LaunchTemp;
  c.WeightLessLift = W;
}

void PrecomputeInertias(RunContext& __restrict c) {
  const Single g = S.Gravity;
  c.RearTyreRadiusSq = Sq(S.RearTyreRadius);
  c.FrontTyreRadius = S.FrontTyreDia / 2;
  c.RadPerSecPerRow = Pi / 0.3f;
  c.EngineRowPerTorqueStep = Quot(0.3f, Pi * S.EngineInertia * c.Sps);
  c.CrankRowPerTorqueStep = Quot(0.3f, S.InertiaCrank * Pi * c.Sps);
  c.CrankTorquePerRowStep = c.Sps * c.RadPerSecPerRow * S.InertiaCrank;
  c.RearWheelMassEquiv = Quot(S.RearWheelInertia, c.RearTyreRadiusSq);
  c.FrontWheelMassEquiv = Quot(S.FrontWheelInertia, Sq(c.FrontTyreRadius));
  c.StaticWeightMoment = g * S.ChassisWeight * S.ChassisCGL;
  c.BarToFrontAxle = S.ChassisWBL + S.ChassisWheelbase;
  c.BarToCG = S.ChassisWBL + S.ChassisCGL;
  c.CGToFrontAxle = S.ChassisWheelbase - S.ChassisCGL;
  c.StaticRearShare = Quot(c.CGToFrontAxle, S.ChassisWheelbase);
}

void TyreGrip(RunContext& __restrict c) {
  S.CorrectedTyreMu = std::min(1.0f, c.DrivenTyreMu);
  const Single above = S.CorrectedTyreMu - 0.8f;
  if (above > 0 && S.TyrePress > 0) S.CorrectedTyreMu = 0.8f + above * std::pow(33000.0f / S.TyrePress, 0.33f);
  c.PrevCorrectedTyreMu = S.CorrectedTyreMu;
  c.StandingGrip = c.DrivenTyreMu / 1.75f;
  c.MuPerStep = c.DrivenTyreMu * 10 / c.Sps;
  c.GravityMuPerStep = S.Gravity * c.DrivenTyreMu / c.Sps;
  c.ContactWidth = 2 * S.TyreWidth * S.TyreNum;
  c.WheelSpeedDragTerm = S.Gravity * c.TotalTyreWidth / 4000;

  // Heating and cooling of the driven tyre.
  const Single heatMass = S.RearTyreHeatMass / 10;
  c.TyreHeatInStep = Quot(c.StepDt, S.TyreNum);
  c.TyreStillCooling = 15 * heatMass * c.StepDt;
  c.TyreSpeedCooling = 0.74f * heatMass * c.StepDt;
  c.TyreWarming = Quot(1, S.RearTyreHeatMass * 600);
}

Single DrivenLoadAtLaunch() {
  switch (S.DriveType) {
    case 0: return S.RearWheelLoad;
    case 1: return S.ChassisWeight;
    default: return S.FrontWheelLoad;
  }
}

void Launch(RunContext& __restrict c) {
  const Single g = S.Gravity;
  const Single flat = Quot(S.RearWheelLoad * g, S.TyrePress * c.ContactWidth);
  c.LoadedTyreRadius = RootOrZero(c.RearTyreRadiusSq - Sq(flat));
  S.RearAxleHeight = c.LoadedTyreRadius;
  c.InitialAxleHeight = c.LoadedTyreRadius;
  c.FrontSuspensionStart = S.FrontSuspensionExtension;
  c.ResistanceForce = c.InitialResistance;
  S.ThrottleOpening = 1.0f;

  c.TorqueScale = S.AirDensityRatio * 1.3567f;
  c.SlopeForce = S.TrackSlope * S.ChassisWeight * g;
  c.CGLTimesGravity = S.ChassisCGL * g;
  c.AxleToCGSq = Sq(S.ChassisCGH - c.LoadedTyreRadius) + Sq(S.ChassisCGL);
  c.AxleToCG = std::sqrt(c.AxleToCGSq);
  c.InvAxleToCGSq = Quot(1, c.AxleToCGSq);
  c.AxleToCGCos = RootOrZero(1 - Quot(Sq(S.CGHeight - S.RearAxleHeight), c.AxleToCGSq));
  c.PitchRatio = 0;

  c.FrontTyreDeflection = 0;
  if (S.ChassisFTravel > 0) {
    const Single d = S.FrontTyreDia;
    const Single squeeze = Quot(S.TyreFAspect * S.ChassisFPrel, (S.TyreFPress + 50000) * S.TyreFWidth * d);
    c.FrontTyreDeflection = (d - RootOrZero(d * d * (1 - squeeze))) / 2;
    c.FrontTyreDeflection = std::min(std::max(c.FrontTyreDeflection, MinFrontTyreDeflection), S.TyreFWidth * S.TyreFAspect);
  }

  if (S.LaunchRisetime > c.StepDt)
    S.ThrottleOpening = S.LaunchThrottle + (1 - S.LaunchThrottle) / (c.Sps * S.LaunchRisetime);
  if (S.UseThrottleStop != False) {
    c.TStopRise = S.TStopOpening[1] - S.TStopOpening[0];
    c.TStopSecondStart = S.TStopBuild[0] + S.TStopTimer[0];
    if (S.TStopTimer[0] == 0)
      S.ThrottleOpening = std::min(S.ThrottleOpening, S.TStopOpening[0]);
    else if (S.TStopTimer[0] < c.StepDt && S.TStopBuild[0] > 0)
      S.ThrottleOpening = std::min(S.ThrottleOpening,
                                   (c.StepDt - S.TStopTimer[0]) / S.TStopBuild[0] * c.TStopRise + S.TStopOpening[0]);
  }

  c.ClutchEngageStep = std::min(S.ClutchEngagement, 20 / c.Sps);
  c.PrevClutchEngagement = S.ClutchEngagement;
  c.TractionThrottleStep = 0.0166f;
  c.PrevThrottleOpening = S.ThrottleOpening;
  S.RevLimitFactor = 1.0f;

  const int row = std::clamp<int>(CLng(S.EngineSpeed), 0, CurveRows - 1);
  S.CrankTorque = std::min(S.ThrottleOpening * S.PowerCurve[std::clamp<int>(S.CurrentStage, 0, 2)][row] * c.TorqueScale,
                           S.ClutchTorqueCapacity);
  c.LaunchAxleTorque = S.CrankTorque * S.GearOverallRatio * S.TransEff;
  S.AxleTorque = std::min(c.DrivenTyreMu * g * c.LoadedTyreRadius * DrivenLoadAtLaunch(), c.LaunchAxleTorque);
}

void BarGeometry(RunContext& __restrict c) {
  const Single wb = S.ChassisWheelbase;
  const Single wbl = S.ChassisWBL;
  c.CrankLeverRatio = Quot(wb, wb - S.ChassisCrankL);
  c.CrankLTimesGravity = S.ChassisCrankL * S.Gravity;
  c.BarFrontShare = Quot(c.CGToFrontAxle, c.BarToFrontAxle);
  c.BarCGShare = Quot(c.BarToCG, c.BarToFrontAxle);
  if (wbl > 0) {
    c.BarRatioA = Quot(wbl, S.ChassisCGL);
    c.BarRatioB = c.BarToCG / wbl;
    c.BarRatioC = wb / wbl;
    c.BarRatioD = c.BarToFrontAxle / wbl;
  } else {
    c.BarRatioA = c.BarRatioB = c.BarRatioC = c.BarRatioD = 1.0f;
  }
  c.WheelbaseOverCGL = Quot(wb, S.ChassisCGL);
  c.ExtensionCGDrop = Quot(S.FrontSuspensionExtension, c.WheelbaseOverCGL);
  c.RearInertiaBarTerm = Quot(S.RearWheelInertia * c.BarToFrontAxle, wb);
  c.BarOverPitchInertia = Quot(wbl, c.PitchInertiaBar);
  c.BarCGOverPitchInertia = Quot(c.BarToCG, c.PitchInertiaBar);
  c.BarToCGSq = Sq(c.BarToCG);
  c.FrontDragForce = Quot(S.TyreFTorque, c.FrontTyreRadius);
}

}  // namespace

void SetUpRun(RunContext& __restrict c) {
  PrecomputeChassis(c);
  ResetGearRecords();
  c.StepDt = 1.0f / c.Sps;
  c.HalfStepDt = c.StepDt / 2;
  c.StepsPerSecondSq = CLng(static_cast<double>(c.Sps) * c.Sps);
  c.HalfStepDtSq = 0.5f / static_cast<Single>(c.StepsPerSecondSq);
  c.Clutch = ClutchModelOf(S.ClutchType);
  S.CurrentStage = NitrousStageAt(S.Gear, c.StepDt);
  StandingState(c);
  PrecomputeInertias(c);
  TyreGrip(c);
  Launch(c);
  BarGeometry(c);
}

}  // namespace kestrelon
