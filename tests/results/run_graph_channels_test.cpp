// Each of the 25 traces shown in display units, with its title and unit, for the current run
// and the baseline.
#include "results/run_graph_channels.h"

#include <tuple>

#include "run_graph_fixture.h"

namespace kestrelon::test {
namespace {

class Channels : public RunGraphTest {
 protected:
  void SetUp() override {
    RunGraphTest::SetUp();
    LoadSyntheticRun();
    // The channels the synthetic run leaves at 0, at round values.
    auto set = [](RunChannel c, float v) {
      for (int i = 0; i <= 1000; ++i) S.RunResults[c][CurrentRun][i] = v;
    };
    set(PtRearWheelSpeed, 20);
    set(PtSlipRatio, 0.1f);
    set(PtCorrectedTyreMu, 1.2f);
    set(PtWheelieBarLoad, 50);
    set(PtRearWheelLoad, 480);
    set(PtFrontWheelLoad, 320);
    set(PtRearAxleHeight, 0.3f);
    set(PtWheelieBarHeight, 0.05f);
    set(PtFrontWheelHeight, 0.4f);
    set(PtCGHeight, 0.5f);
    set(PtFrontWheelSpeed, 14);
    set(PtClutchEngagement, 0.9f);
    set(PtRearWheelRPM, 20);
    set(PtClutchTorqueCapacity, 271.34f);
    set(PtTyreTemp, 60);
    set(PtClutchTemp, 150);
  }
  ChannelPoints values{};
};

struct Expected {
  int id;
  const char* title;
  const char* unit;
  double at5s;  // display value at point 500 (5 s), worked out from the round inputs
};

TEST_F(Channels, EveryTraceInImperialUnitsWithTitleAndUnit) {
  const Expected table[] = {
      {1, "Acceleration", "g", 3 / 9.81},
      {2, "Vehicle speed", "mph", 15 / 0.447},
      {3, "Distance Travelled", "ft", 37.5 * 39.37 / 12},
      {4, "Rear Wheel speed", "mph", 20 / 0.447},
      {5, "Wheel spin%", "%", 10},
      {6, "Corrected tyre mu", "", 1.2},
      {7, "Wheelie bar load", "lbf", 50 * 2.204},
      {8, "Rear wheel load", "%", 60},
      {9, "Front wheel load", "%", 40},
      {10, "Engine RPM", "RPM", 5000},
      {11, "Rear axle height", "in", 0.3 * 39.37},
      {12, "Wheelie bar height", "in", 0.05 * 39.37},
      {13, "Front wheel height", "in", 0.4 * 39.37},
      {14, "CG Height", "in", 0.5 * 39.37},
      {15, "Front wheel speed", "mph", 14 / 0.447},
      {16, "Clutch drive RPM", "RPM", 2500},
      {17, "Clutch driven RPM", "RPM", 3500},
      {18, "Throttle opening%", "%", 80},
      {19, "Clutch engagement%", "%", 90},
      {20, "Rear wheel RPM", "RPM", 2000},
      {21, "Clutch torque capacity", "lb/ft", 200},
      {22, "Clutch slip%", "%", -40},  // 1 - 2 x 3500 / 5000
      {23, "Lift", "lbf", 50 * 2.204 / 9.81},
      {24, "Tyre temperature", "\xB0" "C", 60},
      {25, "Clutch temperature", "\xB0" "C", 150},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.id);
    const ChannelText text = SetupChannels(e.id, CurrentRun, values);
    EXPECT_EQ(text.title, e.title);
    EXPECT_EQ(text.unit, e.unit);
    EXPECT_NEAR(values[500], e.at5s, std::fabs(e.at5s) * 1e-4 + 1e-4);
  }
}

TEST_F(Channels, MetricUnitsChangeFactorsAndTexts) {
  ApplyDisplayUnits("M");
  EXPECT_EQ(SetupChannels(2, CurrentRun, values).unit, "kph");
  EXPECT_NEAR(values[500], 15 / 0.2778, 1e-3);
  EXPECT_EQ(SetupChannels(3, CurrentRun, values).unit, "m");
  EXPECT_NEAR(values[500], 37.5, 1e-4);
  S.RecordedWith.LaunchStage = 1.5f;  // staged: aligned, counted from the start beam
  S.RunRolloutTime = 1;
  SetupChannels(3, CurrentRun, values);
  EXPECT_NEAR(values[500], 36, 1e-4);
  EXPECT_EQ(SetupChannels(11, CurrentRun, values).unit, "cm");
  EXPECT_NEAR(values[500], 30, 1e-4);
}

TEST_F(Channels, LiftTitleFollowsTheLastPointAndValuesAreShownPositive) {
  // Downforce of 100 N before 5 s, lift of 50 N after: the title is "Lift".
  EXPECT_EQ(SetupChannels(23, CurrentRun, values).title, "Lift");
  EXPECT_NEAR(values[100], 100 * 2.204 / 9.81, 1e-3);
  for (int i = 0; i <= 1000; ++i) S.RunResults[PtLiftForce][CurrentRun][i] = -100;
  EXPECT_EQ(SetupChannels(23, CurrentRun, values).title, "Downforce");
  EXPECT_GT(values[1000], 0);
  S.RunResults[PtLiftForce][CurrentRun][1000] = 0;  // none at the end: no downforce either
  EXPECT_EQ(SetupChannels(23, CurrentRun, values).title, "Lift");
  // The baseline keeps the sign and the listed title.
  LoadSyntheticRun(1000, 10, BaselineRun);
  EXPECT_EQ(SetupChannels(23, BaselineRun, values).title, "Lift/Downforce");
  EXPECT_LT(values[100], 0);
}

TEST_F(Channels, ThrottleBelowZeroShowsZeroAndSlipAtRestIsZero) {
  SetupChannels(18, CurrentRun, values);
  EXPECT_EQ(values[50], 0);  // -10 % before 1 s
  // An engine at 0 rpm: no slip to divide by, on the run and on a baseline's zero tail.
  S.RunResults[PtEngineSpeed][CurrentRun][700] = 0;
  SetupChannels(22, CurrentRun, values);
  EXPECT_EQ(values[700], 0);
  S.RunResults[PtEngineSpeed][CurrentRun][701] = 0.5f;  // 50 rpm still has its slip
  SetupChannels(22, CurrentRun, values);
  EXPECT_LT(values[701], -1000);
  LoadSyntheticRun(600, 6, BaselineRun);
  SetupChannels(22, BaselineRun, values);
  EXPECT_EQ(values[600], (1 - 2 * (15 + 24.0f) / (30 + 24.0f)) * 100);
}

TEST_F(Channels, UnknownIdsGiveZerosAndNoTexts) {
  values.fill(7);
  for (int id : {0, 26, -1}) {
    const ChannelText text = SetupChannels(id, CurrentRun, values);
    EXPECT_TRUE(text.title.empty());
    EXPECT_TRUE(text.unit.empty());
    EXPECT_EQ(values[1000], 0);
  }
}

// Time on a distance axis counts from each run's own rollout, over its own length and points.
TEST_F(Channels, TimeOnADistanceAxisIsEachRunsOwn) {
  Cfg.XAxisTime = False;
  GraphDisplay.TraceTitles[2] = "Time";
  const ChannelText text = SetupChannels(3, CurrentRun, values);
  EXPECT_EQ(std::tie(text.title, text.unit), std::tie("Time", "seconds"));
  EXPECT_NEAR(values[500], 5, 1e-5);
  LoadSyntheticRun(600, 12, BaselineRun);  // 12 s in 600 points against the run's 10 s in 1000
  values.fill(-1);
  SetupChannels(3, BaselineRun, values);
  EXPECT_NEAR(values[300], 6, 1e-5);
  EXPECT_EQ(values[601], -1);  // beyond the baseline's last point nothing is written
  S.RunRolloutTime = 0.3f;
  S.BaselineRolloutTime = 0.4f;
  SetupChannels(3, BaselineRun, values);
  EXPECT_NEAR(values[300], 5.6, 1e-5);
  SetupChannels(3, CurrentRun, values);
  EXPECT_NEAR(values[500], 4.7, 1e-5);
  EXPECT_LT(values[0], 0);
  S.BaselinePointCount = 0;  // a baseline without points
  SetupChannels(3, BaselineRun, values);
  EXPECT_FLOAT_EQ(values[0], -0.4f);
}

}  // namespace
}  // namespace kestrelon::test
