#pragma once
// The run set-up: the launch and track settings of the current vehicle (group 4 of the vehicle
// texts) as the dialog shows them, their checks, and what an accepted set-up stores: the numeric
// run settings the run reads and the texts written back into the vehicle.

#include <string>

#include "core/numbers.h"

namespace kestrelon {

// The texts of the dialog's boxes and its two trap position choices.
struct LaunchBoxes {
  std::string LaunchThrottle;  // percent
  std::string LaunchRisetime;  // s
  std::string LaunchRPM;
  std::string LaunchTime;      // analysis time, s
  std::string LaunchStage;     // staging distance, with a unit
  std::string LaunchHeight;    // finish height above the start, with a unit
  std::string Launch8Trap;     // trap lengths, with a unit
  std::string Launch4Trap;
  // 0 before, 1 straddling, 2 after the timing line; NoTrapPosition when no option is chosen.
  Integer Trap8Position = 0;
  Integer Trap4Position = 0;
};

inline constexpr Integer NoTrapPosition = -1;

// The boxes in the order they are checked; the first refused one takes the focus.
enum class LaunchField {
  None,
  LaunchThrottle,
  LaunchRisetime,
  LaunchRPM,
  LaunchTime,
  LaunchStage,
  LaunchHeight,
  Launch8Trap,
  Launch4Trap
};

// What the dialog does when it opens, apart from placing itself: the step rate becomes 500
// per second; when a refill is requested the boxes take the vehicle's texts (a trap left empty
// shows "66ft", the rise time is held to the clutch's initial engagement time while traction
// control or the automatic clutch is on) and the request is cleared; the launch rpm is then
// kept within the power curve.
void OpenLaunchSetup(LaunchBoxes& boxes);

// How Calculate's checks ended.
struct LaunchCheck {
  bool accepted = false;                 // everything stored: the run may start
  LaunchField refused = LaunchField::None;  // the box to correct, its message shown
};

// Reads and checks the boxes in order. The first refusal shows its message and stores nothing.
// An analysis time above the step limit asks whether to run the longest allowed time instead;
// No stores only that time as LaunchTime, Yes puts it into its box too. When accepted, the
// numeric run settings and the point spacing hold the set-up and the box texts are written back
// into the vehicle.
LaunchCheck AcceptLaunchSetup(LaunchBoxes& boxes);

// Stores the analysis time (s) with the time between its 1000 recorded points, LaunchTime / 1000,
// as an accepted set-up does.
void SetLaunchTime(Single time);

// The run holds at most 30000 steps: an analysis time (s) above that needs the question below.
bool ExceedsStepLimit(double time);
// Offers the longest analysis time the run holds: Yes sets time to it and gives true, No false.
bool OfferLongestTime(double& time);

// A number as the dialog shows it: no blank in front, "0.5" rather than ".5".
std::string GeneralNumber(Single value);

}  // namespace kestrelon
