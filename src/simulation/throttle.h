#pragma once
// How far the throttle is open in a step: launch ramp, throttle stops, the wheelie cut, and the
// traction control that backs the throttle off against wheelspin.

#include "core/numbers.h"

namespace kestrelon {

struct RunContext;

// The throttle-stop target at a run time, or 1 (no limit) before the first stage's time.
Single ThrottleStopTarget(Single RunTime);

// Fresh opening of the step: full, the launch ramp in gear 1, the throttle stops, the wheelie cut.
void ThrottlePhase(RunContext& __restrict c);

// Backs the throttle off against a growing wheelspin, and reopens it by at most one step.
void TractionControlPhase(RunContext& __restrict c);

}  // namespace kestrelon
