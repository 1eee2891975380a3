#include "power/ui/power_curve_windows.h"

#include "core/commands.h"
#include "power/enter_power_curve.h"
#include "power/ui/frmGraphPower.h"
#include "power/ui/frmPNAData.h"
#include "power/ui/frmPowerManipulate.h"
#include "power/ui/frmPowerText.h"
#include "power/ui/frmSuperFloPower.h"
#include "power/superflow_import.h"

namespace kestrelon {

void RegisterPowerCurveWindows() {
  Form::Register("frmPNAData", [] { return new frmPNAData; });
  Form::Register("frmGraphPower", [] { return new frmGraphPower; });
  Hooks.EnterPowerCurve = EnterPowerCurve;
  Form::Register("frmPowerManipulate", [] { return new frmPowerManipulate; });
  Form::Register("frmPowerText", [] { return new frmPowerText; });
  Form::Register("frmSuperFloPower", [] { return new frmSuperFloPower; });
  SuperFlowChoice.ChooseCurve = [] { Form::Instance("frmSuperFloPower")->ShowModal(); };
}

}  // namespace kestrelon
