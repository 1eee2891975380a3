#include "power/engine_analyser_import.h"

#include <algorithm>
#include <optional>

#include "core/state.h"
#include "files/power_file.h"
#include "files/text_file.h"
#include "platform/text_lines.h"
#include "power/import_text.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

constexpr const char* Title = "Engine Analyser Power Data";

}  // namespace

EngineAnalyserData ReadEngineAnalyserExport(std::string_view bytes, Integer maxRow) {
  EngineAnalyserData data;
  // Ends the reading with no readings, quoting the line refused.
  const auto refuse = [&data](const std::string& line) {
    constexpr std::size_t quoted = EngineAnalyserData::QuotedLineLength;
    data.invalidLine = line.size() > quoted ? line.substr(0, quoted) + "..." : line;
    data.refused = true;
    data.readings.clear();
    return data;
  };
  std::size_t start = FirstLineStart(bytes);
  // Text behind a UTF-16 mark (or a second UTF-8 one) is none this reader reads: its first line,
  // which begins with the mark, is refused.
  if (MarkedAsOtherText(bytes)) {
    std::size_t next = 0;
    return refuse(Trim(LineAt(bytes, start, next)));
  }
  while (start <= bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string line = Trim(bytes.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const char separator = line.find(',') != std::string::npos ? ',' : ' ';
    const std::size_t p1 = line.find(separator);
    if (p1 == std::string::npos) continue;
    const double row = RoundHalfEven(PlainNumber(std::string_view(line).substr(0, p1)) / 100);
    if (row < 1) return refuse(line);
    const std::size_t p2 = line.find(separator, p1 + 1);
    if (p2 == std::string::npos || row > maxRow) continue;
    const Single torque = ToSingle(PlainNumber(std::string_view(line).substr(p1 + 1, p2 - p1 - 1)));
    // A torque the power file cannot hold would make the vehicle's curves unreadable once saved.
    if (!PowerFileHolds(torque)) return refuse(line);
    data.readings.push_back({static_cast<Integer>(row), torque});
  }
  return data;
}

void UpdatePowerMaxPower(double peak) {
  if (peak > S.PowerMaxPower) S.PowerMaxPower = CInt(peak);
  if (peak == S.PowerMaxPower && S.MaxRPMIndex >= 1 && S.MaxRPMIndex <= 64)
    S.PowerMaxPower = CInt(S.PowerMaxPower * 65.0 / S.MaxRPMIndex);
}

EngineAnalyserImport ImportEngineAnalyserPower(const std::string& fileName, int column, ImportInto into) {
  // A file that cannot be read has been told as the file error it is; the import is refused
  // with nothing else changed.
  const std::optional<std::string> bytes = ReadWholeFile(fileName, Title);
  if (!bytes) return {ImportEnd::Unreadable};
  const bool newCurve = into == ImportInto::NewCurve;
  const Integer top = newCurve ? static_cast<Integer>(CurveTopRow) : S.MaxRPMIndex;
  const EngineAnalyserData data = ReadEngineAnalyserExport(*bytes, top);
  if (data.refused) {
    ShowInvalidImport(data.invalidLine);
    return {ImportEnd::InvalidData};
  }
  auto& curve = S.PowerCurve[column];
  const auto kept = curve;
  if (newCurve) curve.fill(0);
  Integer last = 0, lowest = CurveTopRow, highestWithTorque = 0;
  for (const EngineAnalyserReading& reading : data.readings) {
    if (last > 0)
      for (int j = last + 1; j <= reading.row; ++j) curve[j] = 0;
    curve[reading.row] = reading.torque;
    last = reading.row;
    lowest = std::min(lowest, reading.row);
    if (reading.torque != 0) highestWithTorque = std::max(highestWithTorque, reading.row);
  }
  // Readings that leave no torque above 0 are no curve: a power file saved with them would open
  // with none. A later reading of a row, or the rows emptied between two readings, can undo an
  // earlier reading's torque, so the rows as written decide.
  if (highestWithTorque == 0 ||
      std::none_of(curve.begin() + lowest, curve.begin() + highestWithTorque + 1, [](Single t) { return t > 0; })) {
    curve = kept;
    TellNoData(fileName, Title);
    return {ImportEnd::NoData};
  }

  if (column == 0) S.MinRPMIndex = 0;
  double peak = 0;
  for (int j = 1; j <= top; ++j) {
    if (curve[j] > 0 && S.MinRPMIndex == 0) S.MinRPMIndex = static_cast<Integer>(j);
    peak = std::max(peak, ImportRowPower(j, curve[j]));
  }
  UpdatePowerMaxPower(peak);
  ClampRevLimit();
  // A reading of torque 0 is no point of the curve: the curve ends at the last reading with a
  // torque, where a power file's reader ends it too.
  return {ImportEnd::Taken, highestWithTorque};
}

}  // namespace kestrelon
