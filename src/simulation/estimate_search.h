#pragma once
// The power estimate search: repeated runs of the vehicle, each compared with the timing ticket
// the racer measured at the strip, changing drag, grip, power or gearing by fixed rules until
// the simulated ticket matches within the tolerance; then the results window, and the changes
// kept or put back as the racer chose there.

#include <functional>

namespace kestrelon {

// How a search ended, for the estimate dialog that started it.
enum class EstimateEnd {
  Stopped,    // a run fell short of the reference distance or its trap, or could not be
              // simulated, or a change left a figure no number (or a torque no power file
              // holds, or a curve the clutch cannot be worked out for): its message was shown;
              // or there was no completed run to start from
  Cancelled,  // the racer stopped it between two attempts, or changed the vehicle then
  Finished,   // the results window's Finish
  Retry,      // the results window's Retry: the dialog stays open for another try
};

// Searches with the targets, switches, attempts and tolerance of the estimate state, starting
// from the current model and its completed run (RunDone True; without one it does nothing).
// stopRequested is asked after each attempt, once pending window events have run: true ends
// the search there. A stopped or cancelled search puts every quantity it may change, and the
// run from before it, back as they were and shows no results; but a vehicle changed or brought
// in by those window events is left as they left it.
EstimateEnd EstimatePowerSearch(const std::function<bool()>& stopRequested = {});

}  // namespace kestrelon
