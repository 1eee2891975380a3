#include "entry/clutch_timers_calc.h"

#include "core/state.h"
#include "entry/model_snapshot.h"

namespace kestrelon {

namespace {

constexpr Single kNotInUseStart = 1000;  // s: a stage that never starts

Refusal Refuse(std::string text, ClutchTimerField field, int stage = 0) {
  return {std::move(text), field + stage};
}

}  // namespace

ClutchTimerTexts LoadClutchTimerTexts() {
  ClutchTimerTexts t;
  t.LPercent = S.VehicleData[1][14];
  for (int i = 1; i < ClutchTimerStages; ++i) {
    t.PC[i] = S.VehicleData[1][14 + i];
    t.Start[i] = S.VehicleData[2][11 + i];
    t.Build[i] = S.VehicleData[2][15 + i];
  }
  return t;
}

namespace {

// The OK's checks and writes, in order; the caller puts the model back on a refusal.
Verdict AcceptClutchTimersInOrder(const ClutchTimerTexts& t) {
  const std::string launch = Trim(t.LPercent);
  S.ClutchTimerLPercent = launch.empty() ? 1.0f : static_cast<Single>(PlainNumber(launch) / 100);
  if (S.ClutchTimerLPercent < 0 || S.ClutchTimerLPercent > 1)
    return Refuse("Clutch Launch weight percentage must be between 0 and 100", ClTimerLPercentField);

  if (S.ClutchTimerLPercent < 1) {
    auto& weight = S.ClutchTimerWeight;
    auto& start = S.ClutchTimerStart;
    auto& build = S.ClutchTimerBuild;
    weight[0] = S.ClutchTimerLPercent;
    start[0] = 0;
    build[0] = 0;
    for (int i = 1; i < ClutchTimerStages; ++i) {
      const std::string pc = Trim(t.PC[i]);
      if (pc.empty()) {
        weight[i] = 1.0f;
      } else {
        const double w = PlainNumber(pc) / 100;
        if (w < 0 || w > 1)
          return Refuse("Clutch Timer weight percentage must be between 0 and 100", ClTimerPCField, i);
        weight[i] = static_cast<Single>(weight[i - 1] + w);
        if (weight[i] > 1) weight[i] = 1.0f;
      }

      const std::string st = Trim(t.Start[i]);
      if (st.empty()) {
        start[i] = kNotInUseStart;
      } else {
        const double s = PlainNumber(st);
        if (s < 0 || !FitsSingle(s))
          return Refuse("Clutch Timer start cannot be negative", ClTimerStartField, i);
        if (s < start[i - 1])
          return Refuse("Clutch Timer stage " + Str(i) + " cannot start before previous stage",
                        ClTimerStartField, i);
        start[i] = static_cast<Single>(s);
      }

      const std::string bt = Trim(t.Build[i]);
      if (bt.empty()) {
        build[i] = 0;
      } else {
        const double b = PlainNumber(bt);
        if (b < 0 || !FitsSingle(b))
          return Refuse("Time taken to engage cannot be negative", ClTimerBuildField, i);
        build[i] = static_cast<Single>(b);
      }

      // The whole weight is in: the later stages are not in use and their boxes not read.
      if (weight[i] >= 1) {
        for (int k = i + 1; k < ClutchTimerStages; ++k) {
          weight[k] = 1.0f;
          start[k] = kNotInUseStart;
          build[k] = 0;
        }
        break;
      }
    }
  }

  S.VehicleData[1][14] = t.LPercent;
  for (int i = 1; i < ClutchTimerStages; ++i) {
    S.VehicleData[1][14 + i] = t.PC[i];
    S.VehicleData[2][11 + i] = t.Start[i];
    S.VehicleData[2][15 + i] = t.Build[i];
  }
  return std::nullopt;
}

}  // namespace

Verdict AcceptClutchTimers(const ClutchTimerTexts& t) {
  const ModelSnapshot before;
  Verdict refusal = AcceptClutchTimersInOrder(t);
  if (refusal) before.Restore();
  return refusal;
}

}  // namespace kestrelon
