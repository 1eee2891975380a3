#include "simulation/clutch_phase.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "simulation/run_context.h"

namespace kestrelon {

namespace {

void EngagementByTime() {
  if (S.RunTime < S.ClutchEngageInitial)
    S.ClutchEngagement = S.RunTime * S.ClutchEngageInitialPC / S.ClutchEngageInitial;
  else if (S.ClutchEngageFinal > 0 && S.RunTime < S.ClutchEngageFinal)
    S.ClutchEngagement = S.ClutchEngageInitialPC + (1 - S.ClutchEngageInitialPC) *
                                                       (S.RunTime - S.ClutchEngageInitial) /
                                                       (S.ClutchEngageFinal - S.ClutchEngageInitial);
  else
    S.ClutchEngagement = 1;
}

// The automatic clutch in gear 1 backs the engagement off against a growing wheelspin.
// lockUp selects the lock-up clutch's milder rule.
void FeatherEngagement(const RunContext& __restrict c, bool lockUp) {
  const Single grip = S.CorrectedTyreMu * S.Gravity;
  const Single G = grip > 0 ? (c.SlipSpeed - c.PrevSlipSpeed) * c.Sps / grip : 0.0f;
  const Single E = c.PrevClutchEngagement;
  const Single D = c.ClutchEngageStep;
  const Single s = c.SlipSpeed;
  if (G > 1.5f && (!lockUp || s > c.SlipLimitHigh))
    S.ClutchEngagement = E - D * std::sqrt(G) / 5;
  else if (s > c.SlipLimitHigh && c.SlipTrend > 0)
    S.ClutchEngagement = E - D / 4 - (s - c.SlipLimitHigh) * D / 10;
  else if (s > c.SlipLimitLow && c.SlipTrend > 0)
    S.ClutchEngagement = E - (s - c.SlipLimitLow) * (s - c.SlipLimitLow) * D / 100;
  else if (s > c.SlipLimitHigh && lockUp)
    S.ClutchEngagement = E;
  if (S.ClutchEngagement - E > D) S.ClutchEngagement = std::min(E + D, 1.0f);
  if (S.ClutchEngagement < 0) S.ClutchEngagement = 0;
}

// Share of the lock-up weight working at the present run time.
Single TimerFraction() {
  if (S.ClutchTimerLPercent >= 1) return 1;
  for (int k = 1; k < ClutchTimerStages; ++k) {
    if (S.ClutchTimerStart[k] + S.ClutchTimerBuild[k] > S.RunTime) {
      Single F;
      if (S.RunTime < S.ClutchTimerStart[k] || S.ClutchTimerBuild[k] <= 0)
        F = S.ClutchTimerWeight[k - 1];
      else
        F = S.ClutchTimerWeight[k - 1] + (S.ClutchTimerWeight[k] - S.ClutchTimerWeight[k - 1]) *
                                            (S.RunTime - S.ClutchTimerStart[k]) / S.ClutchTimerBuild[k];
      // A share of 0 leaves the weights out (the springs alone launch); one outside 0..1, or no
      // number, counts as all of them.
      return F >= 0 && F <= 1 ? F : 1.0f;
    }
  }
  return 1;
}

Single CentrifugalCapacity(RunContext& __restrict c, bool slider) {
  const Single n = slider ? S.EngineSpeed : S.DrivelineSpeed;
  const Single top = S.MaxRPMIndex > 0 ? static_cast<Single>(S.MaxRPMIndex) : 1.0f;
  const Single F = TimerFraction();
  Single capacity = F * (n / top) * (n / top) * S.ClutchTorqueLocked + S.ClutchTorqueStatic;
  if (slider && capacity > 0 && S.ClutchSlipping == 1 && S.StepsPerSecond < 500) {
    // Coarse steps: average with the capacity at the engine speed the step is heading for.
    const Single n2 = S.EngineSpeed + (S.CrankTorque - capacity) * c.CrankRowPerTorqueStep;
    const Single mid = (S.EngineSpeed + n2) / (2 * top);
    capacity = std::max((mid * mid * S.ClutchTorqueLocked * F + S.ClutchTorqueStatic + capacity) / 2, 0.0f);
  }
  if (!slider && S.ClutchFeatherFlag != False && S.Gear == 1) FeatherEngagement(c, true);
  if (S.ClutchEngagement < 1) capacity *= S.ClutchEngagement;
  return capacity;
}

Single ConverterCapacity(RunContext& __restrict c) {
  const Integer stage = static_cast<Integer>(std::clamp<int>(S.CurrentStage, 0, 2));
  const bool lockUp = S.GearLockup[std::clamp(S.Gear - 1, 0, GearSlots - 1)] != False &&
                      !(S.Gear <= 1 && S.EngineSpeed <= S.EngineSummary[stage][1]);
  Single capacity;
  Single slip = 0;
  if (lockUp) {
    capacity = 1.1f * std::fabs(S.CrankTorque);
  } else if (S.EngineSpeed <= 0) {
    capacity = 0;  // a standing engine turns no converter
  } else {
    slip = (S.EngineSpeed - S.DrivelineSpeed) / S.EngineSpeed;
    capacity = S.ConverterK * S.EngineSpeed * S.EngineSpeed *
               (S.ConverterCurveA * (slip + c.PrevConverterSlip) / 2 + S.ConverterCurveB);
  }
  if (S.ClutchEngagement < 1) capacity *= S.ClutchEngagement;
  c.PrevConverterSlip = slip;
  return capacity;
}

}  // namespace

void ClutchPhase(RunContext& __restrict c) {
  EngagementByTime();
  const bool conventional = c.Clutch == ClutchModel::Conventional;
  const bool lockUpClutch = c.Clutch == ClutchModel::LockUp;
  Single capacity;
  if (conventional) {
    if (S.ClutchFeatherFlag != False && S.Gear == 1) FeatherEngagement(c, false);
    capacity = S.ClutchTorqueStatic * S.ClutchEngagement;
  } else if (lockUpClutch || c.Clutch == ClutchModel::Slider) {
    capacity = CentrifugalCapacity(c, c.Clutch == ClutchModel::Slider);
  } else {
    capacity = ConverterCapacity(c);
  }
  if ((conventional || lockUpClutch) && S.ShiftPhase == 1) {
    capacity /= 10;  // held open while the gear changes
    S.ClutchEngagement = 0.1f;
  }
  if (S.ClutchPlateCalc1 > 0 && S.ClutchTemp > S.ClutchPlateCalc5)
    capacity *= std::max(1 - (S.ClutchTemp - S.ClutchPlateCalc5) * S.ClutchPlateCalc6 / 100, 0.0f);
  capacity = std::max(capacity, 0.0f);
  S.ClutchTorqueCapacity = capacity;

  const Single K = capacity;
  c.ClutchDrag = 0;
  const Single torque = S.CrankTorque;
  // A clutch slipping with the engine ahead of the drive line pulls the drive line forward
  // whatever the engine's own torque: an engine braking on its rev limiter (or closed throttle)
  // slows itself against the clutch but cannot turn the wheels backwards.
  const bool engineAhead = S.EngineSpeed > S.DrivelineSpeed;
  if (std::fabs(torque) > K && !(torque < 0 && engineAhead)) {
    const Single sign = torque > 0 ? 1.0f : -1.0f;
    S.ClutchSlipping = 1;
    S.EngineSpeed += (torque - K * sign) * c.CrankRowPerTorqueStep;
    S.CrankTorque = K * sign;
    if (S.EngineSpeed < S.MinRPMIndex) S.EngineSpeed = S.MinRPMIndex;
  } else if ((std::fabs(torque) < K && S.ClutchSlipping == 1) || (torque < 0 && engineAhead)) {
    // The spare capacity pulls the engine down towards the drive line.
    const Single old = S.EngineSpeed;
    c.ClutchDrag = K - torque;
    S.EngineSpeed -= c.ClutchDrag * c.CrankRowPerTorqueStep;
    if (S.EngineSpeed <= S.DrivelineSpeed) {
      const Single fall = old - S.EngineSpeed;
      c.ClutchDrag = fall > 0 ? (old - S.DrivelineSpeed) * (K - torque) / fall : 0.0f;
      S.EngineSpeed = S.DrivelineSpeed;
      S.ClutchSlipping = 0;
    }
  }
}

}  // namespace kestrelon
