// The power estimate and the result windows: its attempts are many runs, yet the listing, the
// cascade and the history log are asked to draw once, when the search has ended, however it ends.
#include "estimate_fixture.h"
#include "power/scale_power_curve.h"
#include "simulation/estimate_search.h"

namespace kestrelon::test {
namespace {

TEST_F(EstimateTest, ResultWindowsAreRedrawnOnceWhenTheSearchEnds) {
  struct Case {
    const char* name;
    bool keepAll;    // the last attempt's model and run stay
    int cancelAt;    // the racer stops the search after this attempt (0: never)
    EstimateEnd end;
  };
  for (const Case& c : {Case{"kept", true, 0, EstimateEnd::Finished},
                        Case{"put back", false, 0, EstimateEnd::Finished},
                        Case{"cancelled", false, 2, EstimateEnd::Cancelled}}) {
    SCOPED_TRACE(c.name);
    S = SharedState{};
    RunExample();
    TicketOfLastRun();
    Allow(false, false, true, false);
    ScalePowerCurve(0.9f);

    EstimateUi estimate;
    ScopedUi installed(estimate);
    estimate.keepAll = c.keepAll;
    EXPECT_EQ(EstimatePowerSearch([&] { return c.cancelAt == static_cast<int>(estimate.progress.size()); }),
              c.end);
    EXPECT_GT(estimate.progress.size(), 1u);
    EXPECT_EQ(estimate.resultRedraws, 1);
  }
}

}  // namespace
}  // namespace kestrelon::test
