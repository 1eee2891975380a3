#include "power/curve_graph_scale.h"

#include <gtest/gtest.h>

#include "core/state.h"
#include "core/tables.h"

namespace kestrelon {
namespace {

class CurveGraphScale : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
  }
};

TEST_F(CurveGraphScale, SpeedGridReachesTheTop) {
  GridChoice g = ChooseSpeedGrid(GraphRPMTopFor(60));
  EXPECT_EQ(GraphRPMTopFor(60), 7000);
  EXPECT_FLOAT_EQ(g.step, 1000);
  EXPECT_EQ(g.count, 7);

  // 13 divisions of 1000 are too many; 2000 gives 6, one more reaches 14000.
  EXPECT_EQ(GraphRPMTopFor(125), 13000);
  g = ChooseSpeedGrid(13000);
  EXPECT_FLOAT_EQ(g.step, 2000);
  EXPECT_EQ(g.count, 7);
  EXPECT_EQ(GraphRPMTopFor(65), 7000);
}

TEST_F(CurveGraphScale, ValueGridCountsOneDivisionAboveTheTop) {
  GridChoice g = ChooseValueGrid(250);
  EXPECT_FLOAT_EQ(g.step, 30);
  EXPECT_EQ(g.count, 9);
  // An empty column: one division of the table's second step.
  g = ChooseValueGrid(0);
  EXPECT_FLOAT_EQ(g.step, 0.02f);
  EXPECT_EQ(g.count, 1);
  // A top past the table ends on its last step instead of running off it.
  g = ChooseValueGrid(1e12);
  EXPECT_GT(g.step, 0);
}

TEST_F(CurveGraphScale, MapsTheGridOntoThePlotArea) {
  const PowerGraphScale s = ComputePowerGraphScale(7000, 250, "BHP", 1);
  EXPECT_FLOAT_EQ(s.xPerUnit, 1280.0f / 7000);
  EXPECT_FLOAT_EQ(s.xPerRPMIndex, 1280.0f / 70);
  EXPECT_FLOAT_EQ(s.yPerUnit, 960.0f / 270);
  EXPECT_NEAR(s.xExtent, 1280, 1e-3);
  EXPECT_NEAR(s.yExtent, 960, 1e-3);
}

TEST_F(CurveGraphScale, KilowattTopStretchesBelow14500Rpm) {
  EXPECT_NEAR(ComputePowerGraphScale(7000, 300, "KW", 1.340183f).valueTop, 463.7, 0.05);
  EXPECT_NEAR(ComputePowerGraphScale(14500, 300, "KW", 1.340183f).valueTop, 223.85, 0.01);
  EXPECT_NEAR(ComputePowerGraphScale(7000, 300, "BHP", 1).valueTop, 300, 1e-9);
  // A graph painted before any preset still has a speed axis.
  const PowerGraphScale unset = ComputePowerGraphScale(0, 0, "KW", 1.340183f);
  EXPECT_EQ(unset.speedTop, 1000);
  EXPECT_GT(unset.xPerUnit, 0);
}

TEST_F(CurveGraphScale, ScaleMaxIsTheLargerOfPeakPowerAndPeakTorque) {
  S.MinRPMIndex = 10;
  S.MaxRPMIndex = 60;
  S.PowerCurve[0][20] = 400;  // 152.3 BHP: torque is larger
  EXPECT_EQ(PowerCurveScaleMax(0), 400);
  S.PowerCurve[0][60] = 300;  // 342.7 BHP
  EXPECT_EQ(PowerCurveScaleMax(0), 400);
  S.PowerCurve[0][60] = 380;  // 434.1 BHP
  EXPECT_EQ(PowerCurveScaleMax(0), 434);
  S.PowerCurve[0][5] = 900;  // outside the span
  EXPECT_EQ(PowerCurveScaleMax(0), 434);
  S.MinRPMIndex = 61;  // empty span
  EXPECT_EQ(PowerCurveScaleMax(0), 0);
}

}  // namespace
}  // namespace kestrelon
