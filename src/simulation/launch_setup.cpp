#include "simulation/launch_setup.h"

#include <cmath>
#include <string_view>

#include "core/state.h"
#include "core/units.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

constexpr const char* Title = "Performance Calculation";
constexpr int MaxSteps = 30000;           // recorded points and steps the run can hold
constexpr double DefaultTrapLength = 18.29;  // m, a 60 ft trap
constexpr double MaxTrapLength = 50;      // m
constexpr double MaxFinishHeight = 402;   // m
constexpr double QuarterMile = 402.34;    // m

std::string& LaunchItem(int item) { return S.VehicleData[4][static_cast<std::size_t>(item)]; }

bool IsEmpty(std::string_view text) { return Trim(text).empty(); }

Integer PositionOf(std::string_view code) {
  const std::string c = Trim(code);
  if (c == "1") return 1;
  if (c == "2") return 2;
  return 0;  // "0" and anything else: before the line
}

// The values read so far; stored only once every box has been accepted.
struct LaunchValues {
  Single throttle = 0, risetime = 0, stage = 0, slope = 0;
  Integer rpmRow = 0;
  double time = 0;
  double trap8 = 0, trap4 = 0;
};

LaunchCheck Refuse(LaunchField field, const std::string& message) {
  ui().MsgBox(message, Msg::OKOnly | Msg::Question, Title);
  return {false, field};
}

// A trap length in metres, or nothing when it is outside (0, 50 m]. A unit the parser rejects
// leaves the bare number, which counts as metres.
bool ReadTrap(const std::string& text, double& length) {
  if (IsEmpty(text)) {
    length = DefaultTrapLength;
    return true;
  }
  length = ParseValueWithUnits(text, "length");
  return length > 0 && length <= MaxTrapLength;
}

}  // namespace

std::string GeneralNumber(Single value) {
  std::string text = NumText(value);
  if (text.starts_with(".")) text.insert(0, "0");
  if (text.starts_with("-.")) text.insert(1, "0");
  return text;
}

void SetLaunchTime(Single time) {
  S.LaunchTime = time;
  S.PointSpacing = time / 1000;
}

bool ExceedsStepLimit(double time) { return S.StepsPerSecond * time > MaxSteps; }

bool OfferLongestTime(double& time) {
  time = static_cast<double>(MaxSteps / S.StepsPerSecond);
  const std::string shown = GeneralNumber(static_cast<Single>(time));
  return ui().MsgBox("Maximum calculation time is " + shown + " seconds. Do you want to continue?",
                     Msg::YesNo | Msg::Question, Title) != Msg::No;
}

void OpenLaunchSetup(LaunchBoxes& boxes) {
  S.StepsPerSecond = 500;
  if (S.CalcRequested != False) {
    boxes.LaunchThrottle = LaunchItem(1);
    boxes.LaunchRPM = LaunchItem(3);
    boxes.LaunchTime = LaunchItem(4);
    boxes.LaunchStage = LaunchItem(5);
    boxes.LaunchHeight = LaunchItem(7);
    boxes.Launch8Trap = LaunchItem(9);
    boxes.Launch4Trap = LaunchItem(11);
    // The rise time shown is never longer than the clutch's initial engagement while traction
    // control or the automatic clutch controls the launch.
    boxes.LaunchRisetime = LaunchItem(2);
    if (S.ClutchEngageInitial > 0 && (S.UseTraction != False || S.ClutchFeatherFlag != False) &&
        LeadingNumber(LaunchItem(2)) > S.ClutchEngageInitial)
      boxes.LaunchRisetime = GeneralNumber(S.ClutchEngageInitial);
    if (boxes.Launch8Trap.empty()) boxes.Launch8Trap = "66ft";
    if (boxes.Launch4Trap.empty()) boxes.Launch4Trap = "66ft";
    boxes.Trap8Position = PositionOf(LaunchItem(10));
    boxes.Trap4Position = PositionOf(LaunchItem(12));
    S.CalcRequested = False;
  }
  const double rpm = LeadingNumber(boxes.LaunchRPM);
  const long highest = S.MaxRPMIndex * 100L;
  const long lowest = S.MinRPMIndex * 100L;
  if (rpm > highest)
    boxes.LaunchRPM = std::to_string(highest);
  else if (rpm < lowest)
    boxes.LaunchRPM = std::to_string(lowest);
}

