#pragma once
// The curves the run uses, scaled as one: the power estimate raises or lowers the engine's
// power by a factor without moving its peaks.

#include "core/numbers.h"

namespace kestrelon {

// The highest curve column a run can switch on: the nitrous stage that the gears up to the top
// gear bring in, ignoring their delays (0 without nitrous).
Integer HighestCurveColumnInUse();

// Multiplies rows MinRPMIndex..MaxRPMIndex of every column up to HighestCurveColumnInUse, and
// each such column's peak torque and peak power, by Factor. The peak rows stay where they are
// and nothing else is recomputed.
void ScalePowerCurve(Single Factor);

}  // namespace kestrelon
