#include "entry/throttle_calc.h"

#include "core/state.h"
#include "entry/model_snapshot.h"

namespace kestrelon {

namespace {

// Stages 2..5 of a column travel in one item, stage n + 1 as field n.
constexpr int kListedStage = 2;

Refusal Refuse(const char* text, ThrottleField field, int stage) { return {text, field + stage}; }

}  // namespace

std::string GetField(std::string_view text, int n) {
  std::string_view rest = text;
  std::string_view field;
  for (int k = 0; k < n; ++k) {
    const auto colon = rest.find(':');
    if (colon != std::string_view::npos) {
      field = rest.substr(0, colon);
      rest = rest.substr(colon + 1);
    } else {
      field = rest;
      rest = {};
    }
  }
  return std::string(field);
}

ThrottleTexts LoadThrottleTexts() {
  const auto& g = S.VehicleData[9];
  ThrottleTexts t;
  t.Timer[0] = g[16];
  t.Build[0] = g[17];
  t.Opening[0] = g[4];
  t.Timer[1] = g[5];
  t.Opening[1] = g[6];
  t.Build[1] = g[7];
  for (int n = 1; n <= 4; ++n) {
    t.Timer[n + 1] = GetField(g[13], n);
    t.Opening[n + 1] = GetField(g[14], n);
    t.Build[n + 1] = GetField(g[15], n);
  }
  t.UseThrottle = !Trim(g[10]).empty();
  t.UseTraction = !Trim(g[12]).empty();
  return t;
}

namespace {

// The OK's checks and writes, in order; the caller puts the model back on a refusal.
Verdict AcceptThrottleStopsInOrder(const ThrottleTexts& t) {
  const auto typedIn = [&t](int stage) {
    return !Trim(t.Timer[stage] + t.Opening[stage] + t.Build[stage]).empty();
  };
  for (int i = 0; i < ThrottleStopStages; ++i) {
    // A ":" inside a listed stage's text would shift the later fields of its list.
    auto colon = [&](const std::string& text, ThrottleField field) -> Verdict {
      if (i >= kListedStage && text.find(':') != std::string::npos)
        return Refuse("A ':' cannot be used in a throttle stop setting", field, i);
      return std::nullopt;
    };

    if (auto r = colon(t.Opening[i], TStopOpeningField)) return r;
    if (t.UseThrottle) {
      const double v = PlainNumber(t.Opening[i]) / 100;
      if (v == 0) {
        S.TStopOpening[i] = 1.0f;  // a blank or zero opening is full throttle
      } else if (v >= 0 && v <= 1) {
        S.TStopOpening[i] = static_cast<Single>(v);
      } else {
        return Refuse("A Percentage value no greater than 100 is required", TStopOpeningField, i);
      }
    }

    if (auto r = colon(t.Timer[i], TStopTimerField)) return r;
    if (t.UseThrottle) {
      double timer = PlainNumber(t.Timer[i]);
      if (timer < 0 || !FitsSingle(timer))
        return Refuse("Negative timer is not possible", TStopTimerField, i);
      // A start of 0 after a timed stage, or a blank start after a stage with anything typed in
      // it, is never reached: the stage before holds to the end of the run.
      const bool blankAfterUsed = i > 0 && Trim(t.Timer[i]).empty() && typedIn(i - 1);
      if (i > 0 && ((timer == 0 && S.TStopTimer[i - 1] > 0) || blankAfterUsed)) {
        timer = S.ThrottleStepCount;
      } else if (i > 0 && timer < S.TStopTimer[i - 1]) {
        return Refuse("Throttle Stop timer cannot be lower than previous timer", TStopTimerField, i);
      }
      S.TStopTimer[i] = static_cast<Single>(timer);
    }

    if (auto r = colon(t.Build[i], TStopBuildField)) return r;
    if (t.UseThrottle) {
      const double build = PlainNumber(t.Build[i]);
      if (build < 0 || !FitsSingle(build))
        return Refuse("Negative build time is not possible", TStopBuildField, i);
      S.TStopBuild[i] = static_cast<Single>(build);
    }
  }

  auto& g = S.VehicleData[9];
  g[16] = Trim(t.Timer[0]);
  g[17] = Trim(t.Build[0]);
  g[4] = Trim(t.Opening[0]);
  g[5] = Trim(t.Timer[1]);
  g[6] = Trim(t.Opening[1]);
  g[7] = Trim(t.Build[1]);
  g[13] = Trim(t.Timer[kListedStage]);
  g[14] = Trim(t.Opening[kListedStage]);
  g[15] = Trim(t.Build[kListedStage]);
  for (int i = kListedStage + 1; i < ThrottleStopStages; ++i) {
    g[13] += ":" + Trim(t.Timer[i]);
    g[14] += ":" + Trim(t.Opening[i]);
    g[15] += ":" + Trim(t.Build[i]);
  }
  g[10] = t.UseThrottle ? "Y" : "";
  S.UseThrottleStop = ToFlag(t.UseThrottle);
  g[12] = t.UseTraction ? "Y" : "";
  S.UseTraction = ToFlag(t.UseTraction);

  S.ThrottleEntered = True;
  return std::nullopt;
}

}  // namespace

Verdict AcceptThrottleStops(const ThrottleTexts& t) {
  const ModelSnapshot before;
  Verdict refusal = AcceptThrottleStopsInOrder(t);
  if (refusal) before.Restore();
  return refusal;
}

}  // namespace kestrelon
