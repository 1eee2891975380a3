#include "power/curve_synthesis.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"

namespace kestrelon {

void SynthesizePowerCurve(int column) {
  if (S.MaxPRPM <= 0) return;
  auto& curve = S.PowerCurve[column];
  const int a = CInt(S.MinRPM / 100.0);
  const int t = CInt(S.MaxTRPM / 100.0);
  const int p = CInt(S.MaxPRPM / 100.0);
  const int m = S.MaxRPMIndex;
  const double peakTorque = S.MaxTRQ;
  // Torque at the peak-power rpm; row x torque may not pass p x Tp anywhere above the peak.
  const Single tp = static_cast<Single>(S.MaxBHP * 5252.0f / S.MaxPRPM);
  const double powerLimit = static_cast<double>(p) * tp;
  const auto inColumn = [](int i) { return i >= 0 && i < CurveRows; };
  const auto capped = [&](int i, double torque) -> Single {
    if (torque < 0) return 0;
    if (static_cast<double>(i) * torque > powerLimit) return static_cast<Single>(powerLimit / i);
    return static_cast<Single>(torque);
  };

  // Rising to the peak torque; a peak-torque row of 0 has no rise.
  if (t > 0) {
    for (int i = std::max(a, 0); i <= t && inColumn(i); ++i) {
      const double r = static_cast<double>(t - i) / t;
      curve[i] = static_cast<Single>(std::max(0.0, peakTorque * (1 - 0.75 * r * r)));
    }
  }

  // Falling from the peak torque to Tp at the peak-power row; none when both share a row.
  if (p > t) {
    const double k2 = (peakTorque - tp) / std::pow(p - t, 1.5);
    for (int i = std::max(t + 1, 0); i <= p && inColumn(i); ++i)
      curve[i] = capped(i, peakTorque - k2 * std::pow(i - t, 1.5));
  }

  // Past peak power the power falls away smoothly (no kink at the peak) to p / M of the peak
  // at the top of the span.
  if (m > p) {
    const double fallAway = 1.0 - static_cast<double>(p) / m;
    for (int i = std::max(p + 1, 1); i <= m && inColumn(i); ++i) {
      const double share = std::pow(static_cast<double>(i - p) / (m - p), 1.5);
      curve[i] = capped(i, powerLimit * (1.0 - fallAway * share) / i);
    }
  }
}

}  // namespace kestrelon
