#pragma once
// Makes the curve entry reachable at start-up: the peak-figure form and the curve graph by
// their form names, and the curve entry behind the Data menu and the data-entry sequence.

namespace kestrelon {

void RegisterPowerCurveWindows();

}  // namespace kestrelon
