#pragma once
// What the mouse does to the edited curve (column PowerCurveIndex): the pointer read as a row
// and a display value, a point set or erased at a row, the two range marks, the pick of a new
// rev limiter, the read-out texts and the erase of the whole curve. Drawing is left to the
// caller: `plot(row, draw)` draws (true) or paints over (false) one row's marks.

#include <functional>
#include <string>

#include "core/numbers.h"
#include "power/power_graph_state.h"

namespace kestrelon {

using PlotRow = std::function<void(int row, bool draw)>;

// MouseValue = y / GraphYPerUnit; MouseRPMIndex = x / GraphXPerRPMIndex rounded half to even.
void MapPointer(PowerGraphState& graph, Single x, Single y);

// Sets the point at MouseRPMIndex to MouseValue (stored x TorqueUnitDivisor) when the row lies
// in firstRow..MaxRPMIndex and the value is not negative. An old point is painted over first;
// in erase mode (PowerEraseMode 1 or E held) the row stays empty and MouseValue becomes 0.
void SetCurvePoint(PowerGraphState& graph, int firstRow, const PlotRow& plot);

// With no button down the read-outs follow the curve where the row holds a point, and a
// negative pointer value reads 0.
void FollowCurve(PowerGraphState& graph);

// "RPM : 6500", "lb/ft : 412.50", "BHP : 509.12" for the pointer's row and value.
std::string RPMReadout(const PowerGraphState& graph);
std::string TorqueReadout(const PowerGraphState& graph);
std::string PowerReadout(const PowerGraphState& graph);

// Right click at a row of 1..MaxRPMIndex: a click on either mark removes both; otherwise the
// first free mark takes the row (the two kept in rising order); with both set nothing changes.
// True when the marks changed.
bool ToggleRangeMark(PowerGraphState& graph, int row);

// Sets the rev limiter to a row above MinRPMIndex, up to MaxRPMIndex, other than the present
// one, and its text " 6500" in the vehicle texts. False (nothing changed) otherwise.
bool PickRevLimit(int row);

// Empties rows MinRPMIndex..MaxRPMIndex of the edited column.
void EraseEntireCurve();

}  // namespace kestrelon
