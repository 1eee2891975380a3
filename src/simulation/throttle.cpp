#include "simulation/throttle.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "simulation/run_context.h"

namespace kestrelon {

Single ThrottleStopTarget(Single RunTime) {
  // The active stage is the last whose start time has come; a later row starting no later
  // hands the scan on.
  int k = -1;
  for (int i = 0; i < ThrottleStopStages; ++i) {
    if (S.TStopTimer[i] <= RunTime && (i == ThrottleStopStages - 1 || RunTime < S.TStopTimer[i + 1])) {
      k = i;
      break;
    }
  }
  if (k < 0) return 1.0f;
  Single b = 1.0f;
  if (S.TStopBuild[k] > 0) b = std::min((RunTime - S.TStopTimer[k]) / S.TStopBuild[k], 1.0f);
  if (k == 0) {
    // A first stop from the start opens from shut; a later first stop closes from full.
    if (S.TStopTimer[0] == 0) return b * S.TStopOpening[0];
    return 1.0f + b * (S.TStopOpening[0] - 1.0f);
  }
  if (b < 1.0f) return S.TStopOpening[k - 1] + b * (S.TStopOpening[k] - S.TStopOpening[k - 1]);
  return S.TStopOpening[k];
}

void ThrottlePhase(RunContext& __restrict c) {
  S.ThrottleOpening = 1.0f;
  if (S.RunTime < S.LaunchRisetime && S.Gear == 1)
    S.ThrottleOpening = S.LaunchThrottle + (1.0f - S.LaunchThrottle) * S.RunTime / S.LaunchRisetime;
  if (S.UseThrottleStop != False) S.ThrottleOpening = std::min(S.ThrottleOpening, ThrottleStopTarget(S.RunTime));
  if (c.WheelieActive != False) S.ThrottleOpening = -0.2f;  // shut, the engine brakes
}

void TractionControlPhase(RunContext& __restrict c) {
  if (!(S.EngineSpeed > S.MinRPMIndex && S.UseTraction != False && S.ThrottleOpening > 0)) return;
  const Single p = c.PrevThrottleOpening;
  const Single k = c.TractionThrottleStep;
  const Single s = c.SlipSpeed;
  const Integer d = c.SlipTrend;
  const Single grip = S.CorrectedTyreMu * S.Gravity;
  // How fast the slip grows against the grip's own acceleration.
  const Single a = grip > 0 ? (s - c.PrevSlipSpeed) * c.Sps / grip : 0.0f;
  if (a > 2)
    S.ThrottleOpening = p - k * a / 14.1f;
  else if (a > 1.2f)
    S.ThrottleOpening = p - k * std::sqrt(a) / 10.0f;
  else if (s > c.SlipLimitHigh && d > 0)
    S.ThrottleOpening = p - k / 4.0f - (s - c.SlipLimitHigh) * k / 10.0f;
  else if (s > c.SlipLimitLow && d > 0)
    S.ThrottleOpening = p - (s - c.SlipLimitLow) * (s - c.SlipLimitLow) * k / 100.0f;
  else if (s > c.SlipLimitHigh)
    S.ThrottleOpening = p;
  if (S.ThrottleOpening - p > k) S.ThrottleOpening = p + k;
  S.ThrottleOpening = std::clamp(S.ThrottleOpening, 0.0f, 1.0f);
}

}  // namespace kestrelon
