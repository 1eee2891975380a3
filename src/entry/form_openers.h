#pragma once
// How the entry chain reaches the windows it opens without knowing them: each window registers
// an opener at start-up. An opener of a data form shows it modeless, or while AutoAccept is on
// only loads it (its load then accepts it). A window that has not registered is not opened.

#include <functional>

namespace kestrelon {

enum class EntryForm {
  Chassis,
  Tyre,
  Aero,
  Gears,
  Nitrous,
  Clutch,
  Inertia,
  Throttle,
  RunSetup,  // the run set-up dialog, opened by the run pre-check
};

void SetFormOpener(EntryForm form, std::function<void()> opener);
void OpenEntryForm(EntryForm form);

}  // namespace kestrelon
