// The power estimate search over whole runs: convergence, recovery of a change the test made
// itself, the short-run stop, Cancel between attempts, and what the racer keeps or restores.
#include "simulation/estimate_search.h"

#include <cmath>
#include <memory>

#include "estimate_fixture.h"
#include "entry/gear_calc.h"
#include "files/baseline.h"
#include "files/file_commands.h"
#include "power/scale_power_curve.h"
#include "simulation/estimate_rules.h"
#include "simulation/estimate_ticket.h"

namespace kestrelon::test {
namespace {

// Within `percent` of the expected figure.
void ExpectWithin(double actual, double expected, double percent) {
  EXPECT_LE(std::fabs(actual / expected - 1) * 100, percent) << actual << " vs " << expected;
}

// What the search may change, to compare before and after.
struct Quantities {
  Single cd, dragFactor, mu, finalDrive;
  std::array<Single, GearSlots> overall, growth;
  CurveTable curve;
  PeakSummary peaks;
  static Quantities Now() {
    return {S.AeroCD, S.AeroDragFactor, S.TyreMu, S.TransFinal, S.GearOverall, S.GearGrowthRPM,
            S.PowerCurve, S.EngineSummary};
  }
  bool operator==(const Quantities&) const = default;
};

// The run the result windows show, with its quarter-mile ticket.
struct ShownRun {
  RunTable points;
  Single et, mph;
  static ShownRun Now() {
    CalcTimingPoints();
    return {S.RunResults, S.Time1320ft, S.Speed1320ft};
  }
  bool operator==(const ShownRun&) const = default;
};

class EstimateSearch : public EstimateTest {
 protected:
  // The Westfield run over `seconds`, every ticket figure of it as the target.
  static void WholeTicketOfWestfield(float seconds = 16) {
    LoadWestfield(seconds);
    RunAndTime();
    TicketOfLastRun();
    S.Est60time = S.Time60ft;
    S.Est330time = S.Time330ft;
    S.Est660time = S.Time660ft;
    S.Est660speed = S.Speed660ft * S.SpeedFactor;
  }
  // A ticket no change can reach: slower than the run yet faster through the trap.
  static void UnreachableTicket() {
    LoadWestfield(16);
    RunAndTime();
    S.Est1320time = S.Time1320ft * 1.1f;
    S.Est1320speed = S.Speed1320ft * S.SpeedFactor * 1.1f;
  }
};

TEST_F(EstimateSearch, RecoversPowerScaledDownByATenthAtTheDefaults) {
  RunExample();
  const Single et = S.Time1320ft, mph = S.Speed1320ft, peak = S.EngineSummary[0][2];
  TicketOfLastRun();
  Allow(false, false, true, false);
  ScalePowerCurve(0.9f);

  ui.keepAll = true;
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Finished);
  ASSERT_EQ(ui.resultsShown, 1);
  EXPECT_LT(ui.progress.size(), 20u);  // matched before the attempts ran out
  ExpectWithin(ui.shownTime, et, 2);
  ExpectWithin(ui.shownSpeed, mph, 2);
  ExpectWithin(S.EngineSummary[0][2], peak, 2);
  EXPECT_EQ(S.CurveEntryStart.curve, S.PowerCurve);  // an open curve graph's Cancel keeps it
}

TEST_F(EstimateSearch, RecoversDragRaisedByAFifthAtTheDefaults) {
  RunExample();
  const Single et = S.Time1320ft, mph = S.Speed1320ft;
  TicketOfLastRun();
  Allow(true, false, false, false);
  SetDragCoefficient(S.AeroCD * 1.2f);

  ui.keepAll = true;
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Finished);
  ASSERT_EQ(ui.resultsShown, 1);
  EXPECT_LT(ui.progress.size(), 20u);
  ExpectWithin(ui.shownTime, et, 2);
  ExpectWithin(ui.shownSpeed, mph, 2);
  EXPECT_LT(S.AeroCD, 0.55f * 1.2f);  // drag came down towards the example's own
}

