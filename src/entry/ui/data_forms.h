#pragma once
// Makes the data forms known at start-up: each form's shared instance (so the Data menu reaches
// it by name) and its opener in the entry chain. A data form added later registers with one
// RegisterDataForm line in RegisterDataForms.

#include <functional>

#include "entry/form_openers.h"

namespace kestrelon {

class Form;

// The form's factory under its form name, and the chain's opener: shown modeless, or only
// loaded (and so accepted) while AutoAccept is on.
void RegisterDataForm(EntryForm form, const char* formName, std::function<Form*()> factory);

// Every data form, and the Calculate > Run Simulation command.
void RegisterDataForms();

}  // namespace kestrelon
