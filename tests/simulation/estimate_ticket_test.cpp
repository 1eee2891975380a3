// The estimate dialog's contents without the window: targets stored in base units and shown in
// display units, and the analysis time raised so that the run passes a trap whose speed is a
// target.
#include "simulation/estimate_ticket.h"

#include "estimate_fixture.h"

namespace kestrelon::test {
namespace {

class EstimateTicket : public EstimateTest {
 protected:
  void SetUp() override {
    EstimateTest::SetUp();
    LoadWestfield(10);
    Hooks.RunSimulationReady = nullptr;  // a model built without its forms: no section to name
    RunAndTime();  // 1/8 mile in about 9.2 s; the quarter mile not reached
  }
  static EstimateBoxes Ticket(const char* time1320, const char* speed1320) {
    EstimateBoxes b = FillEstimateBoxes();
    b.Est1320time = time1320;
    b.Est1320speed = speed1320;
    return b;
  }
};

TEST_F(EstimateTicket, ASpeedTypedInAnyUnitIsStoredInMetresPerSecondAndShownInTheDisplayUnit) {
  EstimateBoxes b = Ticket("14.2s", "160.9344kph");
  b.Est60time = "2,1";  // a decimal comma reads the whole part only
  ASSERT_TRUE(AcceptEstimateBoxes(b).accepted);
  EXPECT_NEAR(S.Est1320speed, 160.9344 * 0.2778, 1e-3);
  EXPECT_EQ(S.Est60time, 2);
  const EstimateBoxes shown = FillEstimateBoxes();
  EXPECT_EQ(shown.Est1320time, "14.2");
  EXPECT_EQ(shown.Est1320speed.substr(0, 6), "100.01");
  EXPECT_TRUE(shown.Est1320speed.ends_with("mph"));
  EXPECT_EQ(shown.Est660speed, "");

  b.Est1320time = std::string(39, '9');  // past a Single: no time a search can aim at
  EXPECT_EQ(AcceptEstimateBoxes(b).refused, EstimateField::Est1320time);
  EXPECT_EQ(ui.asked.back().text, "Bad 1/4 mile time");

  // Out-of-range stored settings show as their start values.
  S.EstError = 25;
  S.EstNumber = 0;
  EXPECT_EQ(FillEstimateBoxes().EstError + " " + FillEstimateBoxes().EstNumber, "2 20");
}

TEST_F(EstimateTicket, TheAnalysisTimeRisesToTheNextEvenSecondAndNeverFalls) {
  struct Case {
    const char* time;
    const char* speed;
    float launchTime, expected;
  };
  const Case cases[] = {
      {"14.2", "100mph", 10, 16},  // rounded 14, next even above it
      {"15.5", "100mph", 10, 18},  // 15.5 rounds to the even 16
      {"14.2", "", 10, 10},        // no target speed: no trap to pass
      {"14.2", "100mph", 20, 20},  // never lowered
      {"59", "100mph", 10, 60},    // 60 s needs no question
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time + std::string(" ") + c.speed);
    S.LaunchTime = c.launchTime;
    ASSERT_TRUE(AcceptEstimateBoxes(Ticket(c.time, c.speed)).accepted);
    EXPECT_EQ(S.LaunchTime, c.expected);
    EXPECT_FLOAT_EQ(S.PointSpacing, c.expected == c.launchTime ? 0.01f : c.expected / 1000);
    S.PointSpacing = 0.01f;
  }
  EXPECT_TRUE(ui.asked.empty());

  // Beyond the run's 60 s the run set-up's question: Yes runs 60 s.
  ui.answers = {Msg::Yes};
  ASSERT_TRUE(AcceptEstimateBoxes(Ticket("61", "100mph")).accepted);
  EXPECT_EQ(S.LaunchTime, 60);
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Maximum calculation time is 60 seconds. Do you want to continue?");
}

}  // namespace
}  // namespace kestrelon::test
