// The command line on any text: at most 10 arguments, and the checks before the load never
// fail. The input's lines, taken as the arguments the system hands over, joined into one line and
// split again give the same arguments back.
#include <vector>

#include "core/command_line.h"
#include "core/commands.h"
#include "core/state.h"
#include "fuzz_support.h"

using namespace kestrelon;

namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
    lines.emplace_back(text.substr(start, end - start));
  lines.emplace_back(text.substr(start));
  return lines;
}

// An argument the system can hand over and the line carries whole: not blank, no quote, no NUL,
// and no comma (two names joined by a comma run as two unless the word names a file).
bool Carried(const std::string& arg) {
  return arg.find_first_not_of(' ') != std::string::npos && arg.find_first_of("\",\0", 0, 3) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshModel();
  const std::string_view text = fuzz::AsText(data, size);
  int loads = 0;
  Hooks.Process_Data = [&](const std::string&, const std::string&) { ++loads; };

  ParseCommandLine(text);
  fuzz::Check(S.CommandArgCount >= 0 && S.CommandArgCount <= 10, "at most 10 arguments");
  Process_Command();
  fuzz::Check(loads <= 1, "at most one load");
  Hooks.Process_Data = nullptr;

  const std::vector<std::string> args = Lines(text);
  if (args.size() > 10) return 0;
  for (const auto& arg : args)
    if (!Carried(arg)) return 0;
  std::vector<const char*> argv = {"kestrelon"};
  for (const auto& arg : args) argv.push_back(arg.c_str());
  ParseCommandLine(CommandLineFromArguments(static_cast<int>(argv.size()), argv.data()));
  fuzz::Check(S.CommandArgCount == static_cast<Integer>(args.size()), "every argument arrives");
  for (std::size_t i = 0; i < args.size(); ++i)
    fuzz::Check(S.CommandArgs[i] == args[i], "every argument arrives whole");
  return 0;
}
