#pragma once
// Everything a run leaves for the rest of the program: the launch and track settings it was
// started with, its state at the last step, the 24 recorded channels of the current and the
// baseline run, the gear and wheelie records, the timing ticket, the history ring, and the
// settings and verdicts of the power estimate search.

#include <array>
#include <string>

#include "core/numbers.h"
#include "core/state/curve_state.h"

namespace kestrelon {

// The recorded channels, in their stored order.
enum RunChannel : int {
  PtRearWheelLoad,
  PtFrontWheelLoad,
  PtWheelieBarHeight,
  PtWheelieBarLoad,
  PtFrontWheelHeight,
  PtAcceleration,
  PtEngineSpeed,
  PtClutchDrivenRPM,
  PtSpeed,
  PtRearWheelSpeed,
  PtSlipRatio,
  PtTyreRadius,
  PtRearAxleHeight,
  PtCorrectedTyreMu,
  PtCGHeight,
  PtDistance,
  PtFrontWheelSpeed,
  PtThrottleOpening,
  PtClutchEngagement,
  PtClutchTorqueCapacity,
  PtRearWheelRPM,
  PtClutchTemp,
  PtTyreTemp,
  PtLiftForce,
  RunChannelCount
};

inline constexpr int RunPoints = 1001;   // points 0..1000
inline constexpr int LastRunPoint = 1000;
inline constexpr int CurrentRun = 0;
inline constexpr int BaselineRun = 1;
inline constexpr int HistorySize = 500;  // ring rows 1..500; row 0 is never written

// [channel][run][point]: run 0 the current run, run 1 the baseline.
using RunTable = std::array<std::array<std::array<Single, RunPoints>, 2>, RunChannelCount>;
using GearRecord = std::array<std::array<Single, 11>, 2>;  // [run][gear index 0..10]

// The settings a run's recorded points are read with: their spacing, the run's length and
// staging, and the speed traps; with the launch rpm and the staging distance as typed, which the
// report of the run shows.
struct RecordedRunSettings {
  Single PointSpacing = 0;
  Single LaunchTime = 0;
  Single LaunchStage = 0;
  double Trap8Length = 0, Trap4Length = 0;
  Integer Trap8Position = 0, Trap4Position = 0;
  Integer LaunchRPM = 0;        // row = rpm / 100
  std::string LaunchStageText;  // vehicle item (4,5), with its unit
};

struct RunState {
  // Launch and track settings, stored by the run set-up.
  Integer StepsPerSecond = 500;
  Single LaunchTime = 0;       // analysis time, s
  Integer LaunchRPM = 0;       // row = rpm / 100
  Single LaunchThrottle = 0;   // fraction
  Single LaunchRisetime = 0;   // s
  Single LaunchStage = 0;      // staging distance (rollout), m
  Single TrackSlope = 0;       // finish height / 402.34
  Single SimDistance = 0;      // spot distance past the start line, m; 0 = none
  double Trap8Length = 0;      // m
  double Trap4Length = 0;
  Integer Trap8Position = 0;   // 0 ends at the line, 1 straddles it, 2 begins at it
  Integer Trap4Position = 0;
  Single PointSpacing = 0;     // s between two recorded points

