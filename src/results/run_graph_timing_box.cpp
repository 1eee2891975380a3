#include "results/run_graph_timing_box.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/state.h"
#include "platform/canvas.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

std::string Figures(Single time, Single speed) {
  return Format(time, "#0.000") + "s/" + Format(speed, "##0.00") + S.SpeedUnit;
}

bool SpotLineCounted() {
  return S.SimDistance > 0 || (S.ShowBaseline != False && !S.BaselinePerfText[5].empty());
}

// Lines 0 (rollout) to 5 (spot distance) before they are put in order.
std::array<std::string, 6> NumberedLines() {
  std::array<std::string, 6> line{
      "Rollout - " + Format(S.RunRolloutTime, "0.000") + "s",
      "60ft - " + Figures(S.Time60ft, S.Speed60ft),
      "330ft - " + Figures(S.Time330ft, S.Speed330ft),
      "660ft - " + Figures(S.Time660ft, S.Speed660ft),
      "1320ft - " + Figures(S.Time1320ft, S.Speed1320ft),
      {}};
  const bool baseline = S.ShowBaseline != False;
  if (baseline)
    for (int j = 0; j <= 4; ++j) line[j] += S.BaselinePerfText[j];
  if (S.SimDistance > 0) {
    line[5] = std::to_string(CLng(S.LengthFactor * S.SimDistance)) + S.LengthUnit + " - " +
              Figures(S.TimeSimDistance, S.SpeedSimDistance);
    if (baseline && !S.BaselinePerfText[5].empty()) line[5] = Trim(line[5] + S.BaselinePerfText[5]);
  }
  return line;
}

}  // namespace

std::vector<std::string> PerfBoxLines() {
  const std::array<std::string, 6> line = NumberedLines();
  std::vector<std::string> printed{line[0]};
  bool spotDone = S.SimDistance <= 0;
  const int marks[] = {60, 330, 660, 1320};
  for (int j = 1; j <= 4; ++j) {
    if (!spotDone && marks[j - 1] / S.FeetPerUnit > S.SimDistance) {
      printed.push_back(line[5]);
      spotDone = true;
    }
    printed.push_back(line[j]);
  }
  if (!spotDone) printed.push_back(line[5]);
  return printed;
}

void DrawPerfBox(Canvas& pic) {
  CalcTimingPoints();
  const std::array<std::string, 6> line = NumberedLines();
  const bool spotCounted = SpotLineCounted();
  double w = 0;
  for (int j = 0; j <= (spotCounted ? 5 : 4); ++j)
    w = std::max(w, static_cast<double>(CLng(pic.TextWidth(line[j]))));
  const double th = CLng(std::fabs(pic.TextHeight(line[1])));
  const int n = spotCounted ? 6 : 5;
  const double top = (th + 10) * n + 50;
  pic.FillBox(1200 - w, top, 1240, 40, QBColor(15));
  pic.Box(1200 - w, top, 1240, 40, QBColor(0));
  pic.ForeColor = QBColor(9);
  int j = 0;
  for (const std::string& text : PerfBoxLines()) {
    ++j;
    pic.CurrentX = 1220 - w;
    pic.CurrentY = top - 10 * j - (j - 1) * th;
    pic.Print(text);
  }
  pic.ForeColor = QBColor(0);
}

}  // namespace kestrelon
