#pragma once
// One standing-start run of the vehicle in the shared model, in fixed time steps from the launch
// to the end of the analysis time, recorded at up to 1001 points.

#include "core/numbers.h"

namespace kestrelon {

// Runs one simulation; ShowProgress not 0 shows the progress window while it runs. At its end
// the result windows show it (ShowRunResults); an attempt of the power estimate's search shows it
// in the run graph only (ShowRunInGraph). A run that does not complete (cancelled, or a vehicle
// that cannot be simulated) shows the last completed run again, or, when there is none, leaves
// no run: the run graph and its display options close, the other result windows already open
// draw anew. Does nothing while a run is already being calculated. True when the run completed.
bool CalculatePerformance(Integer ShowProgress, bool searchAttempt = false);

// Tells the racer that the vehicle's numbers make no run ("This vehicle cannot be simulated").
void TellCannotBeSimulated();

}  // namespace kestrelon
