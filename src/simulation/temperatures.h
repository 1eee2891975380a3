#pragma once
// Heat in a step: the clutch pack heated by its slip and giving heat to the clutch body, and
// the driven tyre heated by slip and rolling work and cooled by the air.

namespace kestrelon {

struct RunContext;

void ClutchHeatPhase(RunContext& __restrict c);
void TyreTempPhase(RunContext& __restrict c);

}  // namespace kestrelon
