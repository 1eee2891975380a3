#include "simulation/ui/estimate_windows.h"

#include "simulation/ui/frmEstResult.h"
#include "simulation/ui/frmEstimate.h"

namespace kestrelon {

void RegisterEstimateWindows() {
  Form::Register("frmEstimate", [] { return new frmEstimate; });
  Form::Register("frmEstResult", [] { return new frmEstResult; });
}

}  // namespace kestrelon
