#pragma once
// One way for the vehicle to change outside the curve graph. Every command that changes it (a
// data form's OK, the nitrous calculator's OK from the nitrous form, Open Chassis, a kept power
// estimate) ends in VehicleChanged, which works out from the change what opening the vehicle
// again works out, and counts the change.

namespace kestrelon {

// The nitrous stages follow the change: a stage the calculator builds is built again (for the
// day's air, on its base curve as it now stands), one it does not build is held as its power
// file gives it back; then the clutch's figures are worked out again and the change is counted
// (VehicleChanges). A column under an open curve graph's edit is left to the graph.
void VehicleChanged();

}  // namespace kestrelon
