#pragma once
// The crankshaft inertia section: the crank's inertia estimated from stroke and mass or typed
// directly, and the engine-side inertia with the clutch reflected through the primary drive.

#include <string>

#include "entry/field_reading.h"

namespace kestrelon {

enum InertiaField { InertiaCrankStrokeField, InertiaCrankMassField, InertiaCrankField };

// What the inertia form shows; the clutch boxes are for reference only.
struct InertiaEntry {
  std::string CrankStroke, CrankMass, Crank, ClutchDia, ClutchMass, Clutch;
};

// A crankshaft's moment of inertia from its stroke (m) and mass (kg).
Single CrankInertiaEstimate(Single stroke, Single mass);
// The engine side referred to the crankshaft: crank plus clutch through the primary drive
// (a primary ratio of 0 counts as 1).
Single EngineInertiaOf(Single crankInertia, Single clutchInertia, Single primaryRatio);

// Once the inertia section is entered, the engine-side inertia follows a new clutch or primary
// drive at once, as reopening the vehicle works it out, not only at the inertia form's OK.
void FollowEngineInertia();

void LoadInertia(InertiaEntry& entry);
// The OK's checks in order; on acceptance the model and the crankshaft texts.
Verdict AcceptInertia(InertiaEntry& entry);

}  // namespace kestrelon
