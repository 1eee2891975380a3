#include "core/command_line.h"

#include <filesystem>

#include "core/commands.h"
#include "core/numbers.h"
#include "core/program_title.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/paths.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {


bool EndsWithNoCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         EqualsNoCase(text.substr(text.size() - ending.size()), ending);
}

// A name without a folder lies in the data folder; with no data folder set it stays relative to
// the working folder.
std::string InDataFolder(const std::string& name, const std::string& folder) {
  if (name.find('/') != std::string::npos || folder.empty()) return name;
  return CompleteFolder(folder) + name;
}

// A word that must travel quoted to stay one argument.
bool NeedsQuotes(std::string_view word) {
  if (word.find_first_of(" \"") != std::string_view::npos) return true;
  if (word.find(',') == std::string_view::npos) return false;
  std::error_code ec;
  // Start-up has not yet completed the data folder from the environment.
  return std::filesystem::is_regular_file(InDataFolder(std::string(word), CompletedDataPath()), ec);
}

void Tell(const std::string& text) { ui().MsgBox(text, Msg::OKOnly, ProgramTitle); }

}  // namespace

std::string CommandLineFromArguments(int argc, const char* const* argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!line.empty()) line += ' ';
    if (!NeedsQuotes(arg)) {
      line += arg;
      continue;
    }
    line += '"';
    for (const char c : arg) line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line;
}

std::string CommandLineSource::Text() const {
  return argv_ ? CommandLineFromArguments(argc_, argv_) : text_;
}

void ParseCommandLine(std::string_view commandLine) {
  S.CommandLineText.clear();
  S.CommandArgCount = 0;
  std::string rest = Trim(commandLine);
  while (!rest.empty() && S.CommandArgCount < 10) {
    if (rest.front() == ',') rest = Trim(std::string_view(rest).substr(1));
    std::size_t end = std::string::npos;
    std::string arg;
    const bool quoted = !rest.empty() && rest.front() == '"';
    if (quoted) {
      // A doubled quote inside quotes stands for one quote of the argument.
      for (end = 1; end < rest.size(); ++end) {
        if (rest[end] != '"') {
          arg += rest[end];
        } else if (end + 1 < rest.size() && rest[end + 1] == '"') {
          arg += '"';
          ++end;
        } else {
          break;
        }
      }
    } else {
      // A blank ends an argument before a comma does.
      end = rest.find(' ');
      if (end == std::string::npos) end = rest.find(',');
    }
    if (end == std::string::npos) end = rest.size();
    if (!quoted) arg = rest.substr(0, end);
    S.CommandArgs[S.CommandArgCount] = arg;
    S.CommandLineText += " " + arg;
    ++S.CommandArgCount;
    rest = end < rest.size() ? Trim(std::string_view(rest).substr(end + 1)) : std::string();
  }
}

void Process_Command() {
  const std::string& folder = Cfg.DataPath;

  if (S.CommandArgCount == 1) {
    std::string name = S.CommandArgs[0];
    if (EndsWithNoCase(name, ".WCD") || EndsWithNoCase(name, ".VCD")) name.resize(name.size() - 4);
    name = InDataFolder(name, folder);
    RunHook(Hooks.Process_Data, name + ".WCD", name + ".VCD");
    return;
  }
  if (S.CommandArgCount == 2) {
    std::string chassis, engine;
    for (int i = 0; i < 2; ++i) {
      const std::string arg = InDataFolder(S.CommandArgs[i], folder);
      if (EndsWithNoCase(arg, ".WCD")) {
        if (!chassis.empty()) return Tell("Cannot specify two chassis files");
        chassis = arg;
      } else if (EndsWithNoCase(arg, ".VCD")) {
        if (!engine.empty()) return Tell("Cannot specify two engine files");
        engine = arg;
      }
    }
    if (chassis.empty() || engine.empty())
      return Tell("You must provide file names for both chassis and engine");
    RunHook(Hooks.Process_Data, chassis, engine);
    return;
  }
  Tell("Unrecognised command " + S.CommandLineText);
}

}  // namespace kestrelon