TEST_F(EstimateSearch, ATicketEqualToTheRunMatchesAtOnceAndChangesNothing) {
  WholeTicketOfWestfield();
  Allow(true, true, true, true);
  S.DataSaved = True;
  const Quantities before = Quantities::Now();

  ui.keepAll = true;
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Finished);
  EXPECT_EQ(ui.progress, std::vector<int>{1});
  EXPECT_EQ(ui.resultsShown, 1);
  EXPECT_TRUE(Quantities::Now() == before);
  EXPECT_EQ(S.DataSaved, True);  // nothing changed, so nothing unsaved
  EXPECT_EQ(S.VehicleData[5][2], ".55");
  EXPECT_EQ(S.VehicleData[6][17], "3.77");
  EXPECT_EQ(S.EstOrigGearing, 3.77f);
}

TEST_F(EstimateSearch, WithoutATargetSpeedTheSpeedAlwaysMatches) {
  WholeTicketOfWestfield();
  S.Est1320speed = 0;
  EXPECT_EQ(RatiosOfLastRun().Rv, 1.0);
  S.Est1320time = 0;
  S.Est660speed = 0;
  EXPECT_EQ(RatiosOfLastRun().Rv, 1.0);
}

TEST_F(EstimateSearch, OnlyAnEighthMileTimeMakesTheEighthMileTheReference) {
  // A 10 s run does not reach the quarter mile; with an eighth-mile ticket it need not.
  WholeTicketOfWestfield(10);
  ASSERT_EQ(S.Time1320ft, 0);
  S.Est1320time = S.Est1320speed = 0;
  EXPECT_TRUE(EighthMileIsReference());
  EXPECT_EQ(ReferenceOfLastRun().runTime, S.Time660ft);
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Finished);
  EXPECT_EQ(S.EstEighthMile, True);

  // With a quarter-mile time as well, the quarter mile is the reference.
  WholeTicketOfWestfield(16);
  EXPECT_FALSE(EighthMileIsReference());
  EXPECT_EQ(ReferenceOfLastRun().runTime, S.Time1320ft);
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Finished);
  EXPECT_EQ(S.EstEighthMile, False);
}

TEST_F(EstimateSearch, ARunTooShortForTheTicketStopsAndPutsTheModelBack) {
  struct Case {
    const char* what;
    float seconds;
    Integer trap8Position;
  };
  // A quarter-mile ticket with a run that ends before the quarter mile; an eighth-mile ticket
  // with a target speed and a run that ends inside the trap beyond the line.
  for (const Case& c : {Case{"short of the quarter mile", 10, 0}, Case{"inside the trap", 9.5f, 2}}) {
    SCOPED_TRACE(c.what);
    WholeTicketOfWestfield(16);
    if (c.trap8Position == 2) S.Est1320time = S.Est1320speed = 0;
    Allow(true, true, true, true);
    S.LaunchTime = c.seconds;
    S.Trap8Position = c.trap8Position;
    const Quantities before = Quantities::Now();
    const ShownRun runBefore = ShownRun::Now();
    ui.asked.clear();
    EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Stopped);
    EXPECT_TRUE(ShownRun::Now() == runBefore);
    EXPECT_EQ(S.CalcRequested, True);  // the run set-up opens filled from the vehicle
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(ui.asked[0].text, "Calculation time is insufficient to estimate power");
    EXPECT_EQ(ui.asked[0].title, "Estimate power");
    EXPECT_EQ(ui.asked[0].style, Msg::OKOnly);
    EXPECT_EQ(S.CancelFlag, 1);
    EXPECT_EQ(ui.resultsShown, 0);
    EXPECT_TRUE(Quantities::Now() == before);
  }
}

TEST_F(EstimateSearch, AStopAfterEarlierChangesPutsTheModelBack) {
  // Power comes down after the first run; the slower second run falls short of the eighth mile.
  LoadWestfield(10);
  RunAndTime();
  S.Est660time = S.Time660ft * 1.08f;
  S.Est660speed = S.Speed660ft * S.SpeedFactor * 0.9f;
  S.LaunchTime = S.Time660ft + S.RunRolloutTime + 0.3f;
  Allow(false, false, true, false);
  const Quantities before = Quantities::Now();
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Stopped);
  EXPECT_EQ(ui.progress, std::vector<int>{1});
  EXPECT_TRUE(Quantities::Now() == before);
}

