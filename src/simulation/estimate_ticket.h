#pragma once
// The estimate dialog's contents: the timing ticket the racer types, what may be adjusted, the
// number of attempts and the tolerance; what the dialog shows of the estimate state, and the
// checks and storing of its OK.

#include <string>

namespace kestrelon {

struct EstimateBoxes {
  std::string Est60time, Est330time, Est660time, Est1320time;  // seconds
  std::string Est660speed, Est1320speed;                       // with a speed unit code
  bool EstGearAdjust = false, EstCDAdjust = false, EstMUAdjust = false, EstBHPAdjust = false;
  std::string EstNumber;  // attempts
  std::string EstError;   // tolerance, percent
};

// The controls a refused OK puts the focus on.
enum class EstimateField {
  None,
  EstBHPAdjust,
  Est60time,
  Est330time,
  Est660time,
  Est660speed,
  Est1320time,
  Est1320speed,
  EstErrSpin,
  EstNumber,
};

// The dialog's boxes from the estimate state: a target of 0 shows as an empty box, a target
// speed in the display unit with its code. A tolerance or number of attempts out of range is
// first set back to its start value (2 %, 20 attempts).
EstimateBoxes FillEstimateBoxes();

struct EstimateCheck {
  bool accepted = false;
  EstimateField refused = EstimateField::None;  // the control to correct, its message shown
};

// OK's checks in order; the first refusal shows its message and stores nothing beyond the
// adjust switches. Without a completed run (RunDone False) OK refuses as the menu command does,
// storing nothing; the other refusals have the title "Estimate horsepower". A blank or zero time is not given; a time below 0
// is refused. When accepted, the targets (speeds in m/s), attempts and tolerance are stored,
// and the analysis time is raised to the smallest even number of seconds above the slower of
// the target and the last run at a distance whose trap speed is a target. A raise beyond the
// run's step limit asks the run set-up's question: No stores nothing more and is not accepted.
EstimateCheck AcceptEstimateBoxes(const EstimateBoxes& boxes);

}  // namespace kestrelon