LaunchCheck AcceptLaunchSetup(LaunchBoxes& boxes) {
  LaunchValues v;

  // A figure past a Single reads as none, which both boxes refuse.
  const double throttle = LeadingNumber(boxes.LaunchThrottle);
  v.throttle = FitsSingle(throttle) ? static_cast<Single>(throttle / 100) : 0;
  if (!(v.throttle > 0)) return Refuse(LaunchField::LaunchThrottle, "Invalid throttle opening");

  const double risetime = LeadingNumber(boxes.LaunchRisetime);
  v.risetime = FitsSingle(risetime) ? static_cast<Single>(risetime) : 0;
  if (!(v.risetime > 0)) return Refuse(LaunchField::LaunchRisetime, "Invalid opening time");

  // The row is checked before it becomes a whole number, so no rpm can overflow it.
  const double row = RoundHalfEven(LeadingNumber(boxes.LaunchRPM) / 100);
  if (!(row >= S.MinRPMIndex && row <= S.MaxRPMIndex))
    return Refuse(LaunchField::LaunchRPM, "Invalid launch RPM");
  v.rpmRow = static_cast<Integer>(row);

  // Whole seconds, made even so that the steps divide into the recorded points.
  v.time = std::floor(LeadingNumber(boxes.LaunchTime));
  if (!(v.time > 0)) return Refuse(LaunchField::LaunchTime, "Invalid analysis time");
  if (std::fmod(v.time, 2) == 1) v.time += 1;

  if (!IsEmpty(boxes.LaunchStage)) {
    v.stage = ParseValueWithUnits(boxes.LaunchStage, "length");
    if (!(v.stage > 0) || S.UnitsParseOK == 0)
      return Refuse(LaunchField::LaunchStage, "Invalid staging distance " + S.UnitsErrorText);
  }

  if (!IsEmpty(boxes.LaunchHeight)) {
    const Single height = ParseValueWithUnits(boxes.LaunchHeight, "length");
    if (!(std::fabs(height) <= MaxFinishHeight) || S.UnitsParseOK == 0)
      return Refuse(LaunchField::LaunchHeight, "Invalid finish height " + S.UnitsErrorText);
    v.slope = static_cast<Single>(height / QuarterMile);
  }

  if (!ReadTrap(boxes.Launch8Trap, v.trap8))
    return Refuse(LaunchField::Launch8Trap, "Invalid speed trap length " + S.UnitsErrorText);
  if (!ReadTrap(boxes.Launch4Trap, v.trap4))
    return Refuse(LaunchField::Launch4Trap, "Invalid speed trap length " + S.UnitsErrorText);

  // The run holds at most MaxSteps steps; a longer time is offered the longest allowed. No
  // keeps that time as the analysis time and stores nothing else: the next run records its
  // points at the spacing it plans for itself.
  if (ExceedsStepLimit(v.time)) {
    if (!OfferLongestTime(v.time)) {
      S.LaunchTime = static_cast<Single>(v.time);
      return {false, LaunchField::None};
    }
    boxes.LaunchTime = GeneralNumber(static_cast<Single>(v.time));
  }

  S.LaunchThrottle = v.throttle;
  S.LaunchRisetime = v.risetime;
  S.LaunchRPM = v.rpmRow;
  SetLaunchTime(static_cast<Single>(v.time));
  S.LaunchStage = v.stage;
  S.TrackSlope = v.slope;
  S.Trap8Length = v.trap8;
  S.Trap4Length = v.trap4;
  S.Trap8Position = boxes.Trap8Position == NoTrapPosition ? Integer{0} : boxes.Trap8Position;
  S.Trap4Position = boxes.Trap4Position == NoTrapPosition ? Integer{0} : boxes.Trap4Position;

  LaunchItem(1) = boxes.LaunchThrottle;
  LaunchItem(2) = boxes.LaunchRisetime;
  LaunchItem(3) = boxes.LaunchRPM;
  LaunchItem(4) = boxes.LaunchTime;
  LaunchItem(5) = boxes.LaunchStage;
  LaunchItem(7) = boxes.LaunchHeight;
  LaunchItem(9) = boxes.Launch8Trap;
  LaunchItem(10) = std::to_string(S.Trap8Position);
  LaunchItem(11) = boxes.Launch4Trap;
  LaunchItem(12) = std::to_string(S.Trap4Position);
  return {true, LaunchField::None};
}

}  // namespace kestrelon
