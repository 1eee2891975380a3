#include "files/power_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <optional>

#include "core/expression.h"
#include "core/state.h"
#include "files/file_description.h"
#include "files/vehicle_file.h"
#include "platform/ui_seam.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

constexpr const char* TitleMark = "///*";
// The description, and each column's title and rows: lines after them are never used, nor kept.
constexpr std::size_t MostLines = 1 + CurveColumns * (1 + CurveTopRow);

// What a power file holds once read, before it replaces the curves in memory.
struct PowerFileRead {
  std::string description;
  CurveTable curve;
  std::array<std::string, CurveColumns> titles;
  Integer minIndex = 0;
  Integer maxIndex = 0;
};

std::optional<PowerFileRead> ReadPowerFile(const std::vector<std::string>& lines) {
  PowerFileRead content;
  content.curve = S.PowerCurve;
  content.titles = S.PowerDescript;
  std::size_t next = 0;
  content.description = TakeFileDescription(lines, next);
  for (int c = 0; c < CurveColumns; ++c) {
    for (int r = 1; r <= CurveTopRow; ++r) {
      if (next >= lines.size()) return std::nullopt;
      const std::string* line = &lines[next++];
      if (r == 1 && line->compare(0, 4, TitleMark) == 0) {
        content.titles[c] = line->substr(4);
        if (next >= lines.size()) return std::nullopt;
        line = &lines[next++];
      }
      const Single v = ParseLocaleNumber(*line);
      const std::string trimmed = Trim(*line);
      if (v == 0 && !trimmed.empty() && trimmed != "0") return std::nullopt;
      if (!PowerFileHolds(v)) return std::nullopt;  // no engine's torque, or no number
      content.curve[c][r] = v;
    }
  }
  // The no-nitrous curve ends at its first empty row after a point; the nitrous curves are kept
  // whole, also above that row, so that a curve lower than theirs loses none of their rows.
  const CurveSpan span = SpanOfColumn(content.curve[0]);
  for (int r = span.last + 1; r <= CurveTopRow; ++r) content.curve[0][r] = 0;
  content.minIndex = span.first;
  content.maxIndex = span.last;
  return content;
}

}  // namespace

void LoadPowerFile(const std::string& path) {
  S.LoadFailed = False;
  const auto lines = ReadTextLines(path, "Load power data", MostLines);
  const auto content = lines ? ReadPowerFile(*lines) : std::nullopt;
  if (!content) {
    if (lines) ui().MsgBox(InvalidFileText(path), Msg::OKOnly | Msg::Exclamation, "Load power data");
    S.LoadFailed = True;
    return;
  }
  S.DataDescription = content->description;
  S.PowerFileDescription = content->description;
  S.PowerCurve = content->curve;
  S.PowerDescript = content->titles;
  S.MinRPMIndex = content->minIndex;
  S.MaxRPMIndex = content->maxIndex;
  S.LowRPM = 0;
  S.HighRPM = 0;
  for (int c = 0; c < CurveColumns; ++c) UpdateEngineSummary(c);
  ClampRevLimit();
}

std::string CurveValueText(Single value) {
  if (value == 0 || !std::isfinite(value)) return " 0";
  // Seven significant digits, then laid out in fixed notation.
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6e", std::fabs(static_cast<double>(value)));
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 6);
  const int exponent = std::atoi(buf + 9);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int whole = exponent + 1;  // digits before the decimal point
  std::string text;
  if (whole <= 0) {
    text = "." + std::string(-whole, '0') + digits;
  } else if (whole >= static_cast<int>(digits.size())) {
    text = digits + std::string(whole - digits.size(), '0');
  } else {
    text = digits.substr(0, whole) + "." + digits.substr(whole);
  }
  return (value < 0 ? "-" : " ") + text;
}

int LastWrittenRow(int column) {
  // What the no-nitrous column holds above the span (rows an import left beyond its readings) is
  // no part of the curve: written, it would move the span the reader finds.
  return column == 0 ? std::clamp<int>(S.MaxRPMIndex, 0, CurveTopRow) : CurveTopRow;
}

bool PowerFileHolds(Single torque) { return std::fabs(torque) <= MaxFileTorque; }

bool PowerFileHoldsColumn(int column) {
  for (int r = 1; r <= LastWrittenRow(column); ++r)
    if (!PowerFileHolds(S.PowerCurve[column][r])) return false;
  return true;
}

FileWriteResult CurveBeyondPowerFile() { return FileError(ERANGE); }

std::optional<std::string> PowerFileContent() {
  for (int c = 0; c < CurveColumns; ++c)
    if (!PowerFileHoldsColumn(c)) return std::nullopt;
  S.PowerFileDescription = S.DataDescription;
  std::string out;
  if (!S.DataDescription.empty()) out += DescriptionLine(S.PowerFileDescription);
  for (int c = 0; c < CurveColumns; ++c) {
    const std::string title = Trim(S.PowerDescript[c]);
    if (!title.empty()) out += FileLine(TitleMark + title);
    const int last = LastWrittenRow(c);
    for (int r = 1; r <= CurveTopRow; ++r)
      out += FileLine(r <= last ? CurveValueText(S.PowerCurve[c][r]) : " 0");
  }
  return out;
}

FileWriteResult WritePowerFile(const std::string& path) {
  const std::optional<std::string> bytes = PowerFileContent();
  return bytes ? WriteFileReplacing(path, *bytes) : CurveBeyondPowerFile();
}

}  // namespace kestrelon
