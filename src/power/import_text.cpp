#include "power/import_text.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

#include "core/state.h"
#include "files/power_file.h"
#include "platform/ui_seam.h"
#include "power/power_curve.h"

namespace kestrelon {

Single ToSingle(double x) {
  constexpr double Largest = std::numeric_limits<Single>::max();
  return static_cast<Single>(std::clamp(x, -Largest, Largest));
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  bytes = content.str();
  return !in.bad();
}

double ImportRowPower(int row, Single torque) { return row * static_cast<double>(torque) / 52.52; }

bool PowerFileHolds(Single torque) { return std::fabs(torque) <= MaxFileTorque; }

CurveSpan ReadBackSpan() {
  auto first = S.PowerCurve[0];
  std::fill(first.begin() + std::clamp<int>(S.MaxRPMIndex, 0, CurveTopRow) + 1, first.end(), 0.0f);
  return SpanOfColumn(first);
}

bool PowerFileKeepsCurve(int column) {
  const int top = std::clamp<int>(S.MaxRPMIndex, 0, CurveTopRow);
  for (int r = 1; r <= top; ++r)
    if (!PowerFileHolds(S.PowerCurve[column][r])) return false;
  const int end = ReadBackSpan().last;
  for (const auto& curve : S.PowerCurve)
    for (int r = end + 1; r <= top; ++r)
      if (curve[r] != 0) return false;
  return true;
}

void ShowInvalidImport(const std::string& what) {
  ui().MsgBox(what + " contains invalid data - loading will be aborted", Msg::Exclamation, "Load power data");
}

}  // namespace kestrelon
