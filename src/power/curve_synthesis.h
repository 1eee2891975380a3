#pragma once
// A torque curve built from the quick entry's peak figures: a rise from the minimum rpm to the
// peak torque, a fall to the torque of peak power, and a smooth fall of power past the peak up
// to the top of the span. Power never exceeds the peak power.

namespace kestrelon {

// Writes the curve into the column from MinRPM, MaxTRPM/MaxTRQ, MaxPRPM/MaxBHP and MaxRPMIndex.
// Rows that no segment covers keep their values. Needs MaxPRPM > 0.
void SynthesizePowerCurve(int column);

}  // namespace kestrelon
