#pragma once
// The drive line in a step: traction limit, the engine coupled to the drive line, the top-speed
// hold, engine torque through the clutch or converter to the wheels, and the driven wheel, the
// front wheel and the vehicle moved on by one step.

namespace kestrelon {

struct RunContext;

// Returns false when the vehicle stands (a gear above the gearbox) and speed is not integrated.
bool DriveLinePhase(RunContext& c);

}  // namespace kestrelon
