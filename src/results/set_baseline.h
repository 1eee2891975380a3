#pragma once
// Set Baseline: the last run, the vehicle texts and the engine curves that produced it become
// the baseline that the run graph draws beside later runs and that File > Reload Baseline
// Data puts back.

namespace kestrelon {

void SetBaseline();

}  // namespace kestrelon
