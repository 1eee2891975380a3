#pragma once
// The read-out under the mouse: the time or distance at a plot position and each channel's
// value there, interpolated between recorded points, with the baseline's value in brackets
// while the baseline is shown.

#include <array>
#include <optional>
#include <string>

#include "results/run_graph.h"

namespace kestrelon {

struct ReadOut {
  std::string position;  // "3.25 sec", or a distance with its unit
  std::array<std::string, GraphChannels + 1> values{};  // channel 1..4; empty past the last
};

// The read-out at plot x; nothing outside the recorded runs or before the graph is drawn.
std::optional<ReadOut> ReadOutAt(const RunGraph& graph, double x);

}  // namespace kestrelon
