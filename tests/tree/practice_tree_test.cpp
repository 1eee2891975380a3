// The practice run on a fake clock: the random source is fixed at 0, so the other lane stages
// 1 s after its wait starts and the tree starts 1 s after both lanes are staged.
#include "tree/practice_tree.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TreeRunSettings Tree(int type, double rollout = 0, double delay = 0) {
  TreeRunSettings s;
  s.treeType = type;
  s.treeDelay = type == 2 ? 0.4 : 0.5;
  s.rollout = rollout;
  s.delayTime = delay;
  return s;
}

TreeRunSettings Handicapped(int type, double handicap) {
  TreeRunSettings s = Tree(type);
  s.useHandicap = true;
  s.handicapTime = handicap;
  return s;
}

class PracticeTreeTest : public ::testing::Test {
 protected:
  PracticeTree tree{[] { return 0.0; }};

  // Arms at t, stages the user 0.1 s later and lets the other lane stage and the tree start.
  void StageBoth(const TreeRunSettings& s, double t = 0) {
    tree.Arm(s, t);
    tree.SpaceDown(t + 0.1);
    tree.Advance(t + 1.1);  // the other lane stages; the tree starts 1 s later
  }
  // Runs the clock up to the user's green (no handicap).
  double RunToGreen(const TreeRunSettings& s) {
    StageBoth(s);
    tree.Advance(2.1);
    if (s.treeType == 0) tree.Advance(3.1);  // the Sportsman ambers step every 0.5 s
    EXPECT_GT(tree.GreenTime(), 0);
    return tree.GreenTime();
  }
};

TEST_F(PracticeTreeTest, ProTreeReleasedAtTheGreenReadsTheTreeDelay) {
  const double green = RunToGreen(Tree(2));
  EXPECT_DOUBLE_EQ(green, 2.5);
  tree.SpaceUp(green);
  EXPECT_EQ(tree.LastRun(), "");  // the greens are not lit yet
  tree.Advance(green);
  EXPECT_EQ(tree.LastRun(), "0.400");
  EXPECT_EQ(tree.LastRunColour(), 9);
  EXPECT_FALSE(tree.Lit(0, TreeBulb::Red));
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Green));
  EXPECT_EQ(tree.RedsText(), "Reds: 0");
  EXPECT_FALSE(tree.Armed());
}

TEST_F(PracticeTreeTest, ReleaseTenMillisecondsEarlyIsARedLight) {
  const double green = RunToGreen(Tree(2));
  tree.SpaceUp(green - 0.01);
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Red));
  tree.Advance(green);
  EXPECT_FALSE(tree.Lit(0, TreeBulb::Green));  // a red-lighted lane gets no green
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Green));
  EXPECT_EQ(tree.LastRun(), "0.390");
  EXPECT_EQ(tree.LastRunColour(), 12);
  EXPECT_EQ(tree.RunsText(), "Runs: 1");
  EXPECT_EQ(tree.RedsText(), "Reds: 1");
  EXPECT_EQ(tree.AverageText(), "Average RT:");
}

TEST_F(PracticeTreeTest, SportsmanAmbersStepHalfASecondAndRolloutCounts) {
  const TreeRunSettings s = Tree(0, 0.2f);
  StageBoth(s);
  tree.Advance(2.1);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Amber1));
  EXPECT_FALSE(tree.Lit(1, TreeBulb::Amber2));
  tree.Advance(2.6);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Amber2));
  EXPECT_FALSE(tree.Lit(1, TreeBulb::Amber3));
  tree.Advance(3.1);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Amber3));
  EXPECT_DOUBLE_EQ(tree.GreenTime(), 3.6);
  tree.Advance(3.6);
  tree.SpaceUp(3.6 + 0.3);
  EXPECT_EQ(tree.LastRun(), "1.000");
}

TEST_F(PracticeTreeTest, DelayBoxMovesTheLaunchLater) {
  const double green = RunToGreen(Tree(1, 0, 0.5));
  tree.SpaceUp(green - 0.3);
  EXPECT_FALSE(tree.Lit(0, TreeBulb::Red));
  tree.Advance(green);
  EXPECT_EQ(tree.LastRun(), "0.700");
  EXPECT_EQ(tree.LastRunColour(), 9);
}

TEST_F(PracticeTreeTest, ReleaseBeforeTheOtherLaneStagedAborts) {
  tree.Arm(Tree(1), 0);
  tree.SpaceDown(0.1);
  tree.SpaceUp(0.5);
  EXPECT_EQ(tree.LastRun(), "Aborted");
  EXPECT_EQ(tree.LastRunColour(), 12);
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Red));
  EXPECT_EQ(tree.RunsText(), "Runs: 1");
  EXPECT_EQ(tree.RedsText(), "Reds: 1");
  EXPECT_FALSE(tree.NextDeadline());
}

