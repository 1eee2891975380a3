#pragma once
// Storing the run's state as one recorded point of the current run.

namespace kestrelon {

// Stores the present run state into point LoopIndex (held within 0..1000) of the current run of
// every channel and makes it the last point.
void RecordRunPoint();

// Notes the set-up the run's points are about to be recorded with (RecordedWith), with the
// launch rpm and staging distance as typed for its report: the set-up may change before the
// next run, while the points are still read as they were recorded.
void NoteRecording();

}  // namespace kestrelon
