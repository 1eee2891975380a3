// The practice run on a fake clock. The random source is fixed at 0: armed at 0 and staged at
// 0.1 s, the other lane stages at 1.1 s and the tree starts 1 s later, at 2.1 s (a handicap
// delays one lane's start by its whole milliseconds).
#include "tree/practice_tree.h"
#include "tree/space_bar.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TreeRunSettings Tree(int type, double rollout = 0, double delay = 0) {
  return {type, 0, delay, 0, false, rollout, type == 2 ? 0.4 : 0.5};
}

// The handicap in single precision, as the settings keep it.
TreeRunSettings Handicapped(int type, float handicap) {
  return {type, 0, 0, handicap, true, 0, type == 2 ? 0.4 : 0.5};
}

TreeRunSettings RightLane(TreeRunSettings s) {
  s.lane = 1;
  return s;
}

class PracticeTreeTest : public ::testing::Test {
 protected:
  PracticeTree tree{[] { return 0.0; }};

  void StageBoth(const TreeRunSettings& s, double t = 0) {
    tree.Arm(s, t);
    tree.SpaceDown(t + 0.1);
    tree.Advance(t + 1.1);
  }
  // Releases at t, after whatever the tree did by then.
  void Release(double t) {
    tree.Advance(t);
    tree.SpaceUp(t);
  }
};

TEST_F(PracticeTreeTest, ReactionTimeAndRedLightPerTree) {
  struct Case {
    const char* what;
    TreeRunSettings s;
    double release, again, until;  // again: a second press and release (0: none)
    const char* result;            // "": the run goes on
    bool red;
    double left = 0;  // the window left (0: never); a release less than the repeat check before counts
  };
  const Case cases[] = {
      {"Pro .400 at the green", Tree(2), 2.5, 0, 2.5, "0.400", false},
      {"Pro .400 10 ms early", Tree(2), 2.49, 0, 2.5, "0.390", true},
      {"Sportsman, rollout .2, 0.3 s late", Tree(0, 0.2), 3.9, 0, 4, "1.000", false},
      {"delay box .5, 0.3 s early", Tree(1, 0, 0.5), 2.3, 0, 2.6, "0.700", false},
      // The red bulb lights when the car leaves: the release plus the delay box.
      {"delay box 1, early", Tree(2, 0, 1), 1.25, 0, 2.2499, "", false},
      {"delay box 1, early, red", Tree(2, 0, 1), 1.25, 0, 2.25, "", true},
      {"before the ambers", Tree(1), 2.0, 0, 2.6, "-0.100", true},
      // The racer's tree starts first: the result waits for the other lane's green.
      {"handicap -1", Handicapped(1, -1), 2.6, 0, 3.599, "", false},
      {"handicap -1, other green", Handicapped(1, -1), 2.6, 0, 3.6, "0.500", false},
      {"red light is final", Handicapped(1, -1), 2.2, 2.7, 3.6, "0.100", true},
      {"Pro .400 other lane", Handicapped(2, -1), 2.5, 0, 3.499, "", false},
      {"Pro .400 other lane green", Handicapped(2, -1), 2.5, 0, 3.5, "0.400", false},
      // -1.2345 s puts the other lane's start 1235 ms (not 1234 ms) after the racer's.
      {"rounded handicap", Handicapped(1, -1.2345f), 2.6, 0, 3.8345, "", false},
      {"rounded handicap, green", Handicapped(1, -1.2345f), 2.6, 0, 3.835, "0.500", false},
      // Handicap 1: the other lane's ambers at 2.1 s, the racer's at 3.1 s, green at 4.6 s.
      {"Sportsman handicap 1", Handicapped(0, 1), 4.7, 0, 4.7, "0.600", false},
      // Released before the racer's ambers: the green foreseen from the other lane's times the
      // launch, which the delay box puts after it.
      {"Sportsman, the green foreseen", {0, 0, 2.5, 1, true, 0, 0.5}, 2.2, 0, 4.6, "0.600", false},
      {"Sportsman handicap -1", Handicapped(0, -1), 3.7, 0, 4.599, "", false},
      {"Sportsman handicap -1, other green", Handicapped(0, -1), 3.7, 0, 4.6, "0.600", false},
      // The racer's tree starts later: the other lane's green comes first.
      {"Pro handicap 1", Handicapped(1, 1), 2.5, 0, 3.599, "", true},
      {"Pro handicap 1, own green", Handicapped(1, 1), 2.5, 0, 3.6, "-0.600", true},
      {"right lane", RightLane(Tree(2)), 2.5, 0, 2.5, "0.400", false},
      {"right lane, handicap -1", RightLane(Handicapped(0, -1)), 3.7, 0, 4.6, "0.600", false},
      {"right lane, handicap 1", RightLane(Handicapped(0, 1)), 4.6, 0, 4.6, "0.500", false},
      // Leaving the window with the bar held leaves the beams; a release seen first launches.
      {"window left, the bar held", Tree(2), 0, 0, 3, "Aborted", true, 2.3},
      {"window left, the release confirming", Tree(2), 2.55, 0, 2.6, "0.450", false, 2.6},
      {"window left after an early launch", Tree(1), 2.0, 0, 2.6, "-0.100", true, 2.3},
  };
  // One run after the other on the same tree, so that nothing of a run leaks into the next.
  double t = 0;
  for (const Case& c : cases) {
    t += 10;
    StageBoth(c.s, t);
    const bool confirming = c.left > 0 && c.left < c.release + SpaceBar::RepeatGap;
    if (c.release && !confirming) Release(t + c.release);
    if (c.again) {
      tree.SpaceDown(t + c.again - 0.1);
      Release(t + c.again);
    }
    if (c.left) tree.WindowLeft(confirming ? std::optional(t + c.release) : std::nullopt, t + c.left);
    tree.Advance(t + c.until);
    const int user = c.s.lane, other = 1 - user;
    EXPECT_EQ(tree.Armed(), *c.result == '\0') << c.what;
    EXPECT_EQ(tree.Lit(user, TreeBulb::Red), c.red) << c.what;
    EXPECT_FALSE(tree.Lit(other, TreeBulb::Red)) << c.what;
    if (*c.result) {
      EXPECT_EQ(tree.LastRun(), c.result) << c.what;
      EXPECT_EQ(tree.Lit(user, TreeBulb::Green), !c.red) << c.what;
      EXPECT_EQ(tree.Lit(other, TreeBulb::Green), std::string(c.result) != "Aborted") << c.what;
      for (const TreeBulb amber : {TreeBulb::Amber1, TreeBulb::Amber2, TreeBulb::Amber3})
        EXPECT_TRUE(tree.Lit(0, amber) && tree.Lit(1, amber)) << c.what;
      EXPECT_EQ(tree.LastRunColour(), c.red ? 12 : 9) << c.what;
    }
  }
}

