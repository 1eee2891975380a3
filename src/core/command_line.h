#pragma once
// The command line: one base name, or a vehicle file (*.WCD) and a power file (*.VCD) in either
// order, which the program loads and runs straight away.

#include <string>
#include <string_view>

namespace kestrelon {

// The text after the program's name as one line: the arguments joined by blanks, an argument
// that holds a blank, a comma or a double quote put in double quotes (a quote inside it doubled)
// so that it stays whole.
std::string CommandLineFromArguments(int argc, const char* const* argv);

// Splits the command line into `CommandArgs`, `CommandArgCount` (at most 10) and
// `CommandLineText`. Blanks and commas separate arguments and double quotes group them; inside
// quotes a doubled quote is one quote of the argument.
void ParseCommandLine(std::string_view commandLine);

// Checks the split arguments and hands the vehicle and power file to the load-and-run command;
// a name without a folder is looked for in the data folder.
void Process_Command();

}  // namespace kestrelon
