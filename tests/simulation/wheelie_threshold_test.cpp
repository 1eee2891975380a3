#include "simulation/wheelie_threshold.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  std::vector<std::string> texts;
  for (const auto& a : ui.asked) texts.push_back(a.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Engine data not yet entered",
                                             "Transmission data has not yet been entered",
                                             "Tyre data has not yet been entered"}));
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
  // M = 1000 + 4 x 1.8 / 0.36 + 2 x 0.25 x 100 / 0.6 = 1000 + 20 + 83.333
  EXPECT_NEAR(w.Mass, 1103.333, 0.01);
  // T = 1.2 x M x 0.6 / 1.0 = 794.4 kgf m at the axle
  EXPECT_NEAR(w.AxleTorque, 794.4, 0.01);
  // 79.44 kgf m and 574.41 lb-ft at the crank; CGL / CGH = 2.4 g, independent of the mass.

  const WheelieCaptions c = WheelieThresholdCaptions(w);
  EXPECT_EQ(c.GearRatio + c.TorqueKGM + c.TorqueLBFT + c.Acceleration,
            " 10.0:1 79.44 Kg-m 574.41 lb-ft 2.4 g");

  // A zero centre-of-gravity height or gear ratio shows dashes.
  S.ChassisCGH = 0;
  const WheelieCaptions d = WheelieThresholdCaptions(CalcWheelieThreshold());
  EXPECT_EQ(d.GearRatio + d.TorqueKGM + d.Acceleration, " 10.0:1 - Kg-m - g");
  S.ChassisCGH = 0.5f;
  S.GearOverall[1] = 0;
  EXPECT_EQ(WheelieThresholdCaptions(CalcWheelieThreshold()).GearRatio, " -:1");
}

}  // namespace
}  // namespace kestrelon
