#include "power/scale_power_curve.h"

#include "core/state.h"
#include "simulation/nitrous.h"

namespace kestrelon {

Integer HighestCurveColumnInUse() { return NitrousStageAt(CInt(S.GearCount), 0); }

void ScalePowerCurve(Single Factor) {
  const Integer top = HighestCurveColumnInUse();
  for (int c = 0; c <= top; ++c) {
    for (int j = S.MinRPMIndex; j <= S.MaxRPMIndex; ++j) S.PowerCurve[c][j] *= Factor;
    S.EngineSummary[c][0] *= Factor;  // peak torque
    S.EngineSummary[c][2] *= Factor;  // peak power
  }
}

}  // namespace kestrelon
