#include "power/import_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/state.h"
#include "files/power_file.h"
#include "platform/ui_seam.h"
#include "power/power_curve.h"

namespace kestrelon {

Single ToSingle(double x) {
  constexpr double Largest = std::numeric_limits<Single>::max();
  return static_cast<Single>(std::clamp(x, -Largest, Largest));
}

double ImportRowPower(int row, Single torque) { return row * static_cast<double>(torque) / 52.52; }

CurveSpan ReadBackSpan() {
  auto first = S.PowerCurve[0];
  std::fill(first.begin() + LastWrittenRow(0) + 1, first.end(), 0.0f);
  return SpanOfColumn(first);
}

bool PowerFileKeepsCurve(int column) {
  if (!PowerFileHoldsColumn(column)) return false;
  // The reader would lose a point of the no-nitrous curve above its first empty row.
  const int top = LastWrittenRow(0);
  for (int r = ReadBackSpan().last + 1; r <= top; ++r)
    if (S.PowerCurve[0][r] != 0) return false;
  return true;
}

void TakeReadBackSpan() {
  const CurveSpan span = ReadBackSpan();
  S.MinRPMIndex = span.first;
  S.MaxRPMIndex = span.last;
}

void TellNoData(const std::string& fileName, const std::string& title) {
  ui().MsgBox("No data in file " + fileName, Msg::Exclamation, title);
}

void ShowNoData(const std::string& fileName, const std::string& title) {
  TellNoData(fileName, title);
  S.CancelFlag = 1;
}

void ShowInvalidImport(const std::string& what) {
  ui().MsgBox(what + " contains invalid data - loading will be aborted", Msg::Exclamation, "Load power data");
}

}  // namespace kestrelon
