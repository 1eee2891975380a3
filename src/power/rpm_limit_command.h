#pragma once
// The RPM limit command of the curve graph: arms the pick of a new rev limiter by a click on
// the graph, or, run again (after the pick or by the user), disarms it. Each turn says so in a
// plain message box.

#include "power/power_graph_state.h"

namespace kestrelon {

// Toggles RPMLimitMode; the caller shows the matching pointer (up arrow while armed).
void PowerManipulateRPMlimit(PowerGraphState& graph);

}  // namespace kestrelon
