#pragma once
// Engine torque: one row of the curve for a nitrous stage, and the torque of a step at the
// crank with throttle, rev limiter, air correction and ram air.

#include "core/numbers.h"

namespace kestrelon {

struct RunContext;

// Torque in lb-ft of curve column column at row row. A column at a row where it has no point (no
// torque above 0) reads the no-nitrous column there, so that a stage whose curve starts higher
// never takes the engine's torque away; outside the table, 0.
Single ColumnAt(int column, int row);

// Torque in lb-ft of curve row Row (0..201) for nitrous stage Stage (0..2) at the present run
// time.
Single EngineTorqueAt(Integer Stage, Integer Row);

// Sets CrankTorque for the step from the engine speed between curve rows, the throttle factor,
// the shift factor and the air; below the curve the torque falls linearly to 0 at 0 rpm.
void CrankTorquePhase(RunContext& __restrict c);

}  // namespace kestrelon
