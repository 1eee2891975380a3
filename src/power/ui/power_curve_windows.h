#pragma once
// Makes the curve entry reachable at start-up: the peak-figure form and the curve graph by
// their form names, the curve entry behind the Data menu and the data-entry sequence, and the
// curve tools (manipulations, table entry, the dynamometer import's curve question).

namespace kestrelon {

void RegisterPowerCurveWindows();

}  // namespace kestrelon
