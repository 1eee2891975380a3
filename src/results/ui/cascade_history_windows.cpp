#include "results/ui/cascade_history_windows.h"

#include "results/ui/frmGraphCascade.h"
#include "results/ui/frmHistory.h"

namespace kestrelon {

void RegisterCascadeHistoryWindows() {
  Form::Register("frmGraphCascade", [] { return new frmGraphCascade; });
  Form::Register("frmHistory", [] { return new frmHistory; });
}

}  // namespace kestrelon
