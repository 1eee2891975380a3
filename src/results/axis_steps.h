#pragma once
// The search for a graph axis' grid step in the axis-step table: the first step, from the table's
// second entry up, whose number of divisions |Int(top / step + 1)| is at most the target. The
// search stops at the table's last non-zero step, so no top, however large, runs past it.

#include "power/curve_graph_scale.h"

namespace kestrelon {

GridChoice SearchAxisSteps(double top, long target);

}  // namespace kestrelon
