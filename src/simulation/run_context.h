#pragma once
// The working values of one run that nobody outside the run reads: the step bookkeeping, the
// constants worked out once before the first step, and what a phase keeps for the next step.
// The run's visible state (speed, loads, gear ...) lives in the shared state.

#include <chrono>

#include "core/numbers.h"

namespace kestrelon {

// The clutch model of the run, from the clutch type code: "N" conventional, "L" lock-up, "S"
// slider, "T" torque converter; any other code slips by the converter's law without its torque
// multiplication.
enum class ClutchModel { Conventional, LockUp, Slider, Converter, ConverterLawOnly };

struct RunContext {
  // Step bookkeeping.
  bool ShowProgress = false;
  Long StepCounter = 0;
  Long LoopEnd = 0;
  Single StepDt = 0;
  Single HalfStepDt = 0;
  Single HalfStepDtSq = 0;     // dt^2 / 2
  Single Sps = 500;            // steps per second as a float
  Long StepsPerSecondSq = 0;
  Long RecordInterval = 1;
  Long StepsToNextPoint = 1;   // steps left until the next recorded point
  std::chrono::steady_clock::time_point CalcStartTimer{};
  Single MaxSlipRatio = 0;
  Single StepStartSpeed = 0;
  Single PrevEngineSpeed = 0;
  Single PrevClutchEngagement = 0;
  Single PrevThrottleOpening = 0;
  Single PrevCorrectedTyreMu = 0;
  Integer WheelieActive = False;
  Single PitchRatio = 0;

  // Tyres and grip.
  Single DrivenTyreMu = 0;
  Single TotalTyreWidth = 0;
  Single TractionWeightTerm = 0;
  Single TractionWeightQuarter = 0;
  Single InitialResistance = 0;
  Single SlipLimitHigh = 10.0f;
  Single SlipLimitLow = 5.0f;
  Single MuPerStep = 0;
  Single GravityMuPerStep = 0;
  Single ContactWidth = 0;
  Single LoadedTyreRadius = 0;
  Single InitialAxleHeight = 0;
  Single RearTyreRadiusSq = 0;
  Single FrontTyreRadius = 0;
  Single StandingGrip = 0;        // grip of a tyre that does not slip
  Single WheelSpeedDragTerm = 0;  // Gravity x TotalTyreWidth / 4000, per kg and m/s
  Single TyreHeatInStep = 0;      // dt / TyreNum
  Single TyreStillCooling = 0;    // still-air loss per degree above the air, per step
  Single TyreSpeedCooling = 0;    // and per m/s of the tyre's speed
  Single TyreWarming = 0;         // degrees per joule of the driven tyre

  // Chassis geometry and pitch.
  Single PitchGyrationSq = 0;
  Single PitchInertiaRear = 0;
  Single PitchInertiaBar = 0;
  Single PitchRateRear = 0;       // ChassisCGL / PitchInertiaRear
  Single InvGravity = 0;
  Single InvWheelbase = 0;
  Single InvAxleToCGSq = 0;
  Single ExtensionCGDrop = 0;     // FrontSuspensionExtension / WheelbaseOverCGL
  Single StaticRearLoad = 0;
  Single StaticFrontLoad = 0;
  Single StaticWeightMoment = 0;
  Single BarToFrontAxle = 0;
  Single BarToCG = 0;
  Single CGToFrontAxle = 0;
  Single StaticRearShare = 0;
  Single CGLTimesGravity = 0;
  Single AxleToCGSq = 0;
  Single AxleToCG = 0;
  Single AxleToCGCos = 0;
  Single FrontTyreDeflection = 0;
  Single FrontSuspensionStart = 0;
  Single CrankLeverRatio = 0;
  Single CrankLTimesGravity = 0;
  Single BarFrontShare = 0;
  Single BarCGShare = 0;
  Single BarRatioA = 1, BarRatioB = 1, BarRatioC = 1, BarRatioD = 1;
  Single WheelbaseOverCGL = 0;
  Single RearInertiaBarTerm = 0;
  Single BarOverPitchInertia = 0;
  Single BarCGOverPitchInertia = 0;
  Single BarToCGSq = 0;
  Integer FrontWheelLifted = 0;

  // Engine, drive line and forces.
  ClutchModel Clutch = ClutchModel::Conventional;
  Single RadPerSecPerRow = 0;
  Single EngineRowPerTorqueStep = 0;
  Single CrankRowPerTorqueStep = 0;
  Single CrankTorquePerRowStep = 0;
  Single RearWheelMassEquiv = 0;
  Single FrontWheelMassEquiv = 0;
  Single FrontDragForce = 0;
  Single TorqueScale = 0;
  Single SlopeForce = 0;
  Single ResistanceForce = 0;
  Single LaunchAxleTorque = 0;
  Single ClutchEngageStep = 0;
  Single TractionThrottleStep = 0.0166f;
  Single ClutchHeatTemp = 0;
  Single TStopRise = 0;
  Single TStopSecondStart = 0;

  // Working values of one step, some kept for the next.
  Single SlipSpeed = 0;          // RearWheelSpeed - Speed
  Single PrevSlipSpeed = 0;
  Integer SlipTrend = 0;         // -1, 0, +1
  Single EffectivePressure = 0;  // driven tyre pressure with speed
  Single TyreVerticalRate = 0;
  Single RollingResistance = 0;  // driven tyres only, at the effective pressure
  Single WeightLessLift = 0;     // kg
  Single TopGearLimitSpeed = 0;
  Single CrankReaction = 0;      // torque of the crank's own speed change
  Single PitchMoment = 0;
  Single SpringPreloadTerm = 0;  // front spring plus preload, N; cleared at the top of each step
  Single TractionMoment = 0;
  Single ShiftTorqueFactor = 1;
  Single ClutchDrag = 0;         // torque a slowing crank adds; cleared at the top of each step
  Single WheelTorque = 0;
  Single PrevConverterSlip = 0;
  Single RevCutStart = 0;
  Single RevRecoveryStart = 0;
};

}  // namespace kestrelon
