#include "simulation/timing_points.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"

namespace kestrelon {

namespace {

Single Pt(RunChannel ch, int p) { return S.RunResults[ch][CurrentRun][p]; }

struct TrapWindow {
  Single start = 0;
  Single end = 0;
  Single entry = 0;  // elapsed time at the start and at the end of the trap
  Single exit = 0;
};

TrapWindow MakeTrap(Single mark, double length, Integer position) {
  const Single len = static_cast<Single>(length);
  TrapWindow t;
  t.start = position == 1 ? mark - len / 2 : position == 2 ? mark : mark - len;
  t.end = t.start + len;
  return t;
}

}  // namespace

Single TimeToDistance(Single TargetDistance, Integer PointIndex) {
  const int p = std::clamp<int>(PointIndex, 1, LastRunPoint);
  const Single d0 = Pt(PtDistance, p - 1);
  const Single span = Pt(PtDistance, p) - d0;
  const Single frac = span != 0 ? (TargetDistance - d0) / span : 1.0f;
  const Single a0 = Pt(PtAcceleration, p - 1);
  const Single a1 = Pt(PtAcceleration, p);
  const Single a = a0 + (a1 - a0) * frac / 2;
  const Single dx = TargetDistance - d0;
  const Single v = Pt(PtSpeed, p - 1);
  if (a > 0 && a0 > 0 && a1 > 0) return (std::sqrt(v * v + 2 * a * dx) - v) / a;
  return S.RecordedWith.PointSpacing * frac;
}

void CalcTimingPoints() {
  S.RunRolloutTime = 0;
  S.Time60ft = S.Speed60ft = S.Time330ft = S.Speed330ft = 0;
  S.Time660ft = S.Speed660ft = S.Time1320ft = S.Speed1320ft = 0;
  S.TimeSimDistance = S.SpeedSimDistance = 0;
  const Single fpu = S.FeetPerUnit;
  S.Mark60ft = 60 / fpu + S.RecordedWith.LaunchStage;
  S.Mark330ft = 330 / fpu + S.RecordedWith.LaunchStage;
  S.Mark660ft = 660 / fpu + S.RecordedWith.LaunchStage;
  S.Mark1320ft = 1320 / fpu + S.RecordedWith.LaunchStage;
  const Single spot = S.SimDistance + S.RecordedWith.LaunchStage;
  TrapWindow trap8 = MakeTrap(S.Mark660ft, S.RecordedWith.Trap8Length, S.RecordedWith.Trap8Position);
  TrapWindow trap4 = MakeTrap(S.Mark1320ft, S.RecordedWith.Trap4Length, S.RecordedWith.Trap4Position);
  const Single speedFactor = S.SpeedFactor != 0 ? S.SpeedFactor : 1.0f;

  const int last = std::clamp<int>(S.PointCount, 0, LastRunPoint);
  for (int i = 1; i <= last; ++i) {
    const Single before = Pt(PtDistance, i - 1);
    const Single at = Pt(PtDistance, i);
    auto crosses = [&](Single x, Single result) { return at >= x && before < x && result == 0; };
    auto elapsed = [&](Single t) { return t + (i - 1) * S.RecordedWith.PointSpacing - S.RunRolloutTime; };
    // Speed at the crossing, interpolated over the recorded interval.
    auto speedAt = [&](Single t) {
      const Single frac = S.RecordedWith.PointSpacing > 0 ? t / S.RecordedWith.PointSpacing : 0.0f;
      return (Pt(PtSpeed, i - 1) + (Pt(PtSpeed, i) - Pt(PtSpeed, i - 1)) * frac) / speedFactor;
    };
    auto line = [&](Single x, Single& time, Single* speed) {
      if (!crosses(x, time)) return;
      const Single t = TimeToDistance(x, static_cast<Integer>(i));
      time = elapsed(t);
      if (speed) *speed = speedAt(t);
    };
    line(S.Mark60ft, S.Time60ft, &S.Speed60ft);
    line(S.Mark330ft, S.Time330ft, &S.Speed330ft);
    if (S.SimDistance > 0) line(spot, S.TimeSimDistance, &S.SpeedSimDistance);
    line(trap8.start, trap8.entry, nullptr);
    line(S.Mark660ft, S.Time660ft, nullptr);
    line(trap8.end, trap8.exit, nullptr);
    line(trap4.start, trap4.entry, nullptr);
    line(S.Mark1320ft, S.Time1320ft, nullptr);
    line(trap4.end, trap4.exit, nullptr);
    if (crosses(S.RecordedWith.LaunchStage, S.RunRolloutTime))
      S.RunRolloutTime = TimeToDistance(S.RecordedWith.LaunchStage, static_cast<Integer>(i)) + (i - 1) * S.RecordedWith.PointSpacing;
  }
  if (trap8.exit - trap8.entry > 0)
    S.Speed660ft = static_cast<Single>(S.RecordedWith.Trap8Length / ((trap8.exit - trap8.entry) * speedFactor));
  if (trap4.exit - trap4.entry > 0)
    S.Speed1320ft = static_cast<Single>(S.RecordedWith.Trap4Length / ((trap4.exit - trap4.entry) * speedFactor));
}

}  // namespace kestrelon
