#pragma once
// Makes the run graph's windows known by their form names: the graph "frmGraphDyn", the display
// options "frmSimDisplay" and the colours dialog "frmGraphColours"; a graph on screen is drawn
// again when Reload Baseline Data takes the baseline away (call after RegisterFileWindows).

namespace kestrelon {

void RegisterRunGraphWindows();

}  // namespace kestrelon
