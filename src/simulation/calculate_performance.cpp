#include "simulation/calculate_performance.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

#include "core/settings.h"
#include "core/state.h"
#include "core/units.h"
#include "platform/ui_seam.h"
#include "simulation/chassis_phase.h"
#include "simulation/drive_line.h"
#include "simulation/gear_shift.h"
#include "simulation/history_log.h"
#include "simulation/kept_run.h"
#include "simulation/nitrous.h"
#include "simulation/rev_limiter.h"
#include "simulation/run_context.h"
#include "simulation/run_recording.h"
#include "simulation/run_setup.h"
#include "simulation/temperatures.h"
#include "simulation/throttle.h"
#include "simulation/tyre_phase.h"

namespace kestrelon {

namespace {

// How many steps lie between two recorded points, so that the run fits in points 0..1000, and
// the time between them; both are noted with the rest of the set-up the points are read with.
void PlanRecording(RunContext& __restrict c, Long totalSteps) {
  c.RecordInterval = totalSteps / 1000;
  if (c.RecordInterval < 1) {
    c.RecordInterval = 1;
    S.PointSpacing = c.StepDt;
  } else if (c.RecordInterval * 1000 < totalSteps) {
    // A step count that is no multiple of 1000 would run past the last point: spread it wider.
    ++c.RecordInterval;
    S.PointSpacing = c.RecordInterval * c.StepDt;
  } else {
    // 1000 points over the analysis time, LaunchTime / 1000 as the set-up gives it; set here
    // too, so that no spacing left from another set-up can be read with these points.
    S.PointSpacing = static_cast<Single>(static_cast<double>(c.RecordInterval) / c.Sps);
  }
  NoteRecording();
}

// The bottle pressure and jet that the nitrous figures refer to: constant texts, read once the
// unit table can read them.
struct NitrousReference {
  Single pressure = 0;
  Single jet = 0;
  bool read = false;
};

const NitrousReference& NitrousReferenceFigures() {
  static NitrousReference ref;
  if (!ref.read) {
    ref.pressure = ParseValueWithUnits("850psi", "pressure");
    bool read = S.UnitsParseOK == 1;
    const Single jet = ParseValueWithUnits("0.043in", "length");
    read = read && S.UnitsParseOK == 1;
    ref.jet = 4 * jet * jet;
    ref.read = read;
  }
  return ref;
}

void SetNitrousReferences() {
  S.NitrousPressureFactor = NitrousStageAt(CInt(S.GearCount), 0) == 0 ? 1.0f : NitrousPressureFactorAt(0);
  const NitrousReference& ref = NitrousReferenceFigures();
  S.NitrousRefPressure = ref.pressure;
  S.NitrousRefJet = ref.jet;
}

// One step of the run; true when it recorded a point.
bool Step(RunContext& __restrict c) {
  c.SpringPreloadTerm = 0;
  S.RunTime = static_cast<Single>(c.StepCounter) * c.StepDt;
  if (S.N2DropPressure != 0) S.NitrousPressureFactor = NitrousPressureFactorAt(S.RunTime);
  S.CurrentStage = NitrousStageAt(S.Gear, S.RunTime);
  c.StepStartSpeed = S.Speed;
  c.ClutchDrag = 0;
  S.WheelSpinTorque = 0;

  ThrottlePhase(c);
  RevLimiterPhase(c);
  // A stalled engine turns nothing; the run ends at its next recorded point.
  if (S.EngineSpeed != 0) {
    TyrePhase(c);
    TractionControlPhase(c);
    ChassisPhase(c);
    DriveLinePhase(c);
  }

  S.SlipRatio = S.RearWheelSpeed > 0 ? (S.RearWheelSpeed - S.Speed) / S.RearWheelSpeed : 0.0f;
  S.Distance += c.StepStartSpeed * c.StepDt + S.Acceleration * c.HalfStepDtSq;
  ClutchHeatPhase(c);
  TyreTempPhase(c);

  if (S.EstGearAdjust != False && S.Gear == S.GearCount && S.RevLimitCut != False) {
    const Single target = (S.EstEighthMile != False ? 660.0f : 1320.0f) / S.FeetPerUnit;
    if (S.Distance < target) S.EstGearingHint = 1;
  }
  if (S.SlipRatio > c.MaxSlipRatio) c.MaxSlipRatio = S.SlipRatio;

  // Every RecordInterval steps the next point is recorded.
  const bool recorded = --c.StepsToNextPoint == 0;
  if (recorded) {
    c.StepsToNextPoint = c.RecordInterval;
    if (S.LoopIndex < LastRunPoint) ++S.LoopIndex;
    RecordRunPoint();
    if (c.ShowProgress) {
      ui().SetRunProgress(S.LoopIndex);
      ui().DoEvents();  // lets Cancel through
    }
  }

  TestGearShift(0);
  c.PrevEngineSpeed = S.EngineSpeed;
  c.PrevClutchEngagement = S.ClutchEngagement;
  c.PrevThrottleOpening = S.ThrottleOpening;
  c.PrevCorrectedTyreMu = S.CorrectedTyreMu;
  return recorded;
}

// An engine past twice the top of its torque table (rows of 100 rpm) turns on no curve at all:
// locked to a drive line geared far beyond any real one (a final drive typed without its point),
// its inertia rides on the wheel as a flywheel and would push the car to a ticket no engine gave.
constexpr Single RunawayEngineSpeed = 2 * CurveTopRow;

// The state each step carries into the next is still made of numbers, and of an engine that
// still turns on its curve. A model the forms accept can leave them (a weight near the largest
// single), and its points would record as zeros. An engine that has stalled (a clutch far
// stronger than it, dragging it down to a standing drive line) stays stalled: every later step
// only rolls the vehicle on, which is no run either.
bool RunStateSimulable() {
  for (const Single v : {S.Speed, S.Distance, S.Acceleration, S.EngineSpeed, S.RearWheelSpeed, S.FrontWheelSpeed,
                         S.DrivelineSpeed, S.RearWheelLoad, S.FrontWheelLoad, S.CGHeight, S.ClutchTemp, S.TyreTemp})
    if (!std::isfinite(v)) return false;
  return S.EngineSpeed != 0 && S.EngineSpeed <= RunawayEngineSpeed;
}

// A run that ends behind its start line is no run of the vehicle: on the level nothing a vehicle
// does takes it there (an accepted weight of a milligram, a gear of 1e30), and on a climb it is a
// vehicle that cannot make the climb. A climb it makes rolls back a little at the launch only.
bool EndedBehindTheStart() { return S.RunResults[PtDistance][CurrentRun][S.PointCount] < 0; }

// Ends a run whose numbers are no run of the vehicle as a cancelled one ends, and says why.
void StopUnsimulable() {
  S.CancelFlag = 1;
  TellCannotBeSimulated();
}

void EstimateVerdicts(const RunContext& __restrict c) {
  if (S.EstGearAdjust != False && S.EstGearingHint < 1) {
    if (c.MaxSlipRatio > 0.4f)
      S.EstGearingHint = 1;
    else if (c.MaxSlipRatio < 0.04f)
      S.EstGearingHint = -1;
  }
  if (S.EstMUAdjust != False && c.MaxSlipRatio > 0.4f && S.EstGearingHint < 1) S.EstGripHint = 1;
}

}  // namespace

void TellCannotBeSimulated() {
  ui().MsgBox("This vehicle cannot be simulated: check its weight, power and gearing",
              Msg::OKOnly | Msg::Exclamation, "Performance Calculator");
}

bool CalculatePerformance(Integer ShowProgress, bool searchAttempt) {
  if (S.Calculating != False) return false;  // no run inside a run

  RunContext c;
  // A run that does not complete leaves the last completed run's results as they were.
  std::optional<KeptRun> completed;
  if (S.RunDone != False) completed.emplace();
  S.Calculating = True;
  S.FeetPerUnit = 3.2808399f;
  S.CancelFlag = 0;
  S.PointCount = 0;
  S.WheelieCount[CurrentRun] = 0;
  c.WheelieActive = False;
  S.RearWheelSpinning = 0;  // the wheel-spin latch of the drive line
  c.CalcStartTimer = std::chrono::steady_clock::now();
  c.ShowProgress = ShowProgress != 0;
  if (c.ShowProgress) ui().ShowRunProgress(true);

  S.EstGripHint = 0;
  S.EstGearingHint = 0;
  if (Cfg.HistoryLog != False) LogChanges();

  // The run set-up always asks for 500 steps per second.
  c.Sps = S.StepsPerSecond > 0 ? static_cast<Single>(S.StepsPerSecond) : 500.0f;
  SetUpRun(c);

  if (S.CancelFlag != 1) {
    RecordRunPoint();
    const Long totalSteps = CLng(static_cast<double>(c.Sps) * S.LaunchTime);
    PlanRecording(c, totalSteps);
    c.StepsToNextPoint = c.RecordInterval;
    SetNitrousReferences();
    ui().DoEvents();
    c.LoopEnd = totalSteps;
    for (c.StepCounter = 1; c.StepCounter <= c.LoopEnd; ++c.StepCounter) {
      const bool recorded = Step(c);
      if (S.CancelFlag == 1) {
        c.StepCounter = c.LoopEnd;
        ui().MsgBox("Calculation cancelled at user request", Msg::Question, "Performance Calculator");
      } else if (recorded && !RunStateSimulable()) {
        c.StepCounter = c.LoopEnd;
        StopUnsimulable();
      }
    }
    if (S.CancelFlag != 1 && EndedBehindTheStart()) StopUnsimulable();
  }

  S.CalcDuration = std::chrono::duration<Single>(std::chrono::steady_clock::now() - c.CalcStartTimer).count();
  if (c.ShowProgress) ui().ShowRunProgress(false);
  const bool done = S.CancelFlag == 0;
  if (done) S.RunDone = True;
  S.CancelFlag = 0;
  EstimateVerdicts(c);
  if (Cfg.HistoryLog != False) LogRunResults();
  // The history has the lines of a run that did not complete; the windows keep the last one
  // that did. Without one, the run leaves nothing of itself: its points so far are no run (the
  // time between them holds only for a whole recording), so they go, the run graph and its
  // display options close rather than show or set them as the baseline, and only the other
  // result windows already open draw anew.
  const bool leavesARun = done || completed;
  if (!done && completed)
    completed->PutBack();
  else if (!done)
    ClearRunResults();
  S.CalcRequested = False;
  S.Calculating = False;
  if (!leavesARun) {
    ui().UnloadRunGraph();
    ui().RefreshResultWindows();
  } else if (searchAttempt)
    ShowRunInGraph();
  else
    ShowRunResults();
  return done;
}

}  // namespace kestrelon
