#include "core/state.h"

namespace kestrelon {

SharedState S;

}  // namespace kestrelon
