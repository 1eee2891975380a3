#pragma once
// The command line: one base name, or a vehicle file (*.WCD) and a power file (*.VCD) in either
// order, which the program loads and runs straight away.

#include <string>
#include <string_view>

namespace kestrelon {

// The text after the program's name as one line: the arguments joined by blanks. A word that
// holds a blank or a double quote is put in double quotes (a quote inside it doubled) so that it
// stays whole. A comma separates names on the line too ("CAR.WCD,CAR.VCD" runs as two), so a
// word holding one is quoted only when the whole word names an existing file: as given when it
// holds a "/", else in the data folder.
std::string CommandLineFromArguments(int argc, const char* const* argv);

// The command line start-up splits: a text taken as it stands, or the program's own arguments,
// which become one line only when start-up splits them, once the settings have named the data
// folder.
class CommandLineSource {
 public:
  CommandLineSource(std::string_view text) : text_(text) {}
  CommandLineSource(const char* text) : text_(text) {}
  CommandLineSource(int argc, const char* const* argv) : argc_(argc), argv_(argv) {}

  std::string Text() const;

 private:
  std::string text_;
  int argc_ = 0;
  const char* const* argv_ = nullptr;
};

// Splits the command line into `CommandArgs`, `CommandArgCount` (at most 10) and
// `CommandLineText`. Blanks and commas separate arguments and double quotes group them; inside
// quotes a doubled quote is one quote of the argument.
void ParseCommandLine(std::string_view commandLine);

// Checks the split arguments and hands the vehicle and power file to the load-and-run command;
// a name without a folder is looked for in the data folder.
void Process_Command();

}  // namespace kestrelon
