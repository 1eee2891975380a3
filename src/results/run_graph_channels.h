#pragma once
// The display values of one trace for one recorded run: each of the 25 traces is a recorded
// channel converted into the display units (speeds, lengths, forces, percentages, rpm), with
// the title and unit text the graph prints beside it.

#include <array>
#include <string>

#include "core/numbers.h"
#include "core/state/run_state.h"

namespace kestrelon {

using ChannelPoints = std::array<Single, RunPoints>;

struct ChannelText {
  std::string title;
  std::string unit;
};

// The last recorded point of a series: the current run's PointCount, the baseline's own count.
int SeriesPointCount(int series);

// Fills points 0..SeriesPointCount(series) of `values` with trace `traceId` of that series and
// gives its title and unit; any id outside 1..25 gives zeros and empty texts.
ChannelText SetupChannels(int traceId, int series, ChannelPoints& values);

}  // namespace kestrelon
