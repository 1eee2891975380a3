#pragma once
// The curve graph's Get menu imports: an Engine Analyser export or a SuperFlow file read into
// the edited column (PowerCurveIndex). Each is one step of the racer's work on the curve, never
// the end of it: whatever the file dialog or the import leaves in CancelFlag and LoadFailed (a
// cancelled dialog, a file refused or without data, an unexpected error) is put back as the
// command found it, so an entry the graph belongs to goes on when the graph is accepted and
// ends only by its own Cancel. An unexpected failure is shown under the import's title.

#include "power/curve_mouse_edit.h"
#include "power/power_graph_state.h"

namespace kestrelon {

// Get > Engine Analyser power curve (only while GraphReady): asks for the file, starting at the
// last import file or else the Engine Analyser folder, reads it into the edited column, fills
// it and sets the value-axis top for it. True when a file was chosen: the graph is drawn anew.
bool GetEngineAnalyserCurve(const PowerGraphState& graph, const PlotRow& plot);

// Get > SuperFlow power curve: asks for the *.SD9 file and reads it into the edited column
// without asking which curve; the stage in use stays as it was. True when a file was chosen.
bool GetSuperFlowCurve();

}  // namespace kestrelon