TEST_F(EstimateSearch, CancelBetweenAttemptsEndsTheSearchWithTheModelPutBack) {
  UnreachableTicket();
  Allow(true, true, true, true);
  const Quantities before = Quantities::Now();
  const ShownRun runBefore = ShownRun::Now();
  bool cancelled = false;
  ui.afterAttempt = [&] { cancelled = ui.progress.size() == 3; };
  EXPECT_EQ(EstimatePowerSearch([&] { return cancelled; }), EstimateEnd::Cancelled);
  EXPECT_EQ(ui.progress, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(ui.resultsShown, 0);
  EXPECT_TRUE(Quantities::Now() == before);
  EXPECT_TRUE(ShownRun::Now() == runBefore);
  EXPECT_EQ(S.CalcRequested, True);
  ui.progress.clear();  // window events that drop the run (a load of the same figures) end it too
  ui.afterAttempt = [&] { ui.nextEvents = [] { S.RunDone = False; }; };
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Cancelled);
  EXPECT_EQ(ui.progress, std::vector<int>{1});
}

// When the attempts run out the last attempt still makes its change: the results window shows
// the last run's ticket beside the model as changed after it, so even one attempt moves the model.
TEST_F(EstimateSearch, WhenTheAttemptsRunOutTheLastChangeIsMadeButNotRun) {
  for (const Integer attempts : {Integer{1}, Integer{3}}) {
    SCOPED_TRACE(attempts);
    UnreachableTicket();
    Allow(false, false, true, false);
    S.EstNumber = attempts;
    const Single peakBefore = S.EngineSummary[0][2];
    std::vector<Single> peakOfRun;  // the power each run was made with
    ui.afterAttempt = [&] { peakOfRun.push_back(S.EngineSummary[0][2]); };
    Single peakShown = 0;
    ui.keepAll = true;
    ui.onResults = [&] { peakShown = S.EngineSummary[0][2]; };
    EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Finished);
    ASSERT_EQ(peakOfRun.size(), static_cast<std::size_t>(attempts));
    EXPECT_EQ(peakOfRun[0], peakBefore);
    EXPECT_NE(peakShown, peakOfRun.back());
    EXPECT_EQ(S.EngineSummary[0][2], peakShown);
    EXPECT_EQ(S.EstOrigEngineSummary[0][2], peakBefore);
    // The result windows then show a run of the model as kept.
    const ShownRun shown = ShownRun::Now();
    RunAndTime();
    EXPECT_TRUE(shown == ShownRun::Now());
    EXPECT_NE(shown.et, ui.shownTime);
  }
}

