// The timing box's texts and their order, and Set Baseline: what it copies, what it zeroes,
// the bracketed figures it keeps and what it enables.
#include "files/baseline.h"
#include "files/file_windows.h"
#include "platform/qt/form.h"
#include "platform/recording_canvas.h"
#include "results/run_graph_timing_box.h"
#include "results/set_baseline.h"
#include "run_graph_fixture.h"

namespace kestrelon::test {
namespace {

class TimingBox : public RunGraphTest {
 protected:
  void SetUp() override {
    RunGraphTest::SetUp();
    S.RunRolloutTime = 0.25f;
    S.Time60ft = 1.234f, S.Speed60ft = 45.67f;
    S.Time330ft = 3.5f, S.Speed330ft = 80;
    S.Time660ft = 5.25f, S.Speed660ft = 101.2f;
    S.Time1320ft = 8.125f, S.Speed1320ft = 130.456f;
    S.TimeSimDistance = 8.1f, S.SpeedSimDistance = 129.9f;
  }
};

TEST_F(TimingBox, FiveLinesWithoutSpotDistanceOrBaseline) {
  const std::vector<std::string> expected{
      "Rollout - 0.250s", "60ft - 1.234s/45.67mph", "330ft - 3.500s/80.00mph",
      "660ft - 5.250s/101.20mph", "1320ft - 8.125s/130.46mph"};
  EXPECT_EQ(PerfBoxLines(), expected);
}

TEST_F(TimingBox, SpotLineStandsBeforeTheFirstMarkBeyondIt) {
  S.SimDistance = 400;  // short of 1320 ft (402.3 m)
  std::vector<std::string> lines = PerfBoxLines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "1312ft - 8.100s/129.90mph");
  EXPECT_EQ(lines[5].substr(0, 7), "1320ft ");
  S.SimDistance = 410;
  lines = PerfBoxLines();
  EXPECT_EQ(lines[5], "1345ft - 8.100s/129.90mph");
  S.SimDistance = 10;
  EXPECT_EQ(PerfBoxLines()[1].substr(0, 4), "33ft");
}

TEST_F(TimingBox, BaselineFiguresFollowInBrackets) {
  S.ShowBaseline = True;
  S.BaselinePerfText = {" (0.300s)", " (1.300s/44.00mph)", " (3.600s/79.00mph)",
                        " (5.300s/100.00mph)", " (8.200s/129.00mph)", " (8.300s/128.00mph)"};
  S.SimDistance = 410;
  const std::vector<std::string> lines = PerfBoxLines();
  EXPECT_EQ(lines[0], "Rollout - 0.250s (0.300s)");
  EXPECT_EQ(lines[1], "60ft - 1.234s/45.67mph (1.300s/44.00mph)");
  EXPECT_EQ(lines[5], "1345ft - 8.100s/129.90mph (8.300s/128.00mph)");
}

TEST_F(TimingBox, BoxIsWhiteOutlinedAndHoldsItsLines) {
  LoadSyntheticRun();
  for (const Single spot : {0.0f, 400.0f}) {
    SCOPED_TRACE(spot);
    S.SimDistance = spot;
    const int n = spot > 0 ? 6 : 5;  // the spot line counts in the box's height
    RecordingCanvas pic(1000, 600);
    pic.Scale(-100, 1000, 1400, -100);
    DrawPerfBox(pic);
    const double th = CLng(std::fabs(pic.TextHeight("60ft")));
    int texts = 0;
    std::vector<const DrawOp*> boxes;  // the white box, then its black outline
    for (const DrawOp& op : pic.ops) {
      if ((op.kind == DrawOp::FillBox && op.color == QBColor(15)) || (op.kind == DrawOp::Box && op.color == QBColor(0)))
        boxes.push_back(&op);
      if (op.kind == DrawOp::Text && op.color == QBColor(9)) ++texts;
    }
    ASSERT_EQ(boxes.size(), 2u);
    for (const DrawOp* box : boxes) {
      EXPECT_DOUBLE_EQ(std::max(box->y1, box->y2), (th + 10) * n + 50);
      EXPECT_DOUBLE_EQ(std::max(box->x1, box->x2), 1240);
      EXPECT_DOUBLE_EQ(std::min(box->x1, box->x2), std::min(boxes[0]->x1, boxes[0]->x2));  // 1200 - the widest line
      EXPECT_LT(std::min(box->x1, box->x2), 1200);
    }
    EXPECT_EQ(texts, n);
  }
  EXPECT_NEAR(S.Time60ft, std::sqrt(18.288 / 1.5), 0.02);  // recomputed from the run: 1.5 t^2 = 18.288 m
}

class Baseline : public RunGraphTest {};

TEST_F(Baseline, CopiesTheRunUpToItsLastPointAndZerosTheRest) {
  LoadSyntheticRun(1000, 10, BaselineRun);  // an older, longer baseline
  for (auto& channel : S.RunResults) channel[BaselineRun][0] = -1;  // its start point goes too
  LoadSyntheticRun(600, 6);
  S.RevLimitIndex = 75;
  S.VehicleData[2][1] = "98in";
  S.PowerCurve[0][50] = 120;
  S.VehicleFileName = "/cars/LOTUS.WCD";
  bool menuEnabled = false;
  FileWindows.EnableBaselineMenu = [&](bool on) { menuEnabled = on; };
  SetBaseline();
  FileWindows.EnableBaselineMenu = nullptr;

  for (int c = 0; c < RunChannelCount; ++c) {
    for (int i = 0; i <= 600; ++i)
      ASSERT_EQ(S.RunResults[c][BaselineRun][i], S.RunResults[c][CurrentRun][i]) << c << " " << i;
    for (int i = 601; i <= 1000; ++i) ASSERT_EQ(S.RunResults[c][BaselineRun][i], 0) << c << " " << i;
  }
  EXPECT_EQ(S.BaselinePointCount, 600);
  EXPECT_FLOAT_EQ(S.BaselinePointSpacing, 0.01f);
  EXPECT_FLOAT_EQ(S.BaselineLaunchTime, 6);
  EXPECT_EQ(S.GearEngagedTime[BaselineRun], S.GearEngagedTime[CurrentRun]);
  EXPECT_EQ(S.WheelieCount[BaselineRun], 1);
  EXPECT_EQ(S.BaselineRevLimitIndex, 75);
  EXPECT_EQ(S.BaselineVehicleData[2][1], "98in");
  EXPECT_EQ(S.BaselinePowerCurve[0][50], 120);
  EXPECT_EQ(S.BaselineVehicleFileName, "/cars/LOTUS.WCD");
  EXPECT_NE(S.BaselineSet, False);
  EXPECT_EQ(S.ShowBaseline, False);  // shown only once the box is ticked
  EXPECT_TRUE(menuEnabled);
  ASSERT_EQ(ui_.asked.size(), 1u);
  EXPECT_EQ(ui_.asked[0].text, "Baseline run has been set");
  EXPECT_EQ(ui_.asked[0].title, "Simulation display");
  EXPECT_EQ(ui_.asked[0].style, Msg::OKOnly | Msg::Information);
  EXPECT_EQ(S.BaselinePerfText[5], "");
  EXPECT_EQ(S.BaselinePerfText[1].substr(0, 2), " (");
  EXPECT_EQ(S.BaselinePerfText[1].substr(S.BaselinePerfText[1].size() - 4), "mph)");
}

TEST_F(Baseline, MetricUnitsGiveKphAndASpotFigure) {
  LoadSyntheticRun();
  ApplyDisplayUnits("M");
  S.SimDistance = 50;
  SetBaseline();
  EXPECT_EQ(S.BaselinePerfText[1].substr(S.BaselinePerfText[1].size() - 4), "kph)");
  EXPECT_EQ(S.BaselinePerfText[5].substr(S.BaselinePerfText[5].size() - 4), "kph)");
  EXPECT_EQ(S.BaselinePerfText[0], " (" + Format(S.RunRolloutTime, "0.000") + "s)");
  // Changing the units afterwards keeps the texts.
  ApplyDisplayUnits("I");
  EXPECT_NE(S.BaselinePerfText[1].find("kph"), std::string::npos);
}

TEST_F(Baseline, ReloadBaselineDataStopsShowingTheBaseline) {
  LoadSyntheticRun();
  SetBaseline();
  S.ShowBaseline = True;
  bool boxCleared = false, menuEnabled = true;
  FileWindows.ClearBaselineCheck = [&] { boxCleared = true; };
  FileWindows.EnableBaselineMenu = [&](bool on) { menuEnabled = on; };
  ui_.answers = {Msg::Ok};
  FileBaseline();
  FileWindows.ClearBaselineCheck = nullptr;
  FileWindows.EnableBaselineMenu = nullptr;
  // The restored vehicle's entry goes through the data forms that earlier tests registered, and
  // stops in the first that refuses this bare vehicle: no later test may find it open.
  for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
  Form::DeleteInstances();
  EXPECT_EQ(S.ShowBaseline, False);
  EXPECT_EQ(S.BaselineSet, False);
  EXPECT_TRUE(boxCleared);
  EXPECT_FALSE(menuEnabled);
}

}  // namespace
}  // namespace kestrelon::test
