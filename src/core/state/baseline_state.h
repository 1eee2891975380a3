#pragma once
// The baseline record besides its run column (run 1 of RunResults and the gear and wheelie
// records), its vehicle texts (BaselineVehicleData) and its flag (BaselineSet): the timing
// figures the run graph compares against, and the engine data and file names that Reload
// Baseline Data puts back.

#include <array>
#include <string>

#include "core/numbers.h"
#include "core/state/curve_state.h"

namespace kestrelon {

struct BaselineState {
  Single BaselineLaunchTime = 0;    // s, the run length the baseline ran for
  Single BaselineRolloutTime = 0;   // s
  Single BaselineLaunchStage = 0;   // m, staging distance
  Integer BaselinePointCount = 0;   // last point recorded in the baseline run
  Single BaselinePointSpacing = 0;  // s between two of its recorded points
  Integer BaselineRevLimitIndex = 0;  // rpm / 100
  std::string BaselinePowerFileName;
  std::string BaselineVehicleFileName;
  CurveTable BaselinePowerCurve{};      // [column][row], rows 0..201
  PeakSummary BaselineEngineSummary{};  // [column][k]
  // Timing figures as text for the performance box: rollout, 60, 330, 660, 1320 ft, spot.
  std::array<std::string, 6> BaselinePerfText{};
};

}  // namespace kestrelon
