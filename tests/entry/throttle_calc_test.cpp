#include "entry/throttle_calc.h"

#include "entry_test_support.h"

namespace kestrelon {
namespace {

class ThrottleStops : public test::EntryTest {
 protected:
  static ThrottleTexts Timers(std::array<const char*, 6> timers) {
    ThrottleTexts t;
    t.UseThrottle = true;
    for (int i = 0; i < 6; ++i) t.Timer[i] = timers[i];
    return t;
  }
};

TEST(GetField, SplitsAtColonsWithoutTrimming) {
  EXPECT_EQ(GetField("3:", 2), "");
  EXPECT_EQ(GetField(":::", 3), "");
  EXPECT_EQ(GetField("a: b:c:d", 2), " b");
  EXPECT_EQ(GetField("a: b:c:d", 4), "d");
  EXPECT_EQ(GetField("a: b:c:d", 5), "");
  EXPECT_EQ(GetField("a:b", 0), "");
}

TEST_F(ThrottleStops, BlankStageAfterATimedOneIsNeverReached) {
  ASSERT_FALSE(AcceptThrottleStops(Timers({"0.5", "", "", "", "", ""})));
  EXPECT_FLOAT_EQ(S.TStopTimer[0], 0.5f);
  for (int i = 1; i < 6; ++i) EXPECT_FLOAT_EQ(S.TStopTimer[i], 2000) << i;
  for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(S.TStopOpening[i], 1.0f) << i;
  EXPECT_EQ(S.ThrottleEntered, True);
  EXPECT_EQ(S.UseThrottleStop, True);
  EXPECT_EQ(S.VehicleData[9][10], "Y");
}

TEST_F(ThrottleStops, RefusalsNameTheBoxAndChangeNothing) {
  auto r = AcceptThrottleStops(Timers({"0.5", "1.0", "", "2.0", "", ""}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->message, "Throttle Stop timer cannot be lower than previous timer");
  EXPECT_EQ(r->field, TStopTimerField + 3);
  EXPECT_FLOAT_EQ(S.TStopTimer[0], 0);
  EXPECT_EQ(S.ThrottleEntered, False);

  ThrottleTexts t = Timers({"1", "1", "", "", "", ""});
  t.Opening[4] = "120";
  r = AcceptThrottleStops(t);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->message, "A Percentage value no greater than 100 is required");
  EXPECT_EQ(r->field, TStopOpeningField + 4);
  EXPECT_FLOAT_EQ(S.TStopOpening[0], 1.0f);

  t = Timers({"-1", "", "", "", "", ""});
  EXPECT_EQ(AcceptThrottleStops(t)->message, "Negative timer is not possible");
  t = Timers({"", "", "", "", "", ""});
  t.Build[5] = "-0.1";
  r = AcceptThrottleStops(t);
  EXPECT_EQ(r->message, "Negative build time is not possible");
  EXPECT_EQ(r->field, TStopBuildField + 5);
}

TEST_F(ThrottleStops, OpeningsAreFractionsWithZeroMeaningFullThrottle) {
  ThrottleTexts t = Timers({"", "", "", "", "", ""});
  t.Opening = {"0", "", "abc", "50", "100", " 25"};
  ASSERT_FALSE(AcceptThrottleStops(t));
  const Single opening[6] = {1, 1, 1, 0.5f, 1, 0.25f};
  for (int i = 0; i < 6; ++i) {
    EXPECT_FLOAT_EQ(S.TStopOpening[i], opening[i]) << i;
    EXPECT_FLOAT_EQ(S.TStopTimer[i], 0) << i;
  }
}

TEST_F(ThrottleStops, UnusedStopStoresTextsTrimmedWithoutChecks) {
  ThrottleTexts t;
  t.Opening[0] = " 500 ";
  t.Timer[2] = "3";
  t.UseTraction = true;
  ASSERT_FALSE(AcceptThrottleStops(t));
  EXPECT_EQ(S.VehicleData[9][4], "500");
  EXPECT_EQ(S.VehicleData[9][13], "3:::");
  EXPECT_EQ(S.VehicleData[9][14], ":::");
  EXPECT_EQ(S.VehicleData[9][10], "");
  EXPECT_EQ(S.VehicleData[9][12], "Y");
  EXPECT_EQ(S.UseThrottleStop, False);
  EXPECT_EQ(S.UseTraction, True);
  EXPECT_FLOAT_EQ(S.TStopOpening[0], 1.0f);
}

TEST_F(ThrottleStops, ColonInAListedStageIsRefusedEvenWhenUnused) {
  ThrottleTexts t;
  t.Build[3] = "1:2";
  auto r = AcceptThrottleStops(t);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->message, "A ':' cannot be used in a throttle stop setting");
  EXPECT_EQ(r->field, TStopBuildField + 3);
  EXPECT_EQ(S.VehicleData[9][15], "");
  EXPECT_EQ(S.ThrottleEntered, False);
  // Stages 0 and 1 keep items of their own, where a ":" shifts nothing.
  t.Build[3] = "";
  t.Build[1] = "1:2";
  EXPECT_FALSE(AcceptThrottleStops(t));
}

TEST_F(ThrottleStops, LoadSplitsTheListsAndReadsAnyTextAsOn) {
  S.VehicleData[9][13] = "3:";
  S.VehicleData[9][16] = "0.5";
  S.VehicleData[9][10] = "N";
  const ThrottleTexts t = LoadThrottleTexts();
  EXPECT_EQ(t.Timer[0], "0.5");
  EXPECT_EQ(t.Timer[2], "3");
  EXPECT_EQ(t.Timer[3], "");
  EXPECT_EQ(t.Timer[5], "");
  EXPECT_TRUE(t.UseThrottle);
  EXPECT_FALSE(t.UseTraction);
}

}  // namespace
}  // namespace kestrelon
