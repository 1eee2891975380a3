#pragma once
// A curve that a command stores in the vehicle is held in session as the vehicle's power file
// gives it back, so that the run in session is the run of the vehicle saved and opened again.

#include "core/numbers.h"

namespace kestrelon {

// A torque as the power file writes it and reads it back.
Single AsPowerFileReadsIt(Single torque);

// Leaves the column as its power file gives it back.
void StoreCurveColumn(int column);

}  // namespace kestrelon
