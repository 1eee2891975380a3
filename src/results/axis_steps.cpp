#include "results/axis_steps.h"

#include <algorithm>
#include <cmath>

#include "core/tables.h"

namespace kestrelon {
namespace {

// The largest value an axis is searched for: its steps stay single-precision numbers.
constexpr double LargestAxisValue = 1e37;

// What the picture can show of a maximum or an end.
double Shown(double value) {
  return std::isfinite(value) ? std::clamp(value, -LargestAxisValue, LargestAxisValue) : 0;
}

int LastAxisStep() {
  int j = 1;
  while (j + 1 < static_cast<int>(Tbl.AxisStepTable.size()) && Tbl.AxisStepTable[j + 1] != 0) ++j;
  return j;
}

// Step j of the table, and past its last step the same pattern continued.
double AxisStep(int j, int last) {
  const int decades = j <= last ? 0 : (j - last + 4) / 5;
  return Tbl.AxisStepTable[j - 5 * decades] * std::pow(10.0, decades);
}

// Counts past the table go on only while more than one division is needed: every value shown
// ends with a step a division of which reaches it.
template <typename CountAt>
AxisDivisions Search(int limit, CountAt countAt) {
  const int last = LastAxisStep();
  int j = 1;
  AxisDivisions d{Tbl.AxisStepTable[1], 1000};
  while (d.count > limit && (j < last || d.count > 1)) {
    const double step = AxisStep(++j, last);
    d.step = static_cast<Single>(step);
    d.count = static_cast<int>(std::min(countAt(step), 1e9));  // held to what an int keeps
  }
  return d;
}

}  // namespace

AxisDivisions VerticalDivisions(double graphMax, int limit) {
  const double max = Shown(graphMax);
  return Search(limit, [&](double step) { return std::fabs(std::floor(max / step + 1)); });
}

AxisDivisions HorizontalDivisions(double end, double zoom) {
  const double shown = Shown(end);
  const double most = 12 * std::clamp(Shown(zoom), 0.0, 1000.0);
  AxisDivisions d = Search(static_cast<int>(most), [&](double step) {
    double count = std::fabs(std::floor(shown / step));
    if (count * step < shown) ++count;
    return count;
  });
  if (d.count < 1) d.count = 1;
  return d;
}

Single ChannelStep(int count, double channelMax) {
  const double max = Shown(channelMax);
  const int last = LastAxisStep();
  int j = 1;
  while (count * AxisStep(j, last) < max && (j < last || count > 0)) ++j;
  return static_cast<Single>(AxisStep(j, last));
}

}  // namespace kestrelon
