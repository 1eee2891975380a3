#pragma once
// The editing state of one open curve graph: whether its scales are valid, the range marks,
// the armed rev-limit pick, the held erase key, the accept in progress and the pointer's last
// row and value. The graph window keeps one; the curve commands and mouse edits work on it.

#include "core/numbers.h"

namespace kestrelon {

struct PowerGraphState {
  bool GraphReady = false;     // a paint has completed, so the scales are valid
  bool GraphPrinting = false;  // the paint draws for the printer (joined lines)
  Integer RangeMark1 = 0;      // rows marked as a manipulation range, 0 = none;
  Integer RangeMark2 = 0;      // when both are set RangeMark1 is the lower
  bool RPMLimitMode = false;   // the next left click sets the rev limiter
  bool EraseKeyHeld = false;   // E is held: the left button erases
  bool AcceptFromF2 = false;   // the accept keeps the window open and the sequence paused
  bool AcceptPending = true;   // no accept has completed yet
  Integer MouseRPMIndex = 0;   // row under the pointer at the last mouse event
  Single MouseValue = 0;       // value there, display torque units
};

}  // namespace kestrelon
