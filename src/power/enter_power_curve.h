#pragma once
// Opening one torque-curve column for entry: the quick entry of peak figures, the graph's
// unit and axis presets, the backup of the column, and then either the curve graph or, for
// data that came from a file or an example (AutoAccept), the column accepted unchanged.

#include "core/numbers.h"

namespace kestrelon {

// column 0 no nitrous, 1 and 2 the nitrous stages; mode 0 opens the graph modeless, any other
// value modal. CancelFlag is 1 when the entry form was cancelled (LoadFailed too for column 0).
void EnterPowerCurve(Integer column, Integer mode);

// The engine temperature at launch from the vehicle's item (8,18); an empty item becomes "70c",
// one that does not read as a temperature gives 70.
void TakeLaunchTempItem();

}  // namespace kestrelon
