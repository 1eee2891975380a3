#pragma once
// Storing the run's state as one recorded point of the current run.

namespace kestrelon {

// Stores the present run state into point LoopIndex (held within 0..1000) of the current run of
// every channel and makes it the last point.
void RecordRunPoint();

}  // namespace kestrelon
