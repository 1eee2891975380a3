#include "simulation/rev_limiter.h"

#include <algorithm>

#include "core/state.h"
#include "simulation/run_context.h"

namespace kestrelon {

void RevLimiterPhase(RunContext& __restrict c) {
  const Single limit = S.RevLimitIndex;
  if (S.EngineSpeed > limit && S.RevLimitCut == False) {
    S.RevLimitCut = True;
    c.RevCutStart = S.RunTime;
    c.RevRecoveryStart = 0;
  }
  if (S.RevLimitCut == False) {
    S.RevLimitFactor = 1.0f;
    return;
  }
  if (S.EngineSpeed >= limit) {
    const Single e = S.RunTime - c.RevCutStart;
    S.RevLimitFactor = e < 0.02f ? 1.0f - e / 0.02f : 0.0f;
    c.RevRecoveryStart = 0;
  } else {
    if (c.RevRecoveryStart == 0) c.RevRecoveryStart = S.RunTime;
    const Single e = S.RunTime - c.RevRecoveryStart;
    if (e < 0.02f)
      S.RevLimitFactor = 0.0f;
    else if (e < 0.08f)
      S.RevLimitFactor = e / 0.08f;
    else
      S.RevLimitCut = False;  // the factor of the previous step holds for this one step
    // Power comes back over the last row below the limit.
    S.RevLimitFactor *= std::min(limit - S.EngineSpeed, 1.0f);
  }
  if (S.RevLimitFactor == 0.0f) S.RevLimitFactor = -0.2f;  // a full cut drags the engine
}

}  // namespace kestrelon