// Kept changes go into the vehicle as unsaved data, restored ones do not; the result windows
// show the run of the vehicle as the search leaves it, and the run set-up opens filled.
TEST_F(EstimateSearch, KeptOrRestoredChangesLeaveTheVehicleAndItsRunAsTheyAre) {
  enum Choice { KeepAll, RestoreAllAndRetry, KeepDragOnly };
  for (const Choice c : {KeepAll, RestoreAllAndRetry, KeepDragOnly}) {
    SCOPED_TRACE(c);
    UnreachableTicket();
    Allow(true, true, true, true);
    S.EstNumber = 4;
    if (c == KeepDragOnly) {  // a faster car, faster still through the trap: power, then drag
      S.Est1320time = S.Time1320ft * 0.95f;
      S.Est1320speed = S.Speed1320ft * S.SpeedFactor * 1.12f;
      Allow(true, false, true, false);
      S.EstNumber = 8;
    }
    S.GearGrowthRPM[2] = 50;  // a tyre that grows
    S.VehicleData[5][2] = ".55";
    S.DataSaved = True;
    const Quantities before = Quantities::Now();
    const ShownRun runBefore = ShownRun::Now();
    ui.keepAll = c == KeepAll;
    ui.keepDragOnly = c == KeepDragOnly;
    ui.retry = c == RestoreAllAndRetry;
    bool powerTried = false;
    ui.afterAttempt = [&] { powerTried |= S.EngineSummary != before.peaks; };
    EXPECT_EQ(EstimatePowerSearch(), ui.retry ? EstimateEnd::Retry : EstimateEnd::Finished);
    EXPECT_EQ(S.CalcRequested, True);
    const ShownRun shown = ShownRun::Now();
    switch (c) {
      case KeepAll:
        EXPECT_FALSE(Quantities::Now() == before);
        EXPECT_EQ(S.DataSaved, False);
        EXPECT_EQ(S.VehicleData[5][2], KeptItemText(S.AeroCD));
        EXPECT_EQ(S.VehicleData[3][4], KeptItemText(S.TyreMu));
        EXPECT_EQ(S.VehicleData[6][17], KeptItemText(S.TransFinal));
        RunAndTime();  // the last attempt's change stays: the vehicle is run as it is
        EXPECT_TRUE(shown == ShownRun::Now());
        break;
      case RestoreAllAndRetry:
        EXPECT_TRUE(Quantities::Now() == before);
        EXPECT_EQ(S.DataSaved, True);
        EXPECT_EQ(S.VehicleData[5][2], ".55");
        EXPECT_TRUE(shown == runBefore);
        break;
      case KeepDragOnly:  // neither the first nor the last run: the vehicle is run as it is
        ASSERT_TRUE(powerTried);
        ASSERT_NE(S.AeroCD, before.cd);
        EXPECT_EQ(S.EngineSummary, before.peaks);
        RunAndTime();
        EXPECT_TRUE(shown == ShownRun::Now());
        EXPECT_FALSE(shown == runBefore);
        break;
    }
  }
}

// A target no vehicle reaches compounds its change at each attempt: the search ends at the first
// attempt that cannot be run, or at a change past every number or any engine's, with one message
// and every figure, item and the run as they were before it.
TEST_F(EstimateSearch, AnUnreachableTargetEndsAtOnceWithOneMessageAndTheVehicleAsItWas) {
  struct Case {
    const char* what;
    bool drag, grip, power, gearing;
    Single time;  // s; 0: the run's own
    Single mph;
    int attempts;  // 1: the change no number holds is the last, never run
  };
  for (const Case& c : {Case{"a quarter mile in 1 s at 400 mph", false, false, true, false, 1, 400, 20},
                        Case{"the same with grip", false, true, true, false, 1, 400, 20},
                        Case{"a trap speed past every number", false, false, true, false, 0, 1e30f, 20},
                        Case{"the same in one attempt", false, false, true, false, 0, 1e30f, 1},
                        Case{"a curve past any engine's in one attempt", false, false, true, false, 0.2f, 400, 1},
                        Case{"drag past every number", true, false, false, false, 1, 1e-30f, 1},
                        Case{"grip past every number", false, true, false, false, 1e-30f, 0, 20},
                        Case{"gearing past every number", false, false, false, true, 0, 3e38f, 1}}) {
    SCOPED_TRACE(c.what);
    S = SharedState{};
    RunExample();
    S.TyreGrowthSpeed = 60, S.TyreGrowthDia = S.TyreDia * 1.05f;  // a tyre that would grow
    WorkOutGearGrowthRPM();
    S.Est1320time = c.time > 0 ? c.time : S.Time1320ft;
    S.Est1320speed = c.mph * S.SpeedFactor;
    Allow(c.drag, c.grip, c.power, c.gearing);
    S.EstNumber = c.attempts;
    const Quantities before = Quantities::Now();
    const ShownRun runBefore = ShownRun::Now();
    const VehicleTable items = S.VehicleData;
    ui.asked.clear();
    EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Stopped);
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].title),
              std::tuple("This vehicle cannot be simulated: check its weight, power and gearing",
                         "Performance Calculator"));
    EXPECT_EQ(ui.resultsShown, 0);
    EXPECT_TRUE(Quantities::Now() == before);
    EXPECT_EQ(S.VehicleData, items);
    EXPECT_TRUE(ShownRun::Now() == runBefore);
    EXPECT_EQ(S.RunDone, True);
  }
}

