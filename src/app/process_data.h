#pragma once
// The command-line run: the vehicle and power file named on the command line are loaded
// without a question, turned into the model by the data forms' automatic pass, and run at once
// from the run set-up with its stored launch settings.

#include <string>

namespace kestrelon {

// Each file is taken as named, else with its extension in another case; a missing file is
// reported and nothing is loaded. A rejected file, or an automatic pass the user abandons,
// leaves the program as the load left it, without a run.
void Process_Data(const std::string& chassis, const std::string& engine);

}  // namespace kestrelon
