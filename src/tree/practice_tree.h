#pragma once
// One practice run on the start tree, as a state machine. The user arms it (Pre-Stage), stages
// by pressing the space bar and launches by releasing it; the program plays the other lane,
// which stages at a random moment, and starts the tree together with the user or earlier or
// later by the handicap. The reaction time is measured from the last amber, so a perfect start
// reads the tree delay (0.500 or 0.400).
//
// Time is seconds of a monotonic clock that the caller reads and passes in. The machine's
// timers and waits are deadlines on that clock: the window (or a test) asks NextDeadline() and
// calls Advance(now) when it comes; Advance fires everything due, in time order, each at its own
// deadline, so the lights follow the tree's schedule exactly whatever the timer latency.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "tree/tree_lights.h"
#include "tree/tree_settings.h"

namespace kestrelon {

class PracticeTree {
 public:
  // random() gives a fresh number with 0 <= r < 1 at each call.
  explicit PracticeTree(std::function<double()> random);

  // Pre-Stage with accepted fields: resets the tree and starts the other lane's stage wait.
  void Arm(const TreeRunSettings& settings, double now);
  // The space bar pressed (the user stages) and released (the launch). A press while not armed
  // or already staged does nothing, nor does a release after the launch; a press first fires
  // every timer due by then.
  void SpaceDown(double now);
  void SpaceUp(double now);
  // The tree's window stopped being the active one. A release still being confirmed when it
  // went (released at release) is the launch; a space bar still held then can no longer be
  // released into the tree, so the racer has left the beams: the run is aborted.
  void WindowLeft(std::optional<double> release, double now);
  // Fires every timer and wait due at or before now.
  void Advance(double now);
  std::optional<double> NextDeadline() const;
  // The window closes: every timer and wait stops, nothing else changes.
  void Stop();

  void ClearStats();
  // A new window starts without the last result of an earlier one.
  void ClearLastRun() { lastRun_.clear(); }

  bool Armed() const { return armed_; }
  bool Lit(int lane, TreeBulb bulb) const { return lit_[lane][static_cast<int>(bulb)]; }
  // The user's green, once known (0 before).
  double GreenTime() const { return greenTime_; }

  // The last result: a reaction time "#0.000" or "Aborted", and its palette colour (12 for a red
  // light or an abort, 9 otherwise); empty before the first result.
  const std::string& LastRun() const { return lastRun_; }
  int LastRunColour() const { return lastRunColour_; }
  std::string RunsText() const;
  std::string RedsText() const;
  std::string AverageText() const;

 private:
  // The tree's one-shot timers and the waits that continue a sequence at a set time.
  enum Slot {
    StageTimer0, StageTimer1,  // per lane: the other lane stages, or the user's 20 s run out
    LaneTimer0, LaneTimer1,    // per lane: its amber sequence starts (handicap runs)
    AmberTimer,                // both lanes' amber sequence starts (no handicap)
    ComputerLane,              // the other lane's later steps (handicap runs), repeating
    RedLight,                  // the user's red bulb
    AmberWait,                 // the next step of the both-lanes sequence
    UserLaneWait,              // the next step of the user's own sequence (handicap runs)
    SlotCount
  };

  void Start(Slot slot, double at, double repeat = 0);
  void StopSlot(Slot slot) { deadline_[slot].reset(); }
  void Fire(Slot slot, double now);
  void Light(int lane, TreeBulb bulb, bool on = true) { lit_[lane][static_cast<int>(bulb)] = on; }
  void LightAmbers(int lane);
  void StageTimerFired(int lane, double now);
  void StartTree(double now);
  void AmberTimerFired(double now);
  void AmberWaitStep();
  void LaneTimerFired(int lane, double now);
  void UserLaneWaitStep();
  void ComputerLaneFired();
  void UserGreenReached(bool bothLanes);
  void ResultCheck();
  void ShowRunResult();
  void AbortRun();
  double ReactionTime() const;
  int RandomMs(int span, int base) const;

  std::function<double()> random_;
  TreeRunSettings run_;
  int userLane_ = 0, otherLane_ = 1;

  std::array<std::optional<double>, SlotCount> deadline_{};
  std::array<double, SlotCount> repeat_{};
  int amberStep_ = 0;     // what the AmberWait does next
  int userLaneStep_ = 0;  // what the UserLaneWait does next

  std::array<std::array<bool, TreeBulbCount>, 2> lit_{};
  bool armed_ = false;
  bool userStaged_ = false, otherStaged_ = false;
  double greenTime_ = 0, launchTime_ = 0;
  bool launched_ = false, userGreen_ = false, otherGreen_ = false;
  double reactionTime_ = -999;
  double sequenceStart_ = 0, stepTime_ = 0;
  std::array<double, 2> laneStart_{};
  bool redLit_ = false, resultShown_ = false;
  bool otherAmber2_ = false, otherAmber3_ = false;

  std::string lastRun_;
  int lastRunColour_ = 9;
  int runCount_ = 0, redCount_ = 0;
  double reactionTotal_ = 0;
};

}  // namespace kestrelon
