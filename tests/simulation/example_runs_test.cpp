// Every built-in example, entered and run as File > Example and the run set-up leave it, ends with
// the bits it left when these fingerprints were taken (recorded channels, gear and wheelie records,
// ticket). Between them the examples take every phase through its branches: wheelie bars,
// converters and sliders, throttle stops, nitrous stages, growing tyres. A change to the run that
// is meant to keep its results must keep these. Examples retyped into vehicles no road could hold
// end their runs with a message instead.
#include "estimate_fixture.h"
#include "entry/form_openers.h"
#include "support/run_fingerprint.h"

namespace kestrelon::test {
namespace {

class ExampleRuns : public EstimateTest {};

TEST_F(ExampleRuns, EveryExampleRunsToItsRecordedFingerprint) {
  InitExampleCatalogue();
  for (int row = 1; row < ExampleSlots && !Tbl.ExampleKey[row].empty(); ++row) {
    SCOPED_TRACE(Tbl.ExampleKey[row]);
    S = SharedState{};
    RunExampleAutomatically(row);
    EXPECT_EQ(RunFingerprint(), RecordedRunFingerprints.at(Tbl.ExampleKey[row]));
  }
}

// A racer's retyping of one item, accepted by its own form as its OK would, without a new entry
// sequence: the run of the vehicle as it was stays the last completed one.
void Retype(EntryForm form, int group, int item, const char* typed) {
  S.VehicleData[group][item] = typed;
  S.AutoAccept = True;
  S.DataSequence = False;
  OpenEntryForm(form);
  S.AutoAccept = False;
}

// The finish line's height above the start, as the run set-up takes it.
void SetFinishHeight(const char* height) {
  S.VehicleData[4][7] = height;
  LaunchBoxes boxes;
  S.CalcRequested = True;
  OpenLaunchSetup(boxes);
  ASSERT_TRUE(AcceptLaunchSetup(boxes).accepted);
}

// Vehicles the forms accept but no road could hold: a first gear of -1, a weight of a milligram,
// a first gear of 1e30, a final drive of 2000 (2.000 typed without its point), a climb of 1300 ft.
// A run may not end behind the start, on the level or on a climb, nor with an engine stalled or past its
// curve: it stops with the message, and the run before stays the one every window shows. A climb
// the vehicle makes is a run, though every climb rolls back a little at the launch.
TEST_F(ExampleRuns, ARunThatIsNoRunOfTheVehicleStopsWithTheMessage) {
  InitExampleCatalogue();
  const auto rowOf = [](const std::string& key) {
    int row = 1;
    while (row < ExampleSlots && Tbl.ExampleKey[row] != key) ++row;
    return row;
  };
  const auto endDistance = [] { return S.RunResults[PtDistance][CurrentRun][S.PointCount]; };
  const char* const unsimulable = "This vehicle cannot be simulated: check its weight, power and gearing";
  struct Case {
    const char* example;
    EntryForm form;
    int group, item;
    const char* typed;   // nullptr: no item retyped
    const char* height;  // nullptr: the example's own track
    bool noRun;          // these numbers are no run of the vehicle
  };
  for (const Case& c : {Case{"FUNNYCAR", EntryForm::Gears, 7, 1, "-1", nullptr, true},
                        Case{"GP500", EntryForm::Chassis, 2, 2, "0.000001kg", nullptr, true},
                        Case{"PS-CAR", EntryForm::Gears, 7, 1, "1000000000000000000000000000000", nullptr, true},
                        Case{"WESTFLD", EntryForm::Gears, 6, 17, "2000", nullptr, true},
                        Case{"WESTFLD", EntryForm::Gears, 0, 0, nullptr, "1300ft", true},
                        Case{"WESTFLD", EntryForm::Gears, 0, 0, nullptr, "685ft", false}}) {
    SCOPED_TRACE(std::string(c.example) + " " + (c.typed ? c.typed : c.height));
    S = SharedState{};
    RunExampleAutomatically(rowOf(c.example));
    ASSERT_EQ(S.RunDone, True);
    const auto before = S.RunResults;
    const Single ticket = S.Time1320ft;
    ui.asked.clear();
    if (c.typed) Retype(c.form, c.group, c.item, c.typed);
    if (c.height) SetFinishHeight(c.height);
    RunAndTime();
    if (!c.noRun) {
      EXPECT_TRUE(ui.asked.empty());
      EXPECT_GE(endDistance(), 0.0f);
      EXPECT_NE(S.RunResults, before);
      continue;
    }
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].style), std::tuple(unsimulable, Msg::OKOnly | Msg::Exclamation));
    EXPECT_EQ(S.RunResults, before);
    EXPECT_EQ(S.Time1320ft, ticket);
    EXPECT_EQ(std::tuple(S.RunDone, S.CancelFlag, S.Calculating), std::tuple(True, 0, False));
    if (c.height) continue;

    // The same vehicle on a track whose finish lies 2 m above its start: no run either.
    ui.asked.clear();
    SetFinishHeight("2m");
    ASSERT_GT(S.TrackSlope, 0.0f);
    RunAndTime();
    EXPECT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(S.RunResults, before);
  }
}

}  // namespace
}  // namespace kestrelon::test
