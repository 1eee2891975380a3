#pragma once
// Makes the power estimate's windows reachable by their form names at start-up: the estimate
// dialog that Calculate > Estimate power opens, and the results window its search shows.

namespace kestrelon {

void RegisterEstimateWindows();

}  // namespace kestrelon
