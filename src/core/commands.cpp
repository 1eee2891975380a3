#include "core/commands.h"

namespace kestrelon {

CommandHooks Hooks;

}  // namespace kestrelon
