#pragma once
// The rev limiter: cuts the engine's power when it passes the limit and brings it back
// gradually once the engine has fallen below it.

namespace kestrelon {

struct RunContext;

// Sets RevLimitCut and RevLimitFactor from the engine speed of the previous step.
void RevLimiterPhase(RunContext& __restrict c);

}  // namespace kestrelon
