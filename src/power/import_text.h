#pragma once
// What the curve imports share in reading another program's export: numbers held inside the
// range of a Single, the power a reading gives, and the rule that an import takes only a curve
// the power file keeps.

#include <string>

#include "core/numbers.h"
#include "power/power_curve.h"

namespace kestrelon {

// A number read from a file, held inside the range of a Single.
Single ToSingle(double x);

// Power in BHP of a torque (lb-ft) at a row, worked in double precision: a peak that lands on a
// half (353.5 lb-ft at row 65 gives 437.5) rounds as the figures say, not as a Single would.
double ImportRowPower(int row, Single torque);

// The span of the no-nitrous curve that a power file written from the model now gives back: the
// file holds that curve up to MaxRPMIndex, and its reader ends it at its first empty row after a
// point.
CurveSpan ReadBackSpan();

// True when a power file written from the model now gives the same curves back: every row of the
// column that the file holds is a torque it can hold, and the no-nitrous curve has no point
// between the row where the file's reader ends it (its first empty row after a point) and
// MaxRPMIndex.
bool PowerFileKeepsCurve(int column);

// Makes the span after an import into the no-nitrous curve the one a power file saved now gives
// back, so that the import reopens as it was accepted: from the first row with a torque above 0
// to the row before the next empty one.
void TakeReadBackSpan();

// Tells the racer that an import brings no curve: "No data in file " and the file's name, under
// the import's own title.
void TellNoData(const std::string& fileName, const std::string& title);

// Refuses an import that brings no curve: TellNoData, and CancelFlag becomes 1.
void ShowNoData(const std::string& fileName, const std::string& title);

// Tells the racer that an import is refused: what (a line, a speed, the file) is followed by
// " contains invalid data - loading will be aborted".
void ShowInvalidImport(const std::string& what);

}  // namespace kestrelon
