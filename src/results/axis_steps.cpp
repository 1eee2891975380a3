#include "results/axis_steps.h"

#include <cmath>

#include "core/tables.h"

namespace kestrelon {

GridChoice SearchAxisSteps(double top, long target) {
  GridChoice g{0, 1000};
  for (int k = 2; g.count > target && k < static_cast<int>(Tbl.AxisStepTable.size()); ++k) {
    const Single step = Tbl.AxisStepTable[k];
    if (!(step > 0)) break;
    g.step = step;
    const double whole = std::fabs(std::floor(top / step + 1));
    g.count = whole < 2e9 ? static_cast<Long>(whole) : 2000000000;
  }
  return g;
}

}  // namespace kestrelon
