#pragma once
// Torque converter coefficients: how much torque the converter absorbs at a given engine speed,
// fitted so that it holds the engine at its stall speed and slips by the rated amount at the
// top of the curve.

#include <optional>

#include "core/numbers.h"

namespace kestrelon {

// The day's air density over standard air; standard (1) until the weather has been entered.
Single AirDensityOrStandard();

// Engine torque of a curve row in newton-metres, corrected for the day's air; a stage's column
// below its first point reads the engine's own curve, as the run does.
Single CorrectedTorqueNm(int column, int row);

struct ConverterCoefficients {
  Single StallTorque = 0;  // N m at the stall row
  Single K = 0;
  Single CurveA = 0;
  Single CurveB = 0;
  Single CurveC = 0;
};

// From the stall row and the slip fraction, against the engine curve of the stage in force in
// first gear (at stall) and in top gear (at MaxRPMIndex), corrected for the day's air. Before the
// weather is entered the air counts as standard. No value when the top-gear curve holds no torque
// at MaxRPMIndex: nothing could be fitted.
std::optional<ConverterCoefficients> CalcConverterCoefficients(Integer stallRow, Single slip);

}  // namespace kestrelon
