#pragma once
// The order in which a vehicle's sections are entered, and the guard before a run.
//
//   RunSimulationCheck  names the first section a run still lacks, or opens the run set-up.
//   RunSimulationReady  the same check without the opening; false when it named a section.
//                       It also asks for the nitrous and throttle sections where the vehicle
//                       has something to enter there, and opens their forms.
//   DataFormsSequence   opens the first data form whose section is missing, one per call; each
//                       accepted form calls it again while DataSequence is on. With AutoAccept
//                       on the forms are only loaded and accept themselves, so a stored vehicle
//                       becomes a model without a window (the forms' loads nest).
//   InputData           the engine curves first (no nitrous, then both stages), the throttle
//                       stops, then the chain of data forms. A curve entered on the graph
//                       ends the call: the graph's OK carries the entry on, also when the
//                       graph was waited for, so each step has one caller.
//   InputDataResume     carries on with InputData's last arguments after a curve or the
//                       throttle form.

#include <functional>

#include "core/numbers.h"

namespace kestrelon {

void RunSimulationCheck();
bool RunSimulationReady();
void DataFormsSequence();
void InputData(Integer CurveEntryMode, Integer AskAllStages);
void InputDataResume();

// True when a throttle-stop text, items (9,4) to (9,12), is given.
bool ThrottleStopsGiven();

// Called when a data form that stopped the automatic pass for correction is cancelled, so that
// whoever waits for the pass (the command-line run) learns that it will not complete.
extern std::function<void()> AutomaticPassAbandoned;

// Fills the main window's Calculate > Run Simulation hook.
void RegisterEntryCommands();

}  // namespace kestrelon
