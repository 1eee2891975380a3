#pragma once
// The power file (*.VCD): an optional "//*" description line, then for each of the three
// curve columns an optional "///*" title line and the 200 torque values of rows 1..200.

#include <optional>
#include <string>

#include "core/numbers.h"
#include "files/text_file.h"

namespace kestrelon {

// Reads the power file at path into the curve model, derives the span from the no-nitrous
// curve (which ends there; the nitrous curves are kept whole), rebuilds the peak summary and
// clamps the rev limit. A value line that is not a number, a torque beyond
// MaxFileTorque either way, a misplaced title or a file that ends early rejects the file with a message: the curves in memory then stay as they
// were and LoadFailed is set.
void LoadPowerFile(const std::string& path);

// The content of a power file holding the three curve columns, with DataDescription as its
// description (which becomes PowerFileDescription); rows above LastWrittenRow are written as 0.
// Nothing, and nothing changed, when a row it would write holds a torque that its reader
// refuses: the file would never read back.
std::optional<std::string> PowerFileContent();

// How a curve that a power file cannot hold is told as the save's failure.
FileWriteResult CurveBeyondPowerFile();

// The last row of a curve column that a power file holds: MaxRPMIndex for the no-nitrous curve,
// where its reader ends the span, and the top row for a nitrous curve, kept whole.
int LastWrittenRow(int column);

// Writes PowerFileContent to a power file at path; a curve it cannot hold writes nothing.
FileWriteResult WritePowerFile(const std::string& path);

// The largest torque a power file may hold, in lb-ft: anything beyond is no engine's.
inline constexpr Single MaxFileTorque = 1e7f;

// True when a power file can hold the torque: a number no larger than any engine's.
bool PowerFileHolds(Single torque);

// True when every row of the column that a power file holds is a torque it can hold.
bool PowerFileHoldsColumn(int column);

// A torque as the power file holds it: a blank before a value that is not negative, "." as
// the decimal point, no 0 before it, at most 7 significant digits, never an exponent, and
// " 0" for zero of either sign.
std::string CurveValueText(Single value);

}  // namespace kestrelon
