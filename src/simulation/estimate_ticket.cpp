#include "simulation/estimate_ticket.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/menu_gating.h"
#include "core/state.h"
#include "core/units.h"
#include "platform/ui_seam.h"
#include "simulation/launch_setup.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

constexpr const char* Title = "Estimate horsepower";
constexpr Single DefaultError = 2;
constexpr Integer DefaultAttempts = 20;
constexpr double MaxError = 20;
constexpr double MaxAttempts = 100;

EstimateCheck Refuse(EstimateField field, const std::string& message) {
  ui().MsgBox(message, Msg::OKOnly | Msg::Question, Title);
  return {false, field};
}

std::string TimeText(Single time) { return time == 0 ? std::string() : GeneralNumber(time); }

std::string SpeedText(Single speed) {
  return speed == 0 ? std::string() : GeneralNumber(speed / S.SpeedFactor) + S.SpeedUnit;
}

// A target trap speed: checked only when its box is not blank, and only with its time.
struct SpeedCheck {
  const std::string& text;
  double time;
  EstimateField timeField, speedField;
  const char* withoutTime;
  const char* bad;
};

// The speed in m/s (0 for a blank box), or the refusal.
std::optional<EstimateCheck> ReadSpeed(const SpeedCheck& c, Single& speed) {
  speed = 0;
  if (Trim(c.text).empty()) return std::nullopt;
  if (c.time == 0) return Refuse(c.timeField, c.withoutTime);
  speed = ParseValueWithUnits(c.text, "speed");
  if (!(speed > 0) || S.UnitsParseOK == 0) return Refuse(c.speedField, c.bad + S.UnitsErrorText);
  return std::nullopt;
}

}  // namespace

EstimateBoxes FillEstimateBoxes() {
  if (!(S.EstError > 0 && S.EstError <= MaxError)) S.EstError = DefaultError;
  if (S.EstNumber < 1 || S.EstNumber > MaxAttempts) S.EstNumber = DefaultAttempts;
  EstimateBoxes b;
  b.EstGearAdjust = S.EstGearAdjust != False;
  b.EstCDAdjust = S.EstCDAdjust != False;
  b.EstMUAdjust = S.EstMUAdjust != False;
  b.EstBHPAdjust = S.EstBHPAdjust != False;
  b.EstError = GeneralNumber(S.EstError);
  b.EstNumber = std::to_string(S.EstNumber);
  b.Est60time = TimeText(S.Est60time);
  b.Est330time = TimeText(S.Est330time);
  b.Est660time = TimeText(S.Est660time);
  b.Est1320time = TimeText(S.Est1320time);
  b.Est660speed = SpeedText(S.Est660speed);
  b.Est1320speed = SpeedText(S.Est1320speed);
  return b;
}

EstimateCheck AcceptEstimateBoxes(const EstimateBoxes& b) {
  // As the menu command refuses: the dialog may stay open after its vehicle's run is gone.
  if (!CommandAllowed(MenuCommand::CalcEstimate)) return {false, EstimateField::None};
  S.EstCDAdjust = ToFlag(b.EstCDAdjust);
  S.EstBHPAdjust = ToFlag(b.EstBHPAdjust);
  S.EstMUAdjust = ToFlag(b.EstMUAdjust);
  S.EstGearAdjust = ToFlag(b.EstGearAdjust);
  if (!(b.EstCDAdjust || b.EstBHPAdjust || b.EstMUAdjust || b.EstGearAdjust))
    return Refuse(EstimateField::EstBHPAdjust, "There is nothing for Kestrelon to adjust!");

  const double t60 = LeadingNumber(b.Est60time);
  const double t330 = LeadingNumber(b.Est330time);
  const double t660 = LeadingNumber(b.Est660time);
  const double t1320 = LeadingNumber(b.Est1320time);
  if (t1320 == 0 && t660 == 0)
    return Refuse(EstimateField::Est1320time, "You must give at least a 1/4 mile or 1/8 mile time");
  // A time cannot be negative, nor past a Single; the ratios the search forms from it would make
  // no sense.
  const struct {
    double time;
    EstimateField field;
    const char* message;
  } times[] = {{t60, EstimateField::Est60time, "Bad 60ft time"},
               {t330, EstimateField::Est330time, "Bad 330ft time"},
               {t660, EstimateField::Est660time, "Bad 1/8 mile time"},
               {t1320, EstimateField::Est1320time, "Bad 1/4 mile time"}};
  for (const auto& t : times)
    if (t.time < 0 || !FitsSingle(t.time)) return Refuse(t.field, t.message);

  // A target speed needs the run to pass its trap: the simulated time must cover the slower of
  // the target and the last run there.
  CalcTimingPoints();
  double slowest = 0;
  Single v1320 = 0, v660 = 0;
  if (auto r = ReadSpeed({b.Est1320speed, t1320, EstimateField::Est1320time, EstimateField::Est1320speed,
                          "Cannot use 1/4 mile speed without time", "Bad 1/4 mile speed "},
                         v1320))
    return *r;
  if (v1320 > 0) slowest = std::max<double>(t1320, S.Time1320ft);
  if (auto r = ReadSpeed({b.Est660speed, t660, EstimateField::Est660time, EstimateField::Est660speed,
                          "Cannot use 1/8 mile speed without time", "Bad 1/8 mile speed "},
                         v660))
    return *r;
  if (v660 > 0) slowest = std::max<double>(t660, S.Time660ft);

  const double error = LeadingNumber(b.EstError);
  if (!(error > 0 && error <= MaxError))
    return Refuse(EstimateField::EstErrSpin, "Error percentage must be between 0 and 20");
  const double attempts = RoundHalfEven(LeadingNumber(b.EstNumber));
  if (!(attempts >= 1 && attempts <= MaxAttempts))
    return Refuse(EstimateField::EstNumber, "Cannot have less than 1 or more than 100 tries");

  // The smallest even number of seconds above the rounded slowest time; never lowered.
  double time = S.LaunchTime;
  const double needed = 2 * std::floor(RoundHalfEven(slowest) / 2) + 2;
  if (S.LaunchTime < needed) {
    time = needed;
    if (ExceedsStepLimit(time) && !OfferLongestTime(time)) return {false, EstimateField::None};
  }

  S.EstError = static_cast<Single>(error);
  S.EstNumber = static_cast<Integer>(attempts);
  S.Est1320time = static_cast<Single>(t1320);
  S.Est660time = static_cast<Single>(t660);
  S.Est330time = static_cast<Single>(t330);
  S.Est60time = static_cast<Single>(t60);
  S.Est1320speed = v1320;
  S.Est660speed = v660;
  if (time > S.LaunchTime) SetLaunchTime(static_cast<Single>(time));
  return {true, EstimateField::None};
}

}  // namespace kestrelon
