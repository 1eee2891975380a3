#include "power/curve_graph_scale.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "core/tables.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

// Steps are tried from the table's second entry; the search stops at the table's last step,
// so no top can run it past the table's end.
template <typename Count>
GridChoice ChooseGrid(long limit, Count countFor) {
  GridChoice g{0, 1000};
  for (int k = 2; g.count > limit && k < static_cast<int>(Tbl.AxisStepTable.size()); ++k) {
    const Single step = Tbl.AxisStepTable[k];
    if (!(step > 0)) break;
    g.step = step;
    g.count = countFor(static_cast<double>(step));
  }
  return g;
}

Long WholeCount(double x) {
  const double whole = std::fabs(std::floor(x));
  return whole < 2e9 ? static_cast<Long>(whole) : 2000000000;
}

}  // namespace

GridChoice ChooseValueGrid(double valueTop) {
  return ChooseGrid(10, [&](double step) { return WholeCount(valueTop / step + 1); });
}

GridChoice ChooseSpeedGrid(double speedTop) {
  GridChoice g = ChooseGrid(12, [&](double step) { return WholeCount(speedTop / step); });
  if (static_cast<double>(g.count) * g.step < speedTop) ++g.count;
  return g;
}

PowerGraphScale ComputePowerGraphScale(double graphRPMTop, double curvePeakValue,
                                       std::string_view powerUnit, Single powerUnitDivisor) {
  PowerGraphScale s;
  // A speed axis needs a top; one not yet preset gets the lowest the entry would give.
  s.speedTop = std::max(graphRPMTop, 1000.0);
  s.valueTop = curvePeakValue / powerUnitDivisor;
  if (powerUnit == "KW" && s.speedTop < 14500) s.valueTop *= 14500 / s.speedTop;
  s.y = ChooseValueGrid(s.valueTop);
  s.yPerUnit = static_cast<Single>(PlotHeight / (s.y.count * static_cast<double>(s.y.step)));
  s.x = ChooseSpeedGrid(s.speedTop);
  s.xPerUnit = static_cast<Single>(PlotWidth / (s.x.count * static_cast<double>(s.x.step)));
  s.xPerRPMIndex = s.xPerUnit * 100;
  s.xExtent = static_cast<double>(s.xPerUnit) * s.x.count * s.x.step;
  s.yExtent = static_cast<double>(s.yPerUnit) * s.y.count * s.y.step;
  return s;
}

Long GraphRPMTopFor(int maxRPMIndex) { return (maxRPMIndex / 10 + 1) * 1000; }

Integer PowerCurveScaleMax(int column) {
  Single maxP = 0, maxT = 0;
  for (int row = S.MinRPMIndex; row <= S.MaxRPMIndex; ++row) {
    const Single t = S.PowerCurve[column][row];
    const Single product = static_cast<Single>(row) * t;
    if (product > maxP) maxP = product;
    if (t > maxT) maxT = t;
  }
  Integer r = CInt(maxP / RowTorqueToBHP);
  if (maxT > r) r = CInt(maxT);
  return r;
}

}  // namespace kestrelon
