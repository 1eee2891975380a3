#include "core/startup.h"

#include "core/command_line.h"
#include "core/model_reset.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/paths.h"

namespace kestrelon {

bool StartupBeforeSplash(const CommandLineSource& commandLine, const SettingsFiles& files) {
  // The window places not yet set, the empty history ring and the estimate defaults are the
  // state's start values.
  LoadSettings(files);
  ParseCommandLine(commandLine.Text());
  return S.CommandArgCount == 0 && Cfg.ShowLogo != False;
}

void StartupAfterSplash() {
  InitTables();
  ResetModel();
  const std::string sfData = EnvironmentText("SFDATA");
  S.SuperFlowDataPath = sfData.empty() ? Cfg.DataPath : CompleteFolder(sfData);
  S.CalcRequested = True;
}

}  // namespace kestrelon
