#pragma once
// One attempt of the power estimate measured against the racer's timing ticket: which distance
// is the reference, the ratios of the target figures to the simulated ones, whether they match
// within the tolerance, and the one change of drag, grip, power or gearing the rules make when
// they do not.

#include <string>

#include "core/numbers.h"

namespace kestrelon {

// Target over simulated figure; 1 where there is no target.
struct EstimateRatios {
  double Rt = 1;    // time at the reference distance
  double Rv = 1;    // trap speed at the reference distance
  double R60 = 1;
  double R330 = 1;
  bool has60 = false;   // a 60 ft target time was given
  bool has330 = false;  // a 330 ft target time was given
};

// The 1/8 mile is the reference only when no 1/4 mile target time is given.
bool EighthMileIsReference();

// The reference distance's simulated time and trap speed (display unit) of the last run's
// timing results, and its target time and speed (m/s).
struct ReferenceFigures {
  Single runTime, runSpeed, targetTime, targetSpeed;
};
ReferenceFigures ReferenceOfLastRun();

// The ratios of the last run's timing results against the targets. The run must have reached
// the reference distance, and its trap speed be known when a target speed is given.
EstimateRatios RatiosOfLastRun();

// Within 1 - e .. 1 + e of 1, e being EstError percent; the wide band is twice as wide.
bool InsideTolerance(double ratio);
bool InsideWideTolerance(double ratio);
// Time, speed, 60 ft and 330 ft ratios all inside the tolerance.
bool TicketMatches(const EstimateRatios& r);

enum class EstimateQuantity { None, Grip, Gearing, Drag, Power };

// The quantity to change and the factor it is multiplied by.
struct EstimateChange {
  EstimateQuantity quantity = EstimateQuantity::None;
  double factor = 1;
};

// What the rules change after a run that did not match: from the ratios, the run's grip and
// gearing verdicts (EstGripHint, EstGearingHint) and the adjust switches. At most one quantity.
EstimateChange ChooseEstimateChange(const EstimateRatios& r);

// Makes the change in the model: grip is TyreMu; drag is AeroCD with its drag factor; power
// goes through ScalePowerCurve; gearing is the final drive, with every gear's overall ratio and
// tyre-growth speed worked out from it. Grip, drag and the final drive are held as their vehicle
// items give them back once kept, so that each attempt runs the vehicle the search would leave.
void ApplyEstimateChange(const EstimateChange& change);

// AeroCD and the drag factor the run uses, which follows it.
void SetDragCoefficient(Single cd);

// The text a kept drag coefficient, grip or final drive is written as in its vehicle item:
// plain decimal, never an exponent, seven significant digits, no blank.
std::string KeptItemText(Single value);
// Each figure as that text gives it back through its item's reading rule: the drag coefficient
// with its drag factor; the final drive with every gear's overall ratio and growth speed. A text
// read back as 0 or below, which the figure's form refuses, leaves the figure as it was.
void HoldDragCoefficient(Single cd);
void HoldGrip(Single mu);
void HoldFinalDrive(Single ratio);

}  // namespace kestrelon
