#pragma once
// The curve graph's commands on the edited column (PowerCurveIndex) as a whole: the straight-
// line fill of gaps, the accept that rebuilds the peak summary and rev limit, the return to
// the curve as it was when its entry began, and the copy of another column.

#include "core/state/curve_state.h"
#include "power/curve_mouse_edit.h"
#include "power/power_graph_state.h"

namespace kestrelon {

// Joins the points with straight lines over the span and empties the rows above it; for
// column 0 MinRPMIndex first moves to the lowest point. A curve without a point below
// MaxRPMIndex only sets MinRPMIndex to 0. Filled rows are plotted unless printing or under
// AutoAccept. Runs only while GraphReady or AutoAccept.
void FillPowerCurve(const PowerGraphState& graph, const PlotRow& plot);

// Fill, entered flags, the curves stored (StoreCurves: as the power file gives them back,
// the span, summaries, rev limit, calculated nitrous stages and clutch figures as the vehicle
// opened again has them) and the rev limit's text. Runs only while GraphReady or AutoAccept;
// false when it did not run, or refused a column holding a torque a power file cannot hold
// (told as the table tells too much torque; the curve stays as it was). Unless accepting for
// F2 it also clears the range marks and the manipulation range (the window then closes).
bool AcceptPowerCurve(PowerGraphState& graph, const PlotRow& plot);

// F2: accepts without closing the window or resuming a guided entry, then runs the simulation
// again at once when a run exists and Shift is not held, else goes to the run pre-check.
void AcceptAndRun(PowerGraphState& graph, bool shiftHeld, const PlotRow& plot);

// What the graph's Cancel (taken when a curve entry begins) or its Original (taken when the graph
// opens) put back: the curve side, the calculator's set-up, the span the transmission was
// checked against, the sections' flags and the count of the vehicle's changes.
void TakeVehicleAsFound(CurveState::VehicleAsFound& found);

// A chassis opened while the graph is open becomes part of what Cancel and Original put back:
// the curve's own items it brings, its launch temperature, its own rev limit within the curve
// put back, the calculator's set-up and the flags it leaves. The curves stay those the entry
// found.
void TakeOpenedChassisIntoSnapshots();

// A power estimate kept while the graph is open becomes part of what Cancel and Original put
// back: its curves, span, limit, summaries and peak power. The curve's own items, title and
// launch temperature stay those the entry found.
void TakeKeptPowerIntoSnapshots();

// The calculator's set-up as the nitrous form's OK or its calculator left it becomes part of what
// Cancel and Original put back: only what the graph's own calculator typed goes with them.
void TakeCalcSetUpIntoSnapshots();

// Original: the curve side as it was when the graph opened (the column as before the entry's
// erase), with the axis tops for it; a rev limit picked meanwhile stays. The calculator's set-up,
// the transmission's checked span and (where nothing else changed the vehicle) the sections'
// flags come back as then; the rest is worked out for the curve put back as a store works it out.
void RestoreOriginalCurve();

// Cancel: the curves, span, summaries, peak power, rev limit, title, launch temperature, the
// curve's own items and the flags its accept sets as they were when the entry began, before its
// peak figures; then as Original the graph's own inputs, the flags where nothing else changed the
// vehicle, and the rest worked out. A Cancel that changed the vehicle leaves it unsaved; the
// guided entry is abandoned.
void CancelPowerCurve();

// Copies rows 1..MaxRPMIndex and the peak summary of another column into the edited one and
// empties the rows above; copying the first stage also recomputes the value-axis top.
void CopyCurveColumn(int source);

}  // namespace kestrelon