  // The run's state, as the last step left it.
  Single RunTime = 0;
  Integer Gear = 0;
  Single GearOverallRatio = 0;
  Single Speed = 0;
  Single Distance = 0;
  Single Acceleration = 0;
  Single EngineSpeed = 0;      // rows (rpm / 100)
  Single DrivelineSpeed = 0;   // rows, seen at the crank
  Single FrontWheelLoad = 0;   // kg
  Single RearWheelLoad = 0;
  Single WheelieBarLoad = 0;
  Single FrontSpringForce = 0;
  Single RearWheelSpeed = 0;
  Single FrontWheelSpeed = 0;
  Single SlipRatio = 0;
  Single WheelieBarHeight = 0;
  Single CGHeight = 0;
  Single RearAxleHeight = 0;
  Single FrontWheelHeight = 0;
  Single FrontSuspensionExtension = 0;
  Single LiftForce = 0;
  Single AeroDrag = 0;
  Single EffectiveMass = 0;
  Integer EngineInEffectiveMass = False;  // EffectiveMass holds the engine's reflected inertia
  Single TyreRadius = 0;       // rolling radius of the driven tyre, also set by GearingWithGrowth
  Integer ClutchSlipping = 1;
  Single ClutchEngagement = 0;
  Single ClutchTorqueCapacity = 0;
  Single ClutchTemp = 0;
  Single TyreTemp = 0;
  Single ThrottleOpening = 0;
  Single CorrectedTyreMu = 0;
  Integer RevLimitCut = False;
  Single RevLimitFactor = 1.0f;
  Single ReflectedEngineInertia = 0;
  Single NextReflectedEngineInertia = 0;
  Integer TopGearRPMIndex = 0;
  Integer ShiftPhase = 0;
  Integer RearWheelSpinning = 0;
  Single PitchMomentum = 0;
  Single RearWheelRotAccel = 0;
  Single WheelSpinTorque = 0;
  Single AxleTorque = 0;
  Single CrankTorque = 0;
  Single DriveForce = 0;
  Integer LoopIndex = 0;
  Single NitrousPressureFactor = 1.0f;
  Single NitrousRefPressure = 0;
  Single NitrousRefJet = 0;
  Single FeetPerUnit = 3.2808399f;  // feet per metre
  Single CalcDuration = 0;          // s the last run took

  // Recorded points of the current and the baseline run.
  RunTable RunResults{};
  Integer PointCount = 0;      // last point recorded in the current run
  // What the current run's points were recorded with. The set-up fields above plan the next
  // run; every reader of the recorded points goes by these instead.
  RecordedRunSettings RecordedWith{};
  GearRecord GearEngagedTime{};  // run time of the upshift out of each gear
  GearRecord GearEngagedRPM{};   // engine speed (rows) at that upshift
  GearRecord WheelieTime{};      // [run][n], n = 1..10: start of the n-th wheelie
  std::array<Integer, 2> WheelieCount{};

  // Timing ticket of the current run (CalcTimingPoints).
  Single Mark60ft = 0, Mark330ft = 0, Mark660ft = 0, Mark1320ft = 0;
  Single RunRolloutTime = 0;
  Single Time60ft = 0, Speed60ft = 0;
  Single Time330ft = 0, Speed330ft = 0;
  Single Time660ft = 0, Speed660ft = 0;
  Single Time1320ft = 0, Speed1320ft = 0;
  Single TimeSimDistance = 0, SpeedSimDistance = 0;

  // History ring, oldest line at HistoryHead once it has wrapped.
  std::array<std::string, HistorySize + 1> HistoryLines{};
  Integer HistoryHead = 1;
  Integer HistoryNext = 1;

  // Power estimate search: settings, targets and the run's verdicts.
  Integer EstNumber = 20;
  Single EstError = 2.0f;
  Integer EstCDAdjust = True;
  Integer EstMUAdjust = True;
  Integer EstBHPAdjust = True;
  Integer EstGearAdjust = False;
  Single Est60time = 0, Est330time = 0, Est660time = 0, Est1320time = 0;
  Single Est660speed = 0, Est1320speed = 0;
  Integer EstEighthMile = False;
  Integer EstGripHint = 0;
  Integer EstGearingHint = 0;
  Integer EstCDRestore = False, EstMURestore = False, EstBHPRestore = False;
  Integer EstGearRestore = False;  // the final drive and every gear's overall ratio
  Integer EstRetry = False;
  Single EstOrigCD = 0, EstOrigMu = 0, EstOrigGearing = 0;
  CurveTable EstOrigPowerCurve{};
  PeakSummary EstOrigEngineSummary{};
};

}  // namespace kestrelon
