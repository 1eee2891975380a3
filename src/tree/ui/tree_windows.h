#pragma once
// Makes the practice tree window reachable by its form name at start-up.

namespace kestrelon {

void RegisterTreeWindows();

}  // namespace kestrelon
