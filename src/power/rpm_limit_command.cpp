#include "power/rpm_limit_command.h"

#include "core/program_title.h"
#include "platform/ui_seam.h"

namespace kestrelon {

// Both messages have no title of their own: they carry the program's, as its other boxes do.
void PowerManipulateRPMlimit(PowerGraphState& graph) {
  if (!graph.RPMLimitMode) {
    ui().MsgBox("Click at an RPM value to set new RPM limiter", Msg::OKOnly, ProgramTitle);
    graph.RPMLimitMode = true;
  } else {
    ui().MsgBox("New RPM limit now set", Msg::OKOnly, ProgramTitle);
    graph.RPMLimitMode = false;
  }
}

}  // namespace kestrelon
