#pragma once
// The curve manipulations: what the manipulation dialog decides (an action with its factor,
// amount, shift and rpm range) and the operations that carry it out on the edited column of the
// torque curve. The compression and boost factors and the range check are plain functions, so
// the dialog only reads its fields and shows the refusals.

#include <optional>
#include <string>

#include "core/numbers.h"

namespace kestrelon {

// What an accepted manipulation asks the graph window to do.
struct ManipulationRequest {
  Integer ManipulateOK = False;
  std::string ManipAction;  // "FILL", "SHIFT", "MULTIPLY", "ADD", "ADDTORQUE" or "" (redraw)
  Single ManipFactor = 1;
  Single ManipAddAmount = 0;  // BHP, may be negative
  Integer ManipShiftRPM = 0;  // negative for a shift down
};

// The torque factor of a change of compression ratio, both ratios 2..30.
Single CompressionFactor(Single oldCR, Single newCR);
inline bool CompressionRatioValid(Single cr) { return cr >= 2 && cr <= 30; }

// The torque factor of a change of boost (Pa above the ambient pressure, Pa): the ratio of the
// charge densities after an intercooler-less compression. The ambient temperature cancels out
// of the ratio, so it is not needed (and 0 degrees C divides by nothing).
Single BoostFactor(Single ambientPa, Single oldBoostPa, Single newBoostPa);

// The power in BHP that a torque in N m gives at the top row of the curve.
Single TorqueToTopRowBHP(Single torqueNm, Integer maxRPMIndex);

// The range check of the dialog: both fields' numbers (rpm, 0 when the field is empty) against
// the curve's span. A field outside the span is named in the refusal text; an empty field
// means the span's end.
struct RangeCheck {
  std::string message;  // the refusal, "" when none
  bool lowField = false;  // the refusal concerns the Low RPM field (else High RPM)
  bool ok = false;        // accepted: low..high set
  Integer low = 0, high = 0;
};
RangeCheck CheckRPMRange(bool lowEmpty, Integer low, bool highEmpty, Integer high,
                         Integer minRPMIndex, Integer maxRPMIndex);

// True when a peak power plus an amount (or times a factor) passes 19999 BHP, in single
// precision.
bool ExceedsMaximumPower(Single peak, Single added);
bool ExceedsMaximumPowerByFactor(Single peak, Single factor);

// The maximum-rpm change: the new top row for a typed rpm, or nothing when the row would lie
// below MinRPMIndex or above row 200.
std::optional<Integer> MaxRPMRowFor(double typedRPM, Integer minRPMIndex);

// The four operations on column PowerCurveIndex over rows LowRPM \ 100 .. HighRPM \ 100.
// Each raises CurvePeakValue to the column's scale top when it may have raised the curve.
void AddPowerRange(Single addBHP);
void AddTorqueRange(Single addBHP);
void MultiplyCurve(Single factor);
void ShiftCurve(Integer shiftRPM);

}  // namespace kestrelon
