#pragma once
// The box of timing figures in the run graph's lower right corner: rollout, 60, 330, 660 and
// 1320 ft times and speeds, the spot distance in its place among them, each followed by the
// baseline's figures in brackets while the baseline is shown.

#include <string>
#include <vector>

namespace kestrelon {

class Canvas;

// The box's lines in the order they are printed, from the timing results as they stand.
std::vector<std::string> PerfBoxLines();

// Recomputes the timing results and draws the box on the run graph's scale.
void DrawPerfBox(Canvas& pic);

}  // namespace kestrelon
