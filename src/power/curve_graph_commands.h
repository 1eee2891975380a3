#pragma once
// The curve graph's commands on the edited column (PowerCurveIndex) as a whole: the straight-
// line fill of gaps, the accept that rebuilds the peak summary and rev limit, the return to
// the curve as it was when its entry began, and the copy of another column.

#include "power/curve_mouse_edit.h"
#include "power/power_graph_state.h"

namespace kestrelon {

// Joins the points with straight lines over the span and empties the rows above it; for
// column 0 MinRPMIndex first moves to the lowest point. A curve without a point below
// MaxRPMIndex only sets MinRPMIndex to 0. Filled rows are plotted unless printing or under
// AutoAccept. Runs only while GraphReady or AutoAccept.
void FillPowerCurve(const PowerGraphState& graph, const PlotRow& plot);

// Fill, peak summary, rev-limit clamp and its text, entered flags. Runs only while GraphReady
// or AutoAccept; false when it did not run, or refused a column holding a torque a power file
// cannot hold (told as the table tells too much torque; the curve stays as it was). Unless
// accepting for F2 it also clears the range marks and the manipulation range (the window then
// closes).
bool AcceptPowerCurve(PowerGraphState& graph, const PlotRow& plot);

// F2: accepts without closing the window or resuming a guided entry, then runs the simulation
// again at once when a run exists and Shift is not held, else goes to the run pre-check.
void AcceptAndRun(PowerGraphState& graph, bool shiftHeld, const PlotRow& plot);

// The column, MaxRPMIndex and its item as they were when the entry began, with the axis tops for
// them and the clutch's figures worked out again.
void RestoreOriginalCurve();

// Cancel: the original curve back, filled, its summary brought into line with it, the rev limit
// as it was when the entry began and the clutch's figures worked out again; the guided entry is
// abandoned.
void CancelPowerCurve(const PowerGraphState& graph, const PlotRow& plot);

// Copies rows 1..MaxRPMIndex and the peak summary of another column into the edited one and
// empties the rows above; copying the first stage also recomputes the value-axis top.
void CopyCurveColumn(int source);

}  // namespace kestrelon
