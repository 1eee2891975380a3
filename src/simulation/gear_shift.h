#pragma once
// Upshifts during a run, one gear at a time: by time, by engine speed, at the top of the curve,
// on the rev limiter, or as soon as the next gear accelerates at least as hard. Also the
// overall ratio of a gear over the rolling radius of a growing tyre.

#include "core/numbers.h"

namespace kestrelon {

// Decides whether the upshift happens now and keeps the state of a shift under way. Forced is
// not 0 when the vehicle pitches over its wheelie limit.
void TestGearShift(Integer Forced);

// Effective overall ratio of gear GearIndex at EngineRPM (rpm) with tyre growth; sets TyreRadius
// when the tyre grows.
Single GearingWithGrowth(Single EngineRPM, Integer GearIndex);

// The same ratio without touching the shared state, with the grown rolling radius it folds in.
// Grown is false when the tyre does not grow in that gear: the ratio is then the gear's overall
// ratio and Radius is left 0.
struct GrownGearing {
  Single Ratio = 0;
  Single Radius = 0;
  bool Grown = false;
};
GrownGearing GearingWithGrowthOf(Single EngineRPM, Integer GearIndex);

}  // namespace kestrelon
