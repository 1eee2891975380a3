#include "tree/ui/tree_windows.h"

#include "tree/ui/frmTree.h"

namespace kestrelon {

void RegisterTreeWindows() { Form::Register("frmTree", [] { return new frmTree; }); }

}  // namespace kestrelon
