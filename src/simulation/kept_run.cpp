#include "simulation/kept_run.h"

#include <array>

#include "core/state.h"
#include "platform/ui_seam.h"
#include "simulation/timing_points.h"

namespace kestrelon {

struct KeptRun::Results {
  std::array<std::array<Single, RunPoints>, RunChannelCount> points{};
  Integer PointCount = 0;
  RecordedRunSettings settings;
  std::array<Single, 11> GearEngagedTime{}, GearEngagedRPM{}, WheelieTime{};
  Integer WheelieCount = 0;
  Single RearWheelLoad = 0;
};

namespace {

// Each kept value beside its place in the model, one list for both ways.
template <typename Move>
void Pair(KeptRun::Results& r, Move move) {
  for (int ch = 0; ch < RunChannelCount; ++ch) move(r.points[ch], S.RunResults[ch][CurrentRun]);
  move(r.PointCount, S.PointCount);
  move(r.settings, S.RecordedWith);
  move(r.GearEngagedTime, S.GearEngagedTime[CurrentRun]);
  move(r.GearEngagedRPM, S.GearEngagedRPM[CurrentRun]);
  move(r.WheelieTime, S.WheelieTime[CurrentRun]);
  move(r.WheelieCount, S.WheelieCount[CurrentRun]);
  move(r.RearWheelLoad, S.RearWheelLoad);
}

}  // namespace

KeptRun::KeptRun() : results_(std::make_unique<Results>()) {
  Pair(*results_, [](auto& kept, const auto& model) { kept = model; });
}

KeptRun::~KeptRun() = default;
KeptRun::KeptRun(KeptRun&&) noexcept = default;
KeptRun& KeptRun::operator=(KeptRun&&) noexcept = default;

void KeptRun::PutBack() {
  Pair(*results_, [](const auto& kept, auto& model) { model = kept; });
  CalcTimingPoints();
}

void ClearRunResults() {
  for (auto& channel : S.RunResults) channel[CurrentRun].fill(0);
  S.PointCount = 0;
  S.GearEngagedTime[CurrentRun].fill(0);
  S.GearEngagedRPM[CurrentRun].fill(0);
  S.WheelieTime[CurrentRun].fill(0);
  S.WheelieCount[CurrentRun] = 0;
  S.RearWheelLoad = 0;
  CalcTimingPoints();
}

void ShowRunResults() {
  ui().RefreshResultWindows();
  ShowRunInGraph();
}

void ShowRunInGraph() {
  S.GraphDynRecalc = True;
  S.NewRunPending = False;
  if (ui().RefreshRunGraph() || ui().RefreshSimDisplay()) {
    S.NewRunPending = True;
    return;
  }
  S.NewRunPending = True;
  ui().DoEvents();
  ui().ShowSimDisplay();
}

}  // namespace kestrelon
