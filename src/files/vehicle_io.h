#pragma once
// A complete vehicle: the vehicle file and the power file that belong together, loaded into
// the model and handed to the data-entry sequence, or saved as a pair.

#include <string>

#include "core/commands.h"

namespace kestrelon {

// Loads the pair named by both paths without asking (the command-line run), or, when either is
// empty, asks for each in turn; then resets the run history and starts the data-entry sequence
// with automatic acceptance. True when both files were read and handed over; a pair named by
// path hands over even after a rejected file, and then answers false.
bool LoadVehicleAndPower(const std::string& chassisPath, const std::string& powerPath);

// Asks for the vehicle file's name and, unless the last pair's power file goes with it, the
// power file's name, then writes both; a file already there is replaced only when the racer
// says so. DataSaved becomes True only when both were written; a failed write leaves neither
// file changed.
SaveOutcome SaveVehicleAndPower();

// Takes the vehicle now in the model as what the next logged run is compared with, and starts
// the history afresh: every line emptied, both ring positions back to the start.
void ResetHistory();

}  // namespace kestrelon