TEST_F(PracticeTreeTest, UserWhoNeverStagesIsAbortedAfterTwentySeconds) {
  tree.Arm(Tree(1), 0);
  tree.Advance(1.0);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Stage1));
  tree.Advance(20.9);
  EXPECT_TRUE(tree.Armed());
  tree.Advance(21.0);
  EXPECT_EQ(tree.LastRun(), "Aborted");
  EXPECT_FALSE(tree.Armed());
}

TEST_F(PracticeTreeTest, APressAfterADueTimerComesAfterWhatThatTimerDoes) {
  // The other lane was due to stage at 1.0 s; the press is handled a moment later.
  tree.Arm(Tree(1), 0);
  tree.SpaceDown(1.05);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Stage1));
  tree.Advance(2.05);  // both staged: the tree starts 1 s after the press
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Amber3));

  // The user's 20 s to stage ran out at 21.0 s: a press after it is too late.
  PracticeTree late{[] { return 0.0; }};
  late.Arm(Tree(1), 0);
  late.Advance(1.0);
  late.SpaceDown(21.01);
  EXPECT_EQ(late.LastRun(), "Aborted");
  EXPECT_FALSE(late.Lit(0, TreeBulb::Stage1));
}

TEST_F(PracticeTreeTest, HeldSpaceBarStagesOnce) {
  tree.Arm(Tree(1), 0);
  tree.SpaceDown(0.1);
  const auto next = tree.NextDeadline();
  tree.SpaceDown(0.5);  // auto-repeat
  EXPECT_EQ(tree.NextDeadline(), next);
}

TEST_F(PracticeTreeTest, HandicapResultWaitsForTheOtherLanesGreen) {
  // The other lane starts 1 s after the user's (handicap -1.0).
  StageBoth(Handicapped(1, -1.0));
  tree.Advance(2.1);
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Amber3));
  EXPECT_FALSE(tree.Lit(1, TreeBulb::Amber1));
  tree.Advance(2.6);
  EXPECT_TRUE(tree.Lit(0, TreeBulb::Green));
  tree.SpaceUp(2.6);
  EXPECT_EQ(tree.LastRun(), "");
  tree.Advance(3.1);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Amber3));
  EXPECT_EQ(tree.LastRun(), "");
  tree.Advance(3.6);
  EXPECT_TRUE(tree.Lit(1, TreeBulb::Green));
  EXPECT_EQ(tree.LastRun(), "0.500");
}

TEST_F(PracticeTreeTest, SecondHandicapRunWaitsForItsOwnGreen) {
  const TreeRunSettings s = Handicapped(1, 1.0);  // the user's tree starts 1 s later
  for (int run = 0; run < 2; ++run) {
    const double t = run * 10.0;
    StageBoth(s, t);
    tree.Advance(t + 2.1);  // the other lane's ambers
    EXPECT_TRUE(tree.Lit(1, TreeBulb::Amber1));
    EXPECT_FALSE(tree.Lit(0, TreeBulb::Amber1));
    tree.SpaceUp(t + 2.5);  // before any green of this run: a red light
    tree.Advance(t + 2.6);  // the other lane's green
    EXPECT_TRUE(tree.Lit(1, TreeBulb::Green));
    EXPECT_TRUE(tree.Armed()) << "run " << run;
    tree.Advance(t + 3.6);  // the user's green
    EXPECT_FALSE(tree.Armed());
    EXPECT_EQ(tree.LastRunColour(), 12);
  }
  EXPECT_EQ(tree.RedsText(), "Reds: 2");
}

TEST_F(PracticeTreeTest, AverageLeavesOutRedLightsAndClearStartsAgain) {
  for (const double late : {0.12, -0.01, 0.08}) {
    const double green = RunToGreen(Tree(2));
    tree.Advance(green);
    tree.SpaceUp(green + late);
    tree.Advance(green + 1);
  }
  EXPECT_EQ(tree.RunsText(), "Runs: 3");
  EXPECT_EQ(tree.RedsText(), "Reds: 1");
  EXPECT_EQ(tree.AverageText(), "Average RT: 0.500");
  tree.ClearStats();
  EXPECT_EQ(tree.RunsText(), "Runs: 0");
  EXPECT_EQ(tree.RedsText(), "Reds: 0");
  EXPECT_EQ(tree.AverageText(), "Average RT:");
}

TEST_F(PracticeTreeTest, StopLeavesNoTimerRunning) {
  StageBoth(Tree(0));
  tree.Advance(2.1);
  ASSERT_TRUE(tree.NextDeadline());
  tree.Stop();
  EXPECT_FALSE(tree.NextDeadline());
  EXPECT_FALSE(tree.Armed());
}

}  // namespace
}  // namespace kestrelon
