#include "simulation/wheelie_threshold.h"

#include <gtest/gtest.h>

#include "core/state.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

using test::ScopedUi;
using test::ScriptedUi;

TEST(WheelieThresholdGate, NamesTheFirstMissingSectionInOrder) {
  ScriptedUi ui;
  ScopedUi guard(ui);
  S = SharedState{};
  EXPECT_FALSE(WheelieThresholdAllowed());
  S.EngineEntered = True;
  EXPECT_FALSE(WheelieThresholdAllowed());
  S.TransmissionEntered = S.ChassisEntered = S.InertiaEntered = True;
  EXPECT_FALSE(WheelieThresholdAllowed());
  S.TyreEntered = True;  // clutch, aero, nitrous and throttle are not needed
  EXPECT_TRUE(WheelieThresholdAllowed());
  ASSERT_EQ(ui.asked.size(), 3u);
  EXPECT_EQ(ui.asked[0].text, "Engine data not yet entered");
  EXPECT_EQ(ui.asked[1].text, "Transmission data has not yet been entered");
  EXPECT_EQ(ui.asked[2].text, "Tyre data has not yet been entered");
  EXPECT_EQ(ui.asked[0].title, "Wheelie Threshold Calculation");
  EXPECT_EQ(ui.asked[0].style, Msg::Question);
}

TEST(WheelieThresholdFigures, WorkedExampleWithoutTyreGrowthAndDashesForZeroes) {
  // A car without tyre growth or nitrous: the ratio is first gear's overall ratio.
  S = SharedState{};
  S.ChassisWeight = 1000;
  S.ChassisCGL = 1.2f;
  S.ChassisCGH = 0.5f;
  S.TyreDia = 0.6f;
  S.RearTyreRadius = 0.3f;
  S.RearWheelInertia = 1.8f;
  S.EngineInertia = 0.25f;
  S.GearCount = 4;
  S.GearOverall[1] = 10.0f;
  S.EngineSummary[0][1] = 55;
  S.EngineSummary[1][1] = 60;
  const WheelieThreshold w = CalcWheelieThreshold();
  ASSERT_TRUE(w.valid);
  EXPECT_FLOAT_EQ(w.GearRatio, 10.0f);
  // M = 1000 + 4 x 1.8 / 0.36 + 2 x 0.25 x 100 / 0.6 = 1000 + 20 + 83.333
  EXPECT_NEAR(w.Mass, 1103.333, 0.01);
  // T = 1.2 x M x 0.6 / 1.0 = 794.4 kgf m at the axle
  EXPECT_NEAR(w.AxleTorque, 794.4, 0.01);
  EXPECT_NEAR(w.TorqueKGM, 79.44, 0.001);
  EXPECT_NEAR(w.TorqueLBFT, 574.41, 0.01);
  EXPECT_NEAR(w.Acceleration, 2.4, 0.0001);  // CGL / CGH: independent of the mass

  const WheelieCaptions c = WheelieThresholdCaptions(w);
  EXPECT_EQ(c.GearRatio, " 10.0:1");
  EXPECT_EQ(c.TorqueKGM, " 79.44 Kg-m");
  EXPECT_EQ(c.TorqueLBFT, " 574.41 lb-ft");
  EXPECT_EQ(c.Acceleration, " 2.4 g");

  // A zero centre-of-gravity height or gear ratio shows dashes.
  S.ChassisCGH = 0;
  const WheelieCaptions d = WheelieThresholdCaptions(CalcWheelieThreshold());
  EXPECT_EQ(d.GearRatio, " 10.0:1");
  EXPECT_EQ(d.TorqueKGM, " - Kg-m");
  EXPECT_EQ(d.Acceleration, " - g");
  S.ChassisCGH = 0.5f;
  S.GearOverall[1] = 0;
  EXPECT_EQ(WheelieThresholdCaptions(CalcWheelieThreshold()).GearRatio, " -:1");
}

}  // namespace
}  // namespace kestrelon
