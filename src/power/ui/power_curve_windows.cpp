#include "power/ui/power_curve_windows.h"

#include "core/commands.h"
#include "power/enter_power_curve.h"
#include "power/ui/frmGraphPower.h"
#include "power/ui/frmPNAData.h"

namespace kestrelon {

void RegisterPowerCurveWindows() {
  Form::Register("frmPNAData", [] { return new frmPNAData; });
  Form::Register("frmGraphPower", [] { return new frmGraphPower; });
  Hooks.EnterPowerCurve = EnterPowerCurve;
}

}  // namespace kestrelon
