#pragma once
// Clutch timers: the share of the lock-up weight that acts from the launch, and up to four timed
// stages that each bring in a further share. The model keeps the cumulative share per stage.

#include <array>
#include <string>

#include "core/state/vehicle_model.h"
#include "entry/field_reading.h"

namespace kestrelon {

// The timers form's boxes, numbered for the focus after a refusal: field + stage (1..4).
enum ClutchTimerField {
  ClTimerLPercentField = 0,
  ClTimerPCField = 0,  // stage boxes from 1
  ClTimerStartField = ClTimerPCField + ClutchTimerStages,
  ClTimerBuildField = ClTimerStartField + ClutchTimerStages,
};

// What the timers form's boxes hold; stages 1..4 (element 0 unused).
struct ClutchTimerTexts {
  std::string LPercent;
  std::array<std::string, ClutchTimerStages> PC, Start, Build;
};

// The boxes as the vehicle texts fill them.
ClutchTimerTexts LoadClutchTimerTexts();

// The timers OK: stores the launch share and, below 100 %, the cumulative stage shares, starts
// and build times, then the texts as typed. A refusal changes nothing.
Verdict AcceptClutchTimers(const ClutchTimerTexts& t);

}  // namespace kestrelon
