#pragma once
// The Engine Analyser import: an engine analysis program's export, one reading a line (engine
// speed in rpm, then torque in lb-ft, separated by commas or by blanks), read into one column of
// the torque curve. The reading itself is a plain function over the file's bytes; the import
// checks the whole file before it writes anything, so a refused file leaves the curve as it was.

#include <cstddef>
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
  // whose torque a power file cannot hold, or the first line of a text marked as UTF-16 (or
  // marked twice as UTF-8); the file is refused with it. A line longer than
  // QuotedLineLength is kept as its first QuotedLineLength characters followed by "...", so
  // the message that quotes it stays one line of a box.
  static constexpr std::size_t QuotedLineLength = 80;
  std::string invalidLine;
  bool refused = false;
  // The readings in file order; readings above maxRow are skipped.
  std::vector<EngineAnalyserReading> readings;
};

// Reads the export's text; readings whose row lies above maxRow are skipped.
EngineAnalyserData ReadEngineAnalyserExport(std::string_view bytes, Integer maxRow);

// How an import ended: taken, or refused as a file that cannot be read (told as its file
// error), for an invalid line, or for readings that leave no row of theirs with a torque above 0.
enum class ImportEnd { Taken, Unreadable, InvalidData, NoData };

struct EngineAnalyserImport {
  ImportEnd end = ImportEnd::Taken;
  Integer top = 0;  // the highest row of a reading with a torque; 0 when refused
};

// How the readings meet the column: merged into the curve it holds (the curve graph's Get), or as
// a new engine's curve (File > Open > Power), which keeps nothing of the old one.
enum class ImportInto { Merge, NewCurve };

// Reads the file into PowerCurve(column): each reading at its row, the rows between two readings
// emptied. Merged, rows outside the readings are kept and readings above MaxRPMIndex skipped; a
// new curve starts from an empty column and takes readings up to the curve's top row. A refusal
// is shown and changes nothing else; it leaves LoadFailed and CancelFlag to the caller too, so a
// guided entry whose curve graph imports a refused file goes on. On success MinRPMIndex (column
// 0 starts afresh), PowerMaxPower and the rev limit follow the new curve. MaxRPMIndex is not
// raised.
EngineAnalyserImport ImportEngineAnalyserPower(const std::string& fileName, int column,
                                               ImportInto into = ImportInto::Merge);

// Raises PowerMaxPower to a new peak power (BHP); a short span (MaxRPMIndex 1..64) scales it up
// to what it would be at row 65.
void UpdatePowerMaxPower(double peak);

}  // namespace kestrelon
