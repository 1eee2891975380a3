#pragma once

#include "core/numbers.h"

namespace kestrelon {

struct AppState {
};

}  // namespace kestrelon
