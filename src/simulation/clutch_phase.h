#pragma once
// The clutch or torque converter in a step: engagement by time (backed off against wheelspin by
// an automatic clutch), torque capacity by clutch type, shift opening and fade, and the engine
// running up or down against that capacity.

namespace kestrelon {

struct RunContext;

// Leaves the transmitted torque in CrankTorque and the extra torque of a slowing crank in
// the context's ClutchDrag.
void ClutchPhase(RunContext& __restrict c);

}  // namespace kestrelon
