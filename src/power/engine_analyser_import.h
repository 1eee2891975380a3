#pragma once
// The Engine Analyser import: an engine analysis program's export, one reading a line (engine
// speed in rpm, then torque in lb-ft, separated by commas or by blanks), read into one column of
// the torque curve. The reading itself is a plain function over the file's bytes; the import
// checks the whole file before it writes anything, so a refused file leaves the curve as it was.

#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"

namespace kestrelon {

struct EngineAnalyserReading {
  Integer row = 0;  // rpm / 100, halves to the even neighbour
  Single torque = 0;
};

struct EngineAnalyserData {
  // The first line with a separator whose speed gives no row of the curve (below row 1), or
  // whose torque a power file cannot hold; the file is refused with it.
  std::string invalidLine;
  bool refused = false;
  // The readings in file order; readings above maxRow are skipped.
  std::vector<EngineAnalyserReading> readings;
};

// Reads the export's text; readings whose row lies above maxRow are skipped.
EngineAnalyserData ReadEngineAnalyserExport(std::string_view bytes, Integer maxRow);

// Reads the file into PowerCurve(column): each reading at its row, the rows between two readings
// emptied, rows outside the readings kept. Refusals (a file that cannot be read, told as its
// file error; an invalid line, which also sets LoadFailed; readings that leave no row of theirs
// with a torque above 0) are shown and set CancelFlag to 1 and change nothing else. On success
// MinRPMIndex (column 0 starts afresh), PowerMaxPower and the rev limit follow the new curve.
// Returns the highest row of a reading with a torque (0 after a refusal).
// MaxRPMIndex is neither raised nor used beyond skipping readings.
Integer ImportEngineAnalyserPower(const std::string& fileName, int column);

// Raises PowerMaxPower to a new peak power (BHP); a short span (MaxRPMIndex 1..64) scales it up
// to what it would be at row 65.
void UpdatePowerMaxPower(double peak);

}  // namespace kestrelon
