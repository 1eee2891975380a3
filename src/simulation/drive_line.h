#pragma once
// The drive line in a step: traction limit, the engine coupled to the drive line, the top-speed
// hold, engine torque through the clutch or converter to the wheels, and the driven wheel, the
// front wheel and the vehicle moved on by one step.

namespace kestrelon {

struct RunContext;

// Leaves the net propulsive force in DriveForce and moves the vehicle on by one step; a vehicle
// in a gear above the gearbox stands and is not moved.
void DriveLinePhase(RunContext& __restrict c);

}  // namespace kestrelon
