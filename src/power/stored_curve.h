#pragma once
// A curve that a command stores in the vehicle is held in session as the vehicle's power file
// gives it back, with everything worked out from it as when the vehicle is opened again, so that
// the run in session is the run of the vehicle saved and opened again.

namespace kestrelon {

// One column with the digits its power file writes and reads back (nothing of the no-nitrous
// curve above MaxRPMIndex); the span is left as it is.
void HoldColumnAsFiled(int column);

// The curves as a power file gives them back: every column with the digits it writes (nothing
// of the no-nitrous curve above MaxRPMIndex), and the span the file's reader finds in the
// no-nitrous curve (from its first torque to the row before the next empty one, the curve
// emptied above it). Nothing is worked out from them.
void HoldColumnsAsFiled();

// Holds the curves once a command has changed a column: HoldColumnsAsFiled, then what an opened
// vehicle works out from them but the clutch: the peak summaries, the rev limit from its item
// (9, 2) inside the span and the nitrous stages that the calculator builds on a curve. The file
// holds all three columns and a change of any of them (a new top rpm too) may leave the span
// where its reader would not, so whichever column the command changed, all are held.
void HoldCurvesAsFiled();

// A command's stored curves: HoldColumnsAsFiled, then FollowStoredCurves.
void StoreCurves();

// What the vehicle opened again works out from its curves and enters after them: the summaries,
// the rev limit and the calculated stages (as HoldCurvesAsFiled), the transmission's upshifts
// checked against a new span, the nitrous stages that the curves give, and the clutch's figures.
// Also for curves put back as they were.
void FollowStoredCurves();

// The no-nitrous curve ends at a top that the peak figures lowered, as a power file saved now
// gives it back: nothing above the top, and the summaries, the rev limit and the calculated
// stages worked out for it. A run before the graph's OK runs the vehicle that the save gives.
void EndCurveAtTop();

}  // namespace kestrelon
