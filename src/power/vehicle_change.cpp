#include "power/vehicle_change.h"

#include "core/state.h"
#include "entry/clutch_calc.h"
#include "entry/nitrous_power_calc.h"
#include "power/power_curve.h"
#include "power/stored_curve.h"

namespace kestrelon {

void VehicleChanged() {
  // Stage 1 first: stage 2 may be built on it.
  for (int stage = 1; stage <= 2; ++stage) {
    if (S.CurveGraphOpen && S.PowerCurveIndex == stage) continue;
    if (BuiltByCalculator(stage)) {
      RebuildNitrousCurve(stage);
    } else {
      HoldColumnAsFiled(stage);
      UpdateEngineSummary(stage);
    }
  }
  ClampRevLimit();
  RecalcClutchFigures();  // the converter or slider for the stages and the air now in force
  ++S.VehicleChanges;
}

}  // namespace kestrelon
