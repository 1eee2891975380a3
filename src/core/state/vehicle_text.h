#pragma once
// The vehicle text table: every vehicle input as the racer typed it, with its unit code,
// indexed [group 0..10][item 0..20]. It is what a vehicle file holds.

#include <array>
#include <string>

namespace kestrelon {

inline constexpr int VehicleGroups = 11;  // groups 0..10
inline constexpr int VehicleItems = 21;   // items 0..20
using VehicleTable = std::array<std::array<std::string, VehicleItems>, VehicleGroups>;

struct VehicleTextState {
  VehicleTable VehicleData{};
  VehicleTable BaselineVehicleData{};  // taken by Set Baseline, restored by Reload Baseline Data
  VehicleTable LastRunVehicleData{};   // compared with the next logged run's settings
};

}  // namespace kestrelon
