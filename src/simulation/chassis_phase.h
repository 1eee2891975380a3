#pragma once
// The body in a step: load transfer between front wheels, driven wheels and wheelie bar, the
// front suspension, and the pitching of the body about the rear axle or the bar wheel, with the
// wheelie limit of a car without a bar.

namespace kestrelon {

struct RunContext;

void ChassisPhase(RunContext& c);

// The front wheel is above the ground: past the end of its travel, or for a front end without
// travel, higher above the ground than its tyre gives.
bool FrontWheelInAir();

}  // namespace kestrelon
