#pragma once
// Before the first step: the constants of the run worked out once, and the vehicle standing on
// the start line with the engine at its launch speed.

namespace kestrelon {

struct RunContext;

void SetUpRun(RunContext& __restrict c);

}  // namespace kestrelon
