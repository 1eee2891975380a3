#include "simulation/ui/run_windows.h"

#include "core/commands.h"
#include "entry/form_openers.h"
#include "simulation/ui/frmCalcProgress.h"
#include "simulation/ui/frmCalcThresh.h"
#include "simulation/ui/frmDataLaunch.h"

namespace kestrelon {

void RegisterRunWindows() {
  Form::Register("frmDataLaunch", [] { return new frmDataLaunch; });
  Form::Register("frmCalcProgress", [] { return new frmCalcProgress; });
  Form::Register("frmCalcThresh", [] { return new frmCalcThresh; });
  // The run pre-check shows the set-up modeless; under AutoAccept its load starts the run.
  SetFormOpener(EntryForm::RunSetup, [] {
    if (Form* setup = Form::Instance("frmDataLaunch")) setup->Show();
  });
  Hooks.CalcWheelie = mnuCalcWheelie_Click;
}

}  // namespace kestrelon
