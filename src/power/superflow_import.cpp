#include "power/superflow_import.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/state.h"
#include "files/text_file.h"
#include "platform/text_lines.h"
#include "platform/ui_seam.h"
#include "platform/windows_1252.h"
#include "power/engine_analyser_import.h"
#include "power/import_text.h"
#include "power/power_curve.h"

namespace kestrelon {

SuperFlowWindows SuperFlowChoice;

namespace {

constexpr const char* Title = "SuperFlow Power Data";
constexpr double HighestRPM = 20000;

// The export's lines one after another, from after a byte-order mark, split at carriage returns;
// a line feed right after one is part of the line end. Nothing is kept but the place of the next
// line, so a file of endless line ends costs no memory.
class SuperFlowLines {
 public:
  explicit SuperFlowLines(std::string_view bytes) : bytes_(bytes), start_(FirstLineStart(bytes)) {}

  // The next line, or nothing once the text is used up.
  std::optional<std::string_view> Next() {
    if (start_ >= bytes_.size()) return std::nullopt;
    std::size_t end = bytes_.find('\r', start_);
    if (end == std::string_view::npos) end = bytes_.size();
    const std::string_view line = bytes_.substr(start_, end - start_);
    start_ = end + 1;
    if (start_ < bytes_.size() && bytes_[start_] == '\n') ++start_;
    return line;
  }

 private:
  std::string_view bytes_;
  std::size_t start_;
};

// Characters first..first+count-1, counted from 1; shorter when the line is.
std::string_view Mid(std::string_view line, std::size_t first, std::size_t count) {
  if (first > line.size()) return {};
  return line.substr(first - 1, count);
}

bool EndsData(std::string_view line) { return Mid(line, 3, 8) == "        "; }

Single FieldNumber(std::string_view field) { return ToSingle(PlainNumber(field)); }

// The first row the segment from a reading onwards writes: the reading's speed, rounded, goes
// to the row at or above it, or to the row less than 50 rpm below it.
Long FirstRow(Single rpm) { return (CLng(rpm) + 50) / 100; }

}  // namespace

SuperFlowData ReadSuperFlowExport(std::string_view bytes) {
  SuperFlowData data;
  SuperFlowLines lines(bytes);
  // The header runs to the second line that begins with a line feed, and one line more.
  for (int feeds = 0; feeds < 2;) {
    const std::optional<std::string_view> line = lines.Next();
    if (!line) return data;
    if (!line->empty() && (*line)[0] == '\n') ++feeds;
  }
  lines.Next();
  // Each reading takes four lines; a reading without all four is not one.
  for (;;) {
    std::array<std::string_view, 4> group;
    for (std::string_view& line : group) {
      const std::optional<std::string_view> next = lines.Next();
      if (!next) return data;
      line = *next;
    }
    SuperFlowReading reading;
    for (int k = 0; k < 4; ++k) {
      const std::string_view line = group[static_cast<std::size_t>(k)];
      if (EndsData(line)) return data;
      if (k == 0) reading.RPM = FieldNumber(Mid(line, 1, 5));
      if (k == 1) reading.torque = FieldNumber(Mid(line, 21, 9));
    }
    data.readings.push_back(reading);
    if (data.readings.size() == SuperFlowMaxReadings) {
      data.tooMuch = true;
      break;
    }
  }
  return data;
}

void ImportSuperFlowPower(const std::string& fileName, Integer askForCurve) {
  if (askForCurve != 0) {
    S.CancelFlag = 0;
    if (SuperFlowChoice.ChooseCurve)
      SuperFlowChoice.ChooseCurve();
    else
      S.CancelFlag = 1;
    if (S.CancelFlag == 1) return;
  }
  const int column = S.CurrentStage;
  // A stage question refused and then closed leaves no column to fill.
  if (column < 0 || column >= CurveColumns) {
    S.CancelFlag = 1;
    return;
  }

  // A file that cannot be read has been told as the file error it is.
  const std::optional<std::string> bytes = ReadWholeFile(fileName, Title);
  if (!bytes) {
    S.CancelFlag = 1;
    return;
  }
  // Text behind a UTF-16 mark (or a second UTF-8 one) is none this reader reads.
  if (MarkedAsOtherText(*bytes)) {
    ShowInvalidImport(PathText(fileName));
    S.CancelFlag = 1;
    return;
  }
  const SuperFlowData data = ReadSuperFlowExport(*bytes);
  if (data.tooMuch)
    ui().MsgBox("Too much data; first 100 readings used", Msg::Information, Title);
  const auto& readings = data.readings;
  if (readings.size() < 2) return ShowNoData(fileName, Title);
  for (std::size_t k = 1; k < readings.size(); ++k)
    if (!(readings[k].RPM > readings[k - 1].RPM)) {
      ui().MsgBox("Power readings not consecutive; data file unusable", Msg::Exclamation, Title);
      S.CancelFlag = 1;
      return;
    }
  // Rising speeds leave only the first reading able to write below row 1.
  if (FirstRow(readings[0].RPM) < 1) {
    ShowInvalidImport(Trim(NumText(readings[0].RPM)));
    S.CancelFlag = 1;
    return;
  }
  // Readings above 20000 rpm, and all after them, have no row.
  std::size_t used = 1;
  while (used < readings.size() && readings[used].RPM <= HighestRPM) ++used;
  if (used < readings.size())
    ui().MsgBox("RPM above 20000 ignored", Msg::Exclamation, Title);
  if (used < 2) return ShowNoData(fileName, Title);

  const CurveSpan noNitrous = ReadBackSpan();
  const CurveState before = S;
  auto& curve = S.PowerCurve[column];
  std::fill(curve.begin() + 1, curve.begin() + CurveTopRow + 1, 0.0f);
  double peak = 0;
  int top = 0;
  for (std::size_t k = 1; k < used; ++k) {
    const SuperFlowReading& a = readings[k - 1];
    const SuperFlowReading& b = readings[k];
    const Long last = CLng(b.RPM) / 100;
    for (Long j = FirstRow(a.RPM); j <= last; ++j) {
      curve[j] = a.torque + (100.0f * j - a.RPM) * (b.torque - a.torque) / (b.RPM - a.RPM);
      peak = std::max(peak, ImportRowPower(j, curve[j]));
    }
    top = last;
  }
  // The span is the no-nitrous curve's: a power file keeps a nitrous curve whole, above or below
  // it, so a nitrous import moves it only where there is no no-nitrous curve.
  S.MaxRPMIndex = static_cast<Integer>(column == 0 || noNitrous.first == 0 ? top : noNitrous.last);
  // No row with a torque above 0 (readings that reach no row, or none above 0) is no curve: a
  // power file saved with it would open with none.
  if (SpanOfColumn(curve).first == 0) {
    static_cast<CurveState&>(S) = before;
    return ShowNoData(fileName, Title);
  }
  // Readings close together extrapolate far, and readings that cross zero leave an empty row
  // inside the curve; a curve the power file cannot keep is refused whole.
  if (!PowerFileKeepsCurve(column)) {
    static_cast<CurveState&>(S) = before;
    ShowInvalidImport(PathText(fileName));
    S.CancelFlag = 1;
    return;
  }
  // The no-nitrous curve starts and ends where a power file saved now would: at its first row
  // with a torque above 0, and before an empty row after a last reading of torque 0.
  if (column == 0) TakeReadBackSpan();
  UpdatePowerMaxPower(peak);
}

}  // namespace kestrelon
