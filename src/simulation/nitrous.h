#pragma once
// Which nitrous stage is on, how the bottle pressure scales the nitrous share of the curve, and
// the power ratio that a nitrous flow gives an engine.

#include "core/numbers.h"

namespace kestrelon {

// The stage (0, 1 or 2) active in a gear at a run time; a time of 0 ignores the delays.
Integer NitrousStageAt(Integer Gear, Single Time);

// Factor on the nitrous share of the curve for the bottle pressure at a run time: the ratio of
// the bottle pressure to the curve's pressure, squared above 1. The bottle never reads below 0.
Single NitrousPressureFactorAt(Single Time);

// Power with the given nitrous flow over power without it; 0 when the ratio cannot be formed.
Single CalcNitrousPower(Single Capacity, Single Flow, Single VolEff, Single RPM);

}  // namespace kestrelon
