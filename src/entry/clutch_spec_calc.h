#pragma once
// The clutch built up from its parts: plates, materials, springs and bob-weight arms give the
// torque capacities and the heat figures of the plate stack; a slider's bite and lock-up rpm give
// its capacities; the bite and lock-up rpm of a set of capacities are shown back to the racer.

#include <string>
#include <string_view>

#include "entry/clutch_entry.h"
#include "entry/field_reading.h"

namespace kestrelon {

// Checks the mechanical specification when it is ticked and stores it, then works out the
// capacities (into the capacity boxes too, whether or not the form is on screen), the bite and lock-up
// display and the plate heat figures. Unticked, it clears the plate count, air gap and heat model.
// workingCode is the form's layout code: "C", "L", "S" or "T".
Verdict CheckClutchSpec(ClutchEntry& e, std::string_view workingCode);

// Heat capacity, conductance and fade figures of the plate stack from the stored specification.
void CalcClutchPlateData();

// For a slider or lock-up clutch, the rpm at which the capacities in the boxes start to carry
// torque and hold the engine, written into the bite and lock-up boxes; quietly nothing when the
// capacities cannot be read.
void ShowLockupRPM(ClutchEntry& e, std::string_view workingCode);

// A slider's bite and lock-up rpm: checked against the curve and turned into the static and
// locked capacities (a capacity growing with the square of the speed, zero at the bite rpm and
// the engine's torque at the lock-up rpm). Nothing to do while the specification is ticked.
Verdict ValidateBiteLockupRPM(const ClutchEntry& e);

}  // namespace kestrelon
