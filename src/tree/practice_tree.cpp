#include "tree/practice_tree.h"

#include <cmath>

#include "core/numbers.h"

namespace kestrelon {
namespace {

// Palette colours of the last-run text.
constexpr int RedText = 12;
constexpr int BlueText = 9;
constexpr double NotComputed = -999;

// Launch minus green, to the microsecond: the clock's own resolution, so a release on the green
// is not a red light by a rounding error of the sums.
double LaunchAfterGreen(double launch, double green) {
  return std::round((launch - green) * 1e6) / 1e6;
}

// Whole milliseconds as seconds: the timers' intervals are whole milliseconds.
double Ms(long ms) { return static_cast<double>(ms) / 1000.0; }

}  // namespace

PracticeTree::PracticeTree(std::function<double()> random) : random_(std::move(random)) {}

int PracticeTree::RandomMs(int span, int base) const {
  return static_cast<int>(std::floor(random_() * span + base));
}

void PracticeTree::Start(Slot slot, double at, double repeat) {
  deadline_[slot] = at;
  repeat_[slot] = repeat;
}

void PracticeTree::Stop() {
  deadline_.fill(std::nullopt);
  armed_ = false;
}

std::optional<double> PracticeTree::NextDeadline() const {
  std::optional<double> next;
  for (const auto& d : deadline_)
    if (d && (!next || *d < *next)) next = d;
  return next;
}

void PracticeTree::Advance(double now) {
  for (;;) {
    int due = -1;
    for (int s = 0; s < SlotCount; ++s)
      if (deadline_[s] && *deadline_[s] <= now && (due < 0 || *deadline_[s] < *deadline_[due])) due = s;
    if (due < 0) return;
    const double at = *deadline_[due];
    if (repeat_[due] > 0)
      deadline_[due] = at + repeat_[due];
    else
      deadline_[due].reset();
    Fire(static_cast<Slot>(due), at);
  }
}

void PracticeTree::Fire(Slot slot, double now) {
  switch (slot) {
    case StageTimer0: case StageTimer1: return StageTimerFired(slot - StageTimer0, now);
    case LaneTimer0: case LaneTimer1: return LaneTimerFired(slot - LaneTimer0, now);
    case AmberTimer: return AmberTimerFired(now);
    case ComputerLane: return ComputerLaneFired();
    case RedLight: return Light(userLane_, TreeBulb::Red);
    case AmberWait: return AmberWaitStep();
    case UserLaneWait: return UserLaneWaitStep();
    case SlotCount: return;
  }
}

void PracticeTree::Arm(const TreeRunSettings& settings, double now) {
  run_ = settings;
  userLane_ = settings.lane;
  otherLane_ = 1 - settings.lane;
  deadline_.fill(std::nullopt);
  for (auto& lane : lit_) {
    lane.fill(false);
    lane[static_cast<int>(TreeBulb::Prestage1)] = true;
    lane[static_cast<int>(TreeBulb::Prestage2)] = true;
  }
  launchTime_ = greenTime_ = 0;
  reactionTime_ = NotComputed;
  launched_ = otherGreen_ = userStaged_ = otherStaged_ = false;
  redLit_ = resultShown_ = otherAmber2_ = otherAmber3_ = false;
  // Cleared at arming, so a handicap run never ends on the previous run's green.
  userGreen_ = false;
  armed_ = true;
  Start(static_cast<Slot>(StageTimer0 + otherLane_), now + Ms(RandomMs(14000, 1000)));
}

void PracticeTree::SpaceDown(double now) {
  // A timer due before the press (the other lane staging, the user's time to stage running
  // out) has its effect first, however late its tick is delivered.
  Advance(now);
  if (!armed_ || userStaged_) return;
  StopSlot(static_cast<Slot>(StageTimer0 + userLane_));
  userStaged_ = true;
  Light(userLane_, TreeBulb::Stage1);
  Light(userLane_, TreeBulb::Stage2);
  const auto otherStage = static_cast<Slot>(StageTimer0 + otherLane_);
  if (otherStaged_) {
    StopSlot(otherStage);
    StartTree(now);
  } else {
    // The other lane stages 1 to 15 s after the user.
    Start(otherStage, now + Ms(RandomMs(14000, 1000)));
  }
}

void PracticeTree::StageTimerFired(int lane, double now) {
  if (lane != otherLane_) return AbortRun();  // the user's 20 s to stage ran out
  Light(otherLane_, TreeBulb::Stage1);
  Light(otherLane_, TreeBulb::Stage2);
  otherStaged_ = true;
  const auto userStage = static_cast<Slot>(StageTimer0 + userLane_);
  if (userStaged_) {
    StopSlot(userStage);
    StartTree(now);
  } else {
    Start(userStage, now + 20.0);
  }
}

// Both lanes are staged: the tree starts after a random 1 to 3.5 s, the lanes apart by the
// handicap (a positive one starts the user's tree later).
void PracticeTree::StartTree(double now) {
  const long w = RandomMs(2500, 0) + 1000;
  StopSlot(RedLight);
  if (!run_.useHandicap) {
    StopSlot(LaneTimer0);
    StopSlot(LaneTimer1);
    Start(AmberTimer, now + Ms(w));
    return;
  }
  StopSlot(AmberTimer);
  const long handicapMs = static_cast<long>(std::floor(run_.handicapTime * 1000));
  const auto userTimer = static_cast<Slot>(LaneTimer0 + userLane_);
  const auto otherTimer = static_cast<Slot>(LaneTimer0 + otherLane_);
  if (run_.handicapTime > 0) {
    Start(otherTimer, now + Ms(w));
    Start(userTimer, now + Ms(handicapMs + w));
  } else {
    Start(userTimer, now + Ms(w));
    Start(otherTimer, now + Ms(w - handicapMs));
  }
}

void PracticeTree::LightAmbers(int lane) {
  Light(lane, TreeBulb::Amber1);
  Light(lane, TreeBulb::Amber2);
  Light(lane, TreeBulb::Amber3);
}

// Both lanes' ambers: 0.5 s apart on the Sportsman tree with the green 0.5 s after the third;
// all together on the Pro trees with the green the tree delay later.
void PracticeTree::AmberTimerFired(double now) {
  if (greenTime_ != 0) return;
  StopSlot(ComputerLane);
  if (run_.treeType == 0) {
    Light(0, TreeBulb::Amber1);
    Light(1, TreeBulb::Amber1);
    sequenceStart_ = now;
    greenTime_ = now + 1.5;
    stepTime_ = now + 0.5;
    amberStep_ = 1;
    Start(AmberWait, stepTime_);
    return;
  }
  greenTime_ = now + run_.treeDelay;
  LightAmbers(0);
  LightAmbers(1);
  amberStep_ = 3;
  Start(AmberWait, greenTime_);
}

void PracticeTree::AmberWaitStep() {
  switch (amberStep_) {
    case 1:
      Light(0, TreeBulb::Amber2);
      Light(1, TreeBulb::Amber2);
      stepTime_ = sequenceStart_ + 1.0;
      amberStep_ = 2;
      return Start(AmberWait, stepTime_);
    case 2:
      Light(0, TreeBulb::Amber3);
      Light(1, TreeBulb::Amber3);
      amberStep_ = 3;
      return Start(AmberWait, greenTime_);
    default:
      UserGreenReached(true);
      return ResultCheck();
  }
}

// One lane's ambers in a handicap run. The other lane's later steps come from the repeating
// computer-lane timer; the user's lane runs its own sequence to its green.
void PracticeTree::LaneTimerFired(int lane, double now) {
  laneStart_[lane] = now + run_.treeDelay;
  if (run_.treeType == 0) {
    Light(lane, TreeBulb::Amber1);
    if (lane == otherLane_) {
      Start(ComputerLane, now + 0.5, 0.5);
      // The user's green, foreseen from the other lane.
      if (greenTime_ == 0) greenTime_ = laneStart_[lane] + 1.0 + run_.handicapTime;
      return ResultCheck();
    }
    greenTime_ = laneStart_[lane] + 1.0;
    userLaneStep_ = 1;
    return Start(UserLaneWait, laneStart_[lane]);
  }
  LightAmbers(lane);
  if (lane == otherLane_) {
    otherAmber2_ = otherAmber3_ = true;
    const double delay = Ms(static_cast<long>(std::floor(run_.treeDelay * 1000)));
    Start(ComputerLane, now + delay, delay);
    return ResultCheck();
  }
  greenTime_ = laneStart_[lane];
  userLaneStep_ = 3;
  Start(UserLaneWait, greenTime_);
}

void PracticeTree::UserLaneWaitStep() {
  double& step = laneStart_[userLane_];
  switch (userLaneStep_) {
    case 1:
      Light(userLane_, TreeBulb::Amber2);
      step += 0.5;
      userLaneStep_ = 2;
      return Start(UserLaneWait, step);
    case 2:
      Light(userLane_, TreeBulb::Amber3);
      step += 0.5;
      greenTime_ = step;
      userLaneStep_ = 3;
      return Start(UserLaneWait, greenTime_);
    default:
      UserGreenReached(false);
      return ResultCheck();
  }
}

void PracticeTree::ComputerLaneFired() {
  if (!otherAmber2_) {
    Light(otherLane_, TreeBulb::Amber2);
    otherAmber2_ = true;
  } else if (!otherAmber3_) {
    Light(otherLane_, TreeBulb::Amber3);
    otherAmber3_ = true;
  } else {
    Light(otherLane_, TreeBulb::Green);
    StopSlot(ComputerLane);
    otherGreen_ = true;
    ResultCheck();
  }
}

// The user's green time has come; without a handicap the other lane's green comes with it.
void PracticeTree::UserGreenReached(bool bothLanes) {
  userGreen_ = true;
  if (bothLanes) {
    otherGreen_ = true;
    Light(otherLane_, TreeBulb::Green);
  }
  if (!redLit_) Light(userLane_, TreeBulb::Green);
}

void PracticeTree::SpaceUp(double now) {
  // The car leaves once: a later release (after pressing again) never replaces the timing,
  // so a red light stays red.
  if (!armed_ || launched_) return;
  if (!otherStaged_) return AbortRun();  // left the beams before the other lane staged
  launchTime_ = run_.delayTime + now + run_.rollout;
  if (greenTime_ == 0 || LaunchAfterGreen(launchTime_, greenTime_) < 0) {
    redLit_ = true;
    const double ms = std::trunc((launchTime_ - now) * 1000);
    if (ms <= 0)
      Light(userLane_, TreeBulb::Red);
    else
      Start(RedLight, now + ms / 1000);
  }
  launched_ = true;
  if (greenTime_ > 0) reactionTime_ = ReactionTime();
  ResultCheck();
}

void PracticeTree::WindowLeft(std::optional<double> release, double now) {
  if (release) {
    Advance(*release);
    SpaceUp(*release);
  }
  Advance(now);
  if (armed_ && userStaged_ && !launched_) AbortRun();
}

double PracticeTree::ReactionTime() const {
  return run_.treeDelay + LaunchAfterGreen(launchTime_, greenTime_);
}

// The result comes when the last of the user's release, the user's green and the other lane's
// green has happened.
void PracticeTree::ResultCheck() {
  if (launched_ && otherGreen_ && userGreen_ && !resultShown_) ShowRunResult();
}

void PracticeTree::ShowRunResult() {
  resultShown_ = true;
  StopSlot(AmberTimer);
  StopSlot(LaneTimer0);
  StopSlot(LaneTimer1);
  armed_ = false;
  ++runCount_;
  if (reactionTime_ == NotComputed) reactionTime_ = ReactionTime();
  lastRun_ = Format(reactionTime_, "#0.000");
  if (reactionTime_ < run_.treeDelay) {
    ++redCount_;
    lastRunColour_ = RedText;
  } else {
    reactionTotal_ += reactionTime_;
    lastRunColour_ = BlueText;
  }
}

void PracticeTree::AbortRun() {
  deadline_.fill(std::nullopt);
  Light(userLane_, TreeBulb::Red);
  lastRun_ = "Aborted";
  lastRunColour_ = RedText;
  armed_ = false;
  ++runCount_;
  ++redCount_;
}

void PracticeTree::ClearStats() {
  runCount_ = redCount_ = 0;
  reactionTotal_ = 0;
}

std::string PracticeTree::RunsText() const { return "Runs: " + std::to_string(runCount_); }
std::string PracticeTree::RedsText() const { return "Reds: " + std::to_string(redCount_); }

std::string PracticeTree::AverageText() const {
  if (runCount_ <= redCount_) return "Average RT:";
  return "Average RT: " + Format(reactionTotal_ / (runCount_ - redCount_), "#0.000");
}

}  // namespace kestrelon
