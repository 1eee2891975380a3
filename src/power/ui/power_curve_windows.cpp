#include "power/ui/power_curve_windows.h"

#include "core/commands.h"
#include "core/state.h"
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
  Hooks.StoreCurveEdit = [] {
    auto* graph = static_cast<frmGraphPower*>(Form::FindLoaded("frmGraphPower"));
    return !S.CurveGraphOpen || !graph || graph->StoreEdit();
  };
  Hooks.CancelCurveGraph = [] {
    if (auto* graph = static_cast<frmGraphPower*>(Form::FindLoaded("frmGraphPower")); graph && S.CurveGraphOpen)
      graph->CancelButton_Click();
  };
  Form::Register("frmPowerManipulate", [] { return new frmPowerManipulate; });
  Form::Register("frmPowerText", [] { return new frmPowerText; });
  Form::Register("frmSuperFloPower", [] { return new frmSuperFloPower; });
  SuperFlowChoice.ChooseCurve = [] { Form::Instance("frmSuperFloPower")->ShowModal(); };
}

}  // namespace kestrelon
