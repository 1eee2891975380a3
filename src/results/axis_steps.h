#pragma once
// Grid divisions chosen from the axis step table (1, 2, 3, 4, 5 times each power of ten): the
// searches walk the table upwards. Past its last step they go on in the same pattern (each step
// ten times the one five before), so that whatever the model holds the grid has no more
// divisions than the picture allows. A maximum or an end that is not a number counts as 0.

#include "core/numbers.h"

namespace kestrelon {

struct AxisDivisions {
  Single step = 0;
  int count = 1;
};

// Vertical: the first step that needs at most `limit` divisions to reach `graphMax` (one
// division past it, the whole part of max / step + 1).
AxisDivisions VerticalDivisions(double graphMax, int limit);

// Horizontal: the first step that covers `end` in at most 12 x zoom divisions. At least one
// division, so an axis of length 0 still has a scale.
AxisDivisions HorizontalDivisions(double end, double zoom);

// The step that lets `count` divisions reach `channelMax`.
Single ChannelStep(int count, double channelMax);

}  // namespace kestrelon
