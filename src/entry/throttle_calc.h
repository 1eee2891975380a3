#pragma once
// Throttle stops and traction control: six timed throttle-stop stages and the traction switch.
// Stages 0 and 1 keep a text item each; stages 2 to 5 share one item per column, their four
// texts joined by ":".

#include <array>
#include <string>
#include <string_view>

#include "core/state/vehicle_model.h"
#include "entry/field_reading.h"

namespace kestrelon {

// The throttle form's boxes, numbered for the focus after a refusal: field + stage.
enum ThrottleField {
  TStopOpeningField = 0,
  TStopTimerField = TStopOpeningField + ThrottleStopStages,
  TStopBuildField = TStopTimerField + ThrottleStopStages,
};

// What the throttle form's boxes hold, by stage 0..5.
struct ThrottleTexts {
  std::array<std::string, ThrottleStopStages> Timer, Opening, Build;
  bool UseThrottle = false;
  bool UseTraction = false;
};

// Field n (from 1) of a ":"-separated list; empty for n <= 0 or beyond the last field.
std::string GetField(std::string_view text, int n);

// The boxes as the vehicle texts fill them.
ThrottleTexts LoadThrottleTexts();

// The throttle OK: checks the stages (only while the throttle stop is used; a ":" in a stage 2..5
// box always), stores the model arrays, the texts and the switches and sets ThrottleEntered.
// A refusal changes nothing.
Verdict AcceptThrottleStops(const ThrottleTexts& t);

}  // namespace kestrelon
