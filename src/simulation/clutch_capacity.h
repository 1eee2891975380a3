#pragma once
// The two torque capacities of a clutch built from its mechanical specification: the spring's
// (static) and the bob-weights' at the top of the curve (locked).

namespace kestrelon {

// Computes ClutchTorqueStatic and ClutchTorqueLocked (with their copies) from the
// specification when it is in use, writes them as display texts into the vehicle items and,
// when the clutch form is open, into its boxes.
void CalcClutchCapacity();

}  // namespace kestrelon
