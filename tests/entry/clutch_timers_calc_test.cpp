#include "entry/clutch_timers_calc.h"

#include "entry_test_support.h"

namespace kestrelon {
namespace {

class ClutchTimers : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
};

TEST_F(ClutchTimers, StageSharesAddUpToTheWholeWeight) {
  ClutchTimerTexts t;
  t.LPercent = "30";
  t.PC[1] = "50";
  t.Start[1] = "0.5";
  t.Build[1] = "0.2";
  t.PC[2] = "40";
  t.Start[2] = "1";
  t.PC[3] = "-5";  // not read: the weight is complete after stage 2
  S.ClutchTimerStart[0] = 5;  // the launch share engages at the start
  ASSERT_FALSE(AcceptClutchTimers(t));
  EXPECT_EQ(S.ClutchTimerStart[0], 0);
  const std::array<Single, 5> weight{0.3f, 0.8f, 1, 1, 1};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(S.ClutchTimerWeight[i], weight[i], 1e-6) << i;
  EXPECT_FLOAT_EQ(S.ClutchTimerStart[1], 0.5f);
  EXPECT_FLOAT_EQ(S.ClutchTimerBuild[1], 0.2f);
  EXPECT_FLOAT_EQ(S.ClutchTimerStart[3] + S.ClutchTimerStart[4], 2000);
  EXPECT_FLOAT_EQ(S.ClutchTimerBuild[4], 0);
  EXPECT_EQ(S.VehicleData[1][14], "30");
  EXPECT_EQ(S.VehicleData[1][17], "-5");  // texts go back as typed, read or not
}

TEST_F(ClutchTimers, FullLaunchShareBlankStageAndEqualStarts) {
  S.ClutchTimerStart[2] = 7;
  for (const char* launch : {"", "100"}) {
    ClutchTimerTexts t;
    t.LPercent = launch;
    t.PC[1] = "-5";
    ASSERT_FALSE(AcceptClutchTimers(t)) << launch;
    EXPECT_FLOAT_EQ(S.ClutchTimerLPercent, 1.0f);
    EXPECT_FLOAT_EQ(S.ClutchTimerStart[2], 7) << "a full launch share leaves the stages alone";
  }
  // A blank stage weight brings in the rest.
  ClutchTimerTexts t;
  t.LPercent = "20";
  ASSERT_FALSE(AcceptClutchTimers(t));
  EXPECT_FLOAT_EQ(S.ClutchTimerWeight[1], 1.0f);
  EXPECT_FLOAT_EQ(S.ClutchTimerStart[1], 1000);
  // Equal starts are accepted.
  t.LPercent = "10";
  t.PC[1] = t.PC[2] = "10";
  t.Start[1] = t.Start[2] = "1";
  EXPECT_FALSE(AcceptClutchTimers(t));
}

TEST_F(ClutchTimers, RefusalsChangeNothing) {
  // Each case changes the texts of the one before.
  const struct {
    void (*edit)(ClutchTimerTexts&);
    const char* message;
    int field;
  } cases[] = {
      {[](ClutchTimerTexts& t) { t.LPercent = "120"; },
       "Clutch Launch weight percentage must be between 0 and 100", ClTimerLPercentField},
      {[](ClutchTimerTexts& t) { t.LPercent = "10", t.PC[1] = "-5"; },
       "Clutch Timer weight percentage must be between 0 and 100", ClTimerPCField + 1},
      {[](ClutchTimerTexts& t) { t.PC[1] = "10", t.Build[1] = "-1"; },
       "Time taken to engage cannot be negative", ClTimerBuildField + 1},
      {[](ClutchTimerTexts& t) { t.Build[1] = "", t.Start[1] = "-2"; },
       "Clutch Timer start cannot be negative", ClTimerStartField + 1},
      {[](ClutchTimerTexts& t) { t.Start[1] = "", t.PC[2] = "10", t.Start[2] = "3"; },  // 1000 s
       "Clutch Timer stage  2 cannot start before previous stage", ClTimerStartField + 2},
      {[](ClutchTimerTexts& t) { t.Start[1] = test::BeyondSingle; },
       "Clutch Timer start cannot be negative", ClTimerStartField + 1},
      {[](ClutchTimerTexts& t) { t.Start[1] = "", t.Build[1] = test::BeyondSingle; },
       "Time taken to engage cannot be negative", ClTimerBuildField + 1},
  };
  ClutchTimerTexts t;
  for (const auto& c : cases) {
    c.edit(t);
    test::ExpectRefusal(AcceptClutchTimers(t), c.message, c.field);
    EXPECT_FLOAT_EQ(S.ClutchTimerLPercent, 1.0f);
    EXPECT_FLOAT_EQ(S.ClutchTimerWeight[1], 0);
    EXPECT_EQ(S.VehicleData[1][14], "");
  }
}

}  // namespace
}  // namespace kestrelon
