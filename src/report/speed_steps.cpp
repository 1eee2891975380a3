#include "report/speed_steps.h"

#include <algorithm>

#include "core/settings.h"
#include "core/state.h"

namespace kestrelon {
namespace {

Single Pt(RunChannel channel, int point) { return S.RunResults[channel][CurrentRun][point]; }

}  // namespace

std::vector<SpeedStep> SpeedSteps() {
  std::vector<SpeedStep> steps;
  const int last = std::clamp<int>(S.PointCount, 0, LastRunPoint);
  Integer k = 10;
  Single target = k * S.SpeedFactor;
  for (int n = 1; n <= last; ++n) {
    const Single u0 = Pt(PtSpeed, n - 1), u1 = Pt(PtSpeed, n);
    while (u0 < target && u1 > target) {
      const Single a0 = Pt(PtAcceleration, n - 1), a1 = Pt(PtAcceleration, n);
      const Single e0 = Pt(PtEngineSpeed, n - 1), e1 = Pt(PtEngineSpeed, n);
      const Single d0 = Pt(PtDistance, n - 1);
      const Single f = (target - u0) / (u1 - u0);
      Single mean = a0 + f * (a1 - a0) / 2;
      Single tau = mean > 0 ? (target - u0) / mean : 0;
      if (!(mean > 0) || !(tau <= S.RecordedWith.PointSpacing)) {
        // The recorded accelerations do not account for the rise in speed (a deceleration
        // before the point, or too little acceleration to reach the step inside the
        // interval): take the time linearly from the speeds instead.
        tau = f * S.RecordedWith.PointSpacing;
        mean = tau > 0 ? (target - u0) / tau : 0;
      }
      SpeedStep row;
      row.step = k;
      row.time = (n - 1) * S.RecordedWith.PointSpacing + tau;
      // Never outside the distances recorded either side.
      row.distance = std::clamp(d0 + u0 * tau + mean * tau * tau / 2, d0, std::max(d0, Pt(PtDistance, n)));
      row.engineRows = e0 + f * (e1 - e0);
      row.acceleration = a0 + f * (a1 - a0);
      if (Cfg.AlignRollout != False) {
        row.time = std::max(0.0f, row.time - S.RunRolloutTime);
        row.distance = std::max(0.0f, row.distance - S.RecordedWith.LaunchStage);
      }
      steps.push_back(row);
      if (k > 32757) return steps;  // the step is a 16-bit count
      k = static_cast<Integer>(k + 10);
      target = k * S.SpeedFactor;
    }
  }
  return steps;
}

}  // namespace kestrelon
