#pragma once
// The driven tyre in a step: air drag and lift, rolling radius and pressure, contact patch and
// axle height, rolling resistance, slip and the grip it gives.

#include "core/numbers.h"

namespace kestrelon {

struct RunContext;

// Rolling resistance of the driven tyres in N at a tyre pressure (Pa), for the present rear load.
Single TractionLimit(Single Pressure);

void TyrePhase(RunContext& __restrict c);

}  // namespace kestrelon
