#include "results/axis_steps.h"

#include <cmath>

#include "core/tables.h"

namespace kestrelon {

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
    d.count = static_cast<int>(std::fabs(std::floor(graphMax / d.step + 1)));
  }
  return d;
}

AxisDivisions HorizontalDivisions(double end, double zoom) {
  const int last = LastAxisStep();
  int j = 1;
  AxisDivisions d{Tbl.AxisStepTable[1], 1000};
  while (zoom * 12 < d.count && j < last) {
    d.step = Tbl.AxisStepTable[++j];
    d.count = static_cast<int>(std::fabs(std::floor(end / d.step)));
    if (d.count * static_cast<double>(d.step) < end) ++d.count;
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
