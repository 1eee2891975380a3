#include "core/ui/sub_main.h"

#include "core/startup.h"
#include "core/state.h"
#include "core/ui/frmAbout.h"

namespace kestrelon {

std::unique_ptr<Form1> SubMain(std::string_view commandLine) {
  if (StartupBeforeSplash(commandLine)) ShowSplash();
  StartupAfterSplash();
  auto bar = std::make_unique<Form1>();
  // The command-line run happens inside the bar's load, before the bar is on screen; an exit
  // chosen there ends the program without showing it.
  bar->Load();
  if (!bar->IsLoaded()) return nullptr;
  bar->Show();
  S.CalcRequested = True;
  return bar;
}

}  // namespace kestrelon
