#pragma once

#include "core/numbers.h"

namespace kestrelon {

struct RunState {
};

}  // namespace kestrelon
