#pragma once
// Reading the built-in example table: the vehicle texts and torque points of one example.

#include <string_view>
#include <utility>
#include <vector>

#include "core/numbers.h"

namespace kestrelon {

struct ExampleItem {
  int group = 0;
  int item = 0;
  std::string_view text;
};

struct ExamplePoint {
  int column = 0;
  int row = 0;
  Single torque = 0;
};

struct ExampleVehicle {
  std::vector<ExampleItem> items;
  std::vector<ExamplePoint> points;
};

// The table itself, one example after another (layout described where it is defined).
extern const char* const ExampleVehicleText;

// The data of the example with this key; empty when the table has no such example.
ExampleVehicle ExampleData(std::string_view key);

}  // namespace kestrelon
