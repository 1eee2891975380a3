#include "entry/throttle_calc.h"

#include <tuple>

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
  const std::tuple<const char*, int, const char*> cases[] = {
      {"3:", 2, ""},       {":::", 3, ""},      {"a: b:c:d", 2, " b"},
      {"a: b:c:d", 4, "d"}, {"a: b:c:d", 5, ""}, {"a:b", 0, ""}};
  for (auto [list, n, field] : cases) EXPECT_EQ(GetField(list, n), field) << list << " " << n;
}

TEST_F(ThrottleStops, BlankStageAfterATimedOneIsNeverReached) {
  ASSERT_FALSE(AcceptThrottleStops(Timers({"0.5", "", "", "", "", ""})));
  EXPECT_FLOAT_EQ(S.TStopTimer[0], 0.5f);
  for (int i = 1; i < 6; ++i) EXPECT_FLOAT_EQ(S.TStopTimer[i], 2000) << i;
  for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(S.TStopOpening[i], 1.0f) << i;
  EXPECT_EQ(S.ThrottleEntered, True);
  EXPECT_EQ(S.UseThrottleStop, True);
  EXPECT_EQ(S.VehicleData[9][10], "Y");
  ASSERT_FALSE(AcceptThrottleStops(Timers({"0", "0", "", "", "", ""})));  // typed starts are read as typed
  EXPECT_EQ(std::tuple(S.TStopTimer[1], S.TStopTimer[2]), std::tuple(0.0f, 2000.0f));
  EXPECT_FALSE(AcceptThrottleStops(Timers({"0.5", "0", "", "", "", ""})));  // a typed 0 after 0.5 s: 2000 s
}

TEST_F(ThrottleStops, RefusalsNameTheBoxAndChangeNothing) {
  const struct {
    void (*edit)(ThrottleTexts&);
    const char* message;
    int field;
  } cases[] = {
      {[](ThrottleTexts& t) { t.Timer = {"0.5", "1.0", "", "2.0", "", ""}; },
       "Throttle Stop timer cannot be lower than previous timer", TStopTimerField + 3},
      {[](ThrottleTexts& t) { t.Timer[0] = t.Timer[1] = "1", t.Opening[4] = "120"; },
       "A Percentage value no greater than 100 is required", TStopOpeningField + 4},
      {[](ThrottleTexts& t) { t.Timer[0] = "-1"; }, "Negative timer is not possible", TStopTimerField},
      {[](ThrottleTexts& t) { t.Build[5] = "-0.1"; }, "Negative build time is not possible", TStopBuildField + 5},
      {[](ThrottleTexts& t) { t.Timer[0] = test::BeyondSingle; }, "Negative timer is not possible", TStopTimerField},
      {[](ThrottleTexts& t) { t.Build[2] = test::BeyondSingle; }, "Negative build time is not possible", TStopBuildField + 2},
  };
  for (const auto& c : cases) {
    ThrottleTexts t = Timers({"", "", "", "", "", ""});
    c.edit(t);
    test::ExpectRefusal(AcceptThrottleStops(t), c.message, c.field);
    EXPECT_EQ(std::tuple(S.TStopTimer[0], S.TStopOpening[0], S.ThrottleEntered), std::tuple(0.0f, 1.0f, False));
  }
}

TEST_F(ThrottleStops, OpeningsAreFractionsWithZeroMeaningFullThrottle) {
  ThrottleTexts t = Timers({"", "", "", "", "", ""});
  t.Opening = {"0", "", "abc", "50", "100", " 25"};
  ASSERT_FALSE(AcceptThrottleStops(t));
  const Single opening[6] = {1, 1, 1, 0.5f, 1, 0.25f};
  for (int i = 0; i < 6; ++i) {
    EXPECT_FLOAT_EQ(S.TStopOpening[i], opening[i]) << i;
    EXPECT_FLOAT_EQ(S.TStopTimer[i], i == 0 ? 0 : 2000) << i;  // the stages after one typed in
  }
}

TEST_F(ThrottleStops, UnusedStopStoresTextsTrimmedWithoutChecks) {
  ThrottleTexts t;
  t.Opening[0] = " 500 ";
  t.Timer[2] = "3";
  t.Build[2] = "0.1", t.Build[5] = "0.2";
  t.UseTraction = true;
  ASSERT_FALSE(AcceptThrottleStops(t));
  test::ExpectItems({{9, 4, "500"}, {9, 13, "3:::"}, {9, 14, ":::"}, {9, 15, "0.1:::0.2"}, {9, 10, ""}, {9, 12, "Y"}});
  EXPECT_EQ(S.UseThrottleStop, False);
  EXPECT_EQ(S.UseTraction, True);
  EXPECT_FLOAT_EQ(S.TStopOpening[0], 1.0f);
}

TEST_F(ThrottleStops, ColonInAListedStageIsRefusedEvenWhenUnused) {
  ThrottleTexts t;
  t.Build[3] = "1:2";
  test::ExpectRefusal(AcceptThrottleStops(t), "A ':' cannot be used in a throttle stop setting",
                      TStopBuildField + 3);
  EXPECT_EQ(S.VehicleData[9][15], "");
  EXPECT_EQ(S.ThrottleEntered, False);
  // Stages 0 and 1 keep items of their own, where a ":" shifts nothing.
  t.Build[3] = "";
  t.Build[1] = "1:2";
  EXPECT_FALSE(AcceptThrottleStops(t));
}

TEST_F(ThrottleStops, LoadSplitsTheListsAndReadsAnyTextAsOn) {
  test::SetItems({{9, 13, "3:"}, {9, 16, "0.5"}, {9, 10, "N"}});
  const ThrottleTexts t = LoadThrottleTexts();
  EXPECT_EQ(test::Joined({t.Timer[0], t.Timer[1], t.Timer[2], t.Timer[3], t.Timer[5]}),
            "0.5||3||");
  EXPECT_TRUE(t.UseThrottle);
  EXPECT_FALSE(t.UseTraction);
}

}  // namespace
}  // namespace kestrelon
