#include "results/axis_steps.h"

#include <algorithm>
#include <cmath>

#include "core/tables.h"

namespace kestrelon {
namespace {

// A division count held to what an int keeps (an end far beyond the small steps).
int Count(double count) { return static_cast<int>(std::min(count, 1e9)); }

}  // namespace

int LastAxisStep() {
  int j = 1;
  while (j + 1 < static_cast<int>(Tbl.AxisStepTable.size()) && Tbl.AxisStepTable[j + 1] != 0) ++j;
  return j;
}

AxisDivisions VerticalDivisions(double graphMax, int limit) {
  const int last = LastAxisStep();
  int j = 1;
  AxisDivisions d{Tbl.AxisStepTable[1], 1000};
  while (d.count > limit && j < last) {
    d.step = Tbl.AxisStepTable[++j];
    d.count = Count(std::fabs(std::floor(graphMax / d.step + 1)));
  }
  return d;
}

AxisDivisions HorizontalDivisions(double end, double zoom) {
  const int last = LastAxisStep();
  int j = 1;
  AxisDivisions d{Tbl.AxisStepTable[1], 1000};
  while (zoom * 12 < d.count && j < last) {
    d.step = Tbl.AxisStepTable[++j];
    double count = std::fabs(std::floor(end / d.step));
    if (count * d.step < end) ++count;
    d.count = Count(count);
  }
  if (d.count < 1) d.count = 1;
  return d;
}

Single ChannelStep(int count, double channelMax) {
  const int last = LastAxisStep();
  int j = 1;
  while (j < last && count * static_cast<double>(Tbl.AxisStepTable[j]) < channelMax) ++j;
  return Tbl.AxisStepTable[j];
}

}  // namespace kestrelon
