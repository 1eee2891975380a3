#pragma once
// Start-up with its windows: settings and command line, the splash when the program was started
// without arguments and the logo is on, the reference tables and the model, then the main bar.

#include <memory>

#include "core/command_line.h"
#include "core/ui/form1.h"

namespace kestrelon {

// Returns the bar on screen, or nullptr when the program is to end at once (a command-line run
// that ended with an exit).
std::unique_ptr<Form1> SubMain(const CommandLineSource& commandLine);

// Runs the program's event loop until the bar's unload ends the program: every window then
// goes without a further question, and every event loop, modal ones included, ends. Returns
// the program's exit code.
int RunProgram(Form1& bar);

}  // namespace kestrelon
