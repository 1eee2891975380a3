#include "report/ui/report_windows.h"

#include "report/ui/frmList.h"

namespace kestrelon {

void RegisterReportWindows() {
  Form::Register("frmList", [] { return new frmList; });
}

}  // namespace kestrelon
