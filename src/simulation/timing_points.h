#pragma once
// The timing ticket from the recorded run: rollout, the 60, 330, 660 and 1320 ft times, the
// speeds at 60 ft, 330 ft and the spot distance, and the speed-trap speeds.

#include "core/numbers.h"

namespace kestrelon {

// Time after point PointIndex - 1 at which the run reached TargetDistance, PointIndex being the
// first point at or beyond it (1..1000).
Single TimeToDistance(Single TargetDistance, Integer PointIndex);

// Recomputes every timing result from the current run's recorded points.
void CalcTimingPoints();

}  // namespace kestrelon
