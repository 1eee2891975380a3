#pragma once
// Makes the run graph's windows known by their form names: the graph "frmGraphDyn", the display
// options "frmSimDisplay" and the colours dialog "frmGraphColours".

namespace kestrelon {

void RegisterRunGraphWindows();

}  // namespace kestrelon
