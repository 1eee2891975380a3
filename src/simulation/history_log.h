#pragma once
// The history log: a ring of 500 lines holding, for each logged run, the vehicle settings and
// engine peaks changed since the last logged run, and the run's timing ticket.

#include <string>

namespace kestrelon {

// Appends a line; once the ring is full each line overwrites the oldest.
void AddHistoryLine(const std::string& LineText);

// Lines for every vehicle item and engine peak that changed since the last logged run.
void LogChanges();

// The timing ticket of the run, then a rule; the present settings become the last logged ones.
void LogRunResults();

}  // namespace kestrelon
