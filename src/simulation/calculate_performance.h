#pragma once
// One standing-start run of the vehicle in the shared model, in fixed time steps from the launch
// to the end of the analysis time, recorded at up to 1001 points.

#include "core/numbers.h"

namespace kestrelon {

// Runs one simulation; ShowProgress not 0 shows the progress window while it runs. At its end
// the result windows show it (ShowRunResults); an attempt of the power estimate's search shows it
// in the run graph only (ShowRunInGraph). Does nothing while a run is already being calculated.
void CalculatePerformance(Integer ShowProgress, bool searchAttempt = false);

}  // namespace kestrelon