// The estimate dialog left open across a load: its OK refuses as the menu command does, and no
// run of the vehicle before comes back.
TEST_F(EstimateSearch, WithoutACompletedRunOKRefusesAndNoEarlierRunComesBack) {
  struct Case {
    const char* what;
    std::function<void()> load;
  };
  const Case loads[] = {
      {"another example, entered, not run", [] { EnterExampleAutomatically(1); }},
      {"the example before, after a search that finished", [] { EnterExampleAutomatically(3); }},
      {"New with its curve entry cancelled",
       [] {
         Hooks.EnterPowerCurve = [](Integer, Integer) { S.LoadFailed = True; };
         FileNew();
       }},
  };
  for (const Case& c : loads) {
    SCOPED_TRACE(c.what);
    S = SharedState{};
    RunExampleAutomatically(3);  // the turbo nitrous bike, run
    TicketOfLastRun();
    if (c.what == loads[1].what) {
      EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Finished);
    }
    S.DataSaved = True;
    c.load();
    ASSERT_EQ(S.RunDone, False);
    const RunTable points = S.RunResults;
    ui.asked.clear();
    ui.resultsShown = 0;
    EstimateBoxes ticket;
    ticket.Est1320time = "13.5";
    ticket.EstBHPAdjust = true;
    std::tie(ticket.EstNumber, ticket.EstError) = std::tuple("20", "2");
    if (AcceptEstimateBoxes(ticket).accepted) EstimatePowerSearch();  // as the dialog's OK
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].style, ui.asked[0].title),
              std::tuple("Simulation has not yet been run", Msg::OKOnly | Msg::Question, "Estimate Power"));
    EXPECT_EQ(ui.resultsShown, 0);
    EXPECT_EQ(S.RunDone, False);
    EXPECT_TRUE(S.RunResults == points);
    // Nor does the search start from a run that is not the vehicle's.
    EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Stopped);
    EXPECT_EQ(std::tuple(S.RunDone, ui.asked.size()), std::tuple(False, 1u));
  }
}

// A load among the window events between two attempts ends the search, which then touches
// nothing of the vehicle brought in.
TEST_F(EstimateSearch, ALoadBetweenTwoAttemptsChangesNothingOfEitherVehicle) {
  RegisterDataForms();
  EnterExampleAutomatically(3);  // the bike, kept as the baseline
  const auto bike = std::make_unique<SharedState>(S);
  S = SharedState{};
  RunExample();  // the Westfield, run
  S.BaselineVehicleData = bike->VehicleData;
  S.BaselinePowerCurve = bike->PowerCurve;
  S.BaselineEngineSummary = bike->EngineSummary;
  S.BaselineRevLimitIndex = bike->RevLimitIndex;
  S.Est1320time = S.Time1320ft * 1.1f;  // a ticket no change reaches
  S.Est1320speed = S.Speed1320ft * S.SpeedFactor * 1.1f;
  Allow(true, true, true, false);

  // The bike as Reload Baseline Data brings it in over the Westfield.
  const auto westfield = std::make_unique<SharedState>(S);
  FileBaseline();
  const Quantities bikeLoaded = Quantities::Now();
  const VehicleTable bikeItems = S.VehicleData;
  ASSERT_NE(bikeLoaded.cd, westfield->AeroCD);
  S = *westfield;

  ui.afterAttempt = [&] {
    if (ui.progress.size() == 2) ui.nextEvents = [] { FileBaseline(); };
  };
  EXPECT_EQ(EstimatePowerSearch(), EstimateEnd::Cancelled);
  EXPECT_EQ(ui.progress, (std::vector<int>{1, 2}));
  EXPECT_EQ(ui.resultsShown, 0);
  EXPECT_TRUE(Quantities::Now() == bikeLoaded);
  EXPECT_EQ(S.VehicleData, bikeItems);
  EXPECT_EQ(S.RunDone, False);
}

}  // namespace
}  // namespace kestrelon::test
