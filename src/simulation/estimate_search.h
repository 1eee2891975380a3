#pragma once
// The power estimate search: repeated runs of the vehicle, each compared with the timing ticket
// the racer measured at the strip, changing drag, grip, power or gearing by fixed rules until
// the simulated ticket matches within the tolerance; then the results window, and the changes
// kept or put back as the racer chose there.

#include <functional>

namespace kestrelon {

// How a search ended, for the estimate dialog that started it.
enum class EstimateEnd {
  Stopped,    // a run fell short of the reference distance or its trap: the message was shown
  Cancelled,  // the racer stopped it between two attempts
  Finished,   // the results window's Finish
  Retry,      // the results window's Retry: the dialog stays open for another try
};

// Searches with the targets, switches, attempts and tolerance of the estimate state, starting
// from the current model; a run must exist. stopRequested is asked after each attempt, once
// pending window events have run: true ends the search there. A stopped or cancelled search
// puts every quantity it may change back as it was and shows no results.
EstimateEnd EstimatePowerSearch(const std::function<bool()>& stopRequested = {});

}  // namespace kestrelon
