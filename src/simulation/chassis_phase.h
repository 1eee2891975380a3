#pragma once
// The body in a step: load transfer between front wheels, driven wheels and wheelie bar, the
// front suspension, and the pitching of the body about the rear axle or the bar wheel, with the
// wheelie limit of a car without a bar.

#include "core/numbers.h"

namespace kestrelon {

struct RunContext;

// The least a front tyre gives under load, m. A front end without suspension travel rides on
// its tyre alone: it stays in contact while it rises by less than that.
inline constexpr Single MinFrontTyreDeflection = 0.002f;

void ChassisPhase(RunContext& __restrict c);

// The front wheel is off the ground: past the end of its travel, or for a front end without
// travel, risen by more than its tyre gives.
bool FrontWheelInAir();

}  // namespace kestrelon
