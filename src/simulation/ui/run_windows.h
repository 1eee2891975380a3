#pragma once
// Makes the run's windows reachable at start-up: the run set-up dialog, the progress window and
// the wheelie threshold box by their form names, the run pre-check's opening of the set-up, and
// Calculate > Wheelie threshold.

namespace kestrelon {

void RegisterRunWindows();

}  // namespace kestrelon
