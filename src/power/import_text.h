#pragma once
// What the curve imports share in reading another program's export: the file's bytes as they
// are, numbers held inside the range of a Single, the power a reading gives, and the rule that an
// import takes only a curve the power file keeps.

#include <string>

#include "core/numbers.h"
#include "power/power_curve.h"

namespace kestrelon {

// The whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// A number read from a file, held inside the range of a Single.
Single ToSingle(double x);

// Power in BHP of a torque (lb-ft) at a row, worked in double precision: a peak that lands on a
// half (353.5 lb-ft at row 65 gives 437.5) rounds as the figures say, not as a Single would.
double ImportRowPower(int row, Single torque);

// True when a power file can hold the torque: a number no larger than any engine's.
bool PowerFileHolds(Single torque);

// The span of the no-nitrous curve that a power file written from the model now gives back: the
// file holds 0 above MaxRPMIndex, and its reader ends the curve at its first empty row after a
// point (and every other curve with it).
CurveSpan ReadBackSpan();

// True when a power file written from the model now gives the same curve back: every row of
// the column up to MaxRPMIndex is a torque the file holds, and no column has a point above the
// row where the file's reader ends the no-nitrous curve (its first empty row after a point).
bool PowerFileKeepsCurve(int column);

// Tells the racer that an import is refused: what (a line, a speed, the file) is followed by
// " contains invalid data - loading will be aborted".
void ShowInvalidImport(const std::string& what);

}  // namespace kestrelon