TEST_F(PracticeTreeTest, SportsmanLightsComeOnHalfASecondApart) {
  StageBoth(Tree(0));
  const TreeBulb steps[] = {TreeBulb::Amber1, TreeBulb::Amber2, TreeBulb::Amber3, TreeBulb::Green};
  for (int i = 0; i < 4; ++i) {
    const double t = 2.1 + 0.5 * i;
    tree.Advance(t - 0.001);
    EXPECT_FALSE(tree.Lit(0, steps[i]) || tree.Lit(1, steps[i])) << t;
    tree.Advance(t);
    EXPECT_TRUE(tree.Lit(0, steps[i]) && tree.Lit(1, steps[i])) << t;
  }
}

TEST_F(PracticeTreeTest, AbortedRunsCountAsRedLights) {
  // Released before the other lane staged.
  tree.Arm(Tree(1), 0);
  tree.SpaceDown(0.1);
  tree.SpaceUp(0.5);
  EXPECT_EQ(tree.LastRun(), "Aborted");
  EXPECT_EQ(tree.LastRunColour(), 12);
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Red));
  EXPECT_FALSE(tree.NextDeadline());

  // Not staged within 20 s of the other lane (staged at 1 s), even when the press comes late.
  tree.Arm(Tree(1), 10);
  tree.Advance(11);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Stage1));
  tree.SpaceDown(31.01);
  EXPECT_FALSE(tree.Armed());
  EXPECT_FALSE(tree.Lit(0, TreeBulb::Stage1));
  EXPECT_EQ(tree.RunsText(), "Runs: 2");
  EXPECT_EQ(tree.RedsText(), "Reds: 2");
  EXPECT_EQ(tree.AverageText(), "Average RT:");
}

TEST(PracticeTreeWaits, RandomWaitsReachTheirLongest) {
  PracticeTree tree{[] { return 0.9999999; }};
  tree.Arm(Tree(1), 0);  // the other lane stages 14.999 s later
  tree.Advance(14.998);
  EXPECT_FALSE(tree.Lit(1, TreeBulb::Stage1));
  tree.Advance(14.999);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Stage1));
  tree.SpaceDown(20);  // the tree starts 3.499 s later
  EXPECT_DOUBLE_EQ(*tree.NextDeadline(), 20 + 3.499);
}

TEST_F(PracticeTreeTest, PressesAfterStagingAndDueTimersKeepTheirOrder) {
  // In the right lane; the other lane was due to stage at 1.0 s, the press is handled later.
  tree.Arm(RightLane(Tree(1)), 0);
  tree.SpaceDown(1.05);
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Stage1));
  const auto start = tree.NextDeadline();
  tree.SpaceDown(1.5);  // a held key's repeat: the tree keeps its start
  EXPECT_EQ(tree.NextDeadline(), start);
  tree.Advance(2.05);  // both staged: the tree starts 1 s after the press
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Amber3));
  tree.Advance(30);  // the racer staged in time: no time-out, the tree waits for the launch
  EXPECT_TRUE(tree.Armed());
}

TEST_F(PracticeTreeTest, AverageLeavesOutRedLightsAndClearStartsAgain) {
  double t = 0;
  for (const double late : {0.12, -0.01, 0.08}) {
    StageBoth(Tree(2), t);
    Release(t + 2.5 + late);
    tree.Advance(t + 3);
    t += 10;
  }
  EXPECT_EQ(tree.RunsText(), "Runs: 3");
  EXPECT_EQ(tree.RedsText(), "Reds: 1");
  EXPECT_EQ(tree.AverageText(), "Average RT: 0.500");
  tree.ClearStats();
  StageBoth(Tree(2), t);
  Release(t + 2.55);
  EXPECT_EQ(tree.RunsText(), "Runs: 1");
  EXPECT_EQ(tree.RedsText(), "Reds: 0");
  EXPECT_EQ(tree.AverageText(), "Average RT: 0.450");
}

}  // namespace
}  // namespace kestrelon
