#pragma once
// The descriptions that label the vehicle items; the history log names changed items by them.

#include "core/state/vehicle_text.h"

namespace kestrelon {

// Writes the description of every described item of groups 1..10 into desc; the other
// elements (group 0, item 0 and the undescribed items) are left empty.
void BuildVehicleDataDesc(VehicleTable& desc);

}  // namespace kestrelon
