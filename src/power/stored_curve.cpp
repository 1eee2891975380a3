#include "power/stored_curve.h"

#include "core/expression.h"
#include "core/state.h"
#include "files/power_file.h"

namespace kestrelon {

Single AsPowerFileReadsIt(Single torque) { return ParseLocaleNumber(CurveValueText(torque)); }

void StoreCurveColumn(int column) {
  for (int row = 1; row <= CurveTopRow; ++row)
    S.PowerCurve[column][row] = AsPowerFileReadsIt(S.PowerCurve[column][row]);
}

}  // namespace kestrelon
