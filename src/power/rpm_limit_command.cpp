#include "power/rpm_limit_command.h"

#include "platform/ui_seam.h"

namespace kestrelon {

void PowerManipulateRPMlimit(PowerGraphState& graph) {
  if (!graph.RPMLimitMode) {
    ui().MsgBox("Click at an RPM value to set new RPM limiter", Msg::OKOnly, "");
    graph.RPMLimitMode = true;
  } else {
    ui().MsgBox("New RPM limit now set", Msg::OKOnly, "");
    graph.RPMLimitMode = false;
  }
}

}  // namespace kestrelon
