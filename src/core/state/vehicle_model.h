#pragma once

#include "core/numbers.h"

namespace kestrelon {

struct VehicleModel {
};

}  // namespace kestrelon
