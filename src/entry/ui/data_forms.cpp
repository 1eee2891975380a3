#include "entry/ui/data_forms.h"

#include <string>

#include "core/state.h"
#include "entry/entry_chain.h"
#include "entry/ui/frmDataAero.h"
#include "entry/ui/frmDataChassis.h"
#include "entry/ui/frmDataClutch.h"
#include "entry/ui/frmDataClutchTimers.h"
#include "entry/ui/frmDataGears.h"
#include "entry/ui/frmDataInertia.h"
#include "entry/ui/frmDataInput.h"
#include "entry/ui/frmDataNitrous.h"
#include "entry/ui/frmDataThrottle.h"
#include "entry/ui/frmDataTyre.h"
#include "platform/qt/form.h"

namespace kestrelon {

void RegisterDataForm(EntryForm form, const char* formName, std::function<Form*()> factory) {
  const std::string name = formName;
  Form::Register(name, std::move(factory));
  SetFormOpener(form, [name] {
    Form* instance = Form::Instance(name);
    if (!instance) return;
    if (S.AutoAccept)
      instance->Load();
    else
      instance->Show();
  });
}

void RegisterDataForms() {
  RegisterDataForm(EntryForm::Chassis, "frmDataChassis", [] { return new frmDataChassis; });
  RegisterDataForm(EntryForm::Tyre, "frmDataTyre", [] { return new frmDataTyre; });
  RegisterDataForm(EntryForm::Aero, "frmDataAero", [] { return new frmDataAero; });
  RegisterDataForm(EntryForm::Gears, "frmDataGears", [] { return new frmDataGears; });
  RegisterDataForm(EntryForm::Nitrous, "frmDataNitrous", [] { return new frmDataNitrous; });
  RegisterDataForm(EntryForm::Clutch, "frmDataClutch", [] { return new frmDataClutch; });
  RegisterDataForm(EntryForm::Inertia, "frmDataInertia", [] { return new frmDataInertia; });
  RegisterDataForm(EntryForm::Throttle, "frmDataThrottle", [] { return new frmDataThrottle; });
  Form::Register("frmDataClutchTimers", [] { return new frmDataClutchTimers; });
  Form::Register("frmDataInput", [] { return new frmDataInput; });
  RegisterEntryCommands();
}

}  // namespace kestrelon
