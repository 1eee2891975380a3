// The estimate's rules: which quantity one attempt changes for a given set of ratios, verdicts
// and switches, by which factor, and how a change reaches the model.
#include "simulation/estimate_rules.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/state.h"
#include "entry/gear_calc.h"

namespace kestrelon::test {
namespace {

using Q = EstimateQuantity;

struct RuleCase {
  const char* rule;
  EstimateRatios ratios;
  Integer gripHint, gearingHint;
  bool drag, grip, power;
  Q quantity;
  double factor;
};

// With the default tolerance of 2 %: 0.95 and 1.05 are outside, 1.03 is outside but inside the
// wide band, 1.01 is inside.
const RuleCase Rules[] = {
    {"A1 quicker with spin: grip", {0.95, 1}, 1, 0, true, true, true, Q::Grip, 1 / std::sqrt(0.95)},
    {"A2 quicker, gearing verdict: step", {0.95, 1}, 0, 1, true, true, true, Q::Gearing, 0.98},
    {"A2 taller gearing step", {0.95, 1}, 0, -1, true, true, true, Q::Gearing, 1.02},
    {"A3 speed inside: grip", {1.05, 1.01}, 0, 0, true, true, true, Q::Grip, 1 / std::sqrt(1.05)},
    {"A3 with a 60 ft target: C acts", {1.05, 1.01, 1.05, 1, true}, 0, 0, false, true, false, Q::Grip,
     1 / std::sqrt(1.05)},
    {"A3 no grip switch, nothing after", {1.05, 1.01}, 0, 0, true, false, true, Q::None, 1},
    {"A4 gearing verdict 1: by Rv", {1.05, 1.05}, 0, 1, true, true, true, Q::Gearing, 1.05},
    {"A4 gearing verdict -1: 1.02", {1.05, 1.05}, 0, -1, true, true, true, Q::Gearing, 1.02},
    {"A4 power to the 2.8", {1.05, 1.05}, 0, 0, true, true, true, Q::Power, std::pow(1 / 1.05, 2.8)},
    {"A4 drag to the 3", {1.05, 1.05}, 0, 0, true, true, false, Q::Drag, 1 / std::pow(1.05, 3)},
    {"A4 neither", {1.05, 1.05}, 0, 0, false, true, false, Q::None, 1},
    {"B1 gearing verdict 1: by Rv", {1, 0.95}, 0, 1, true, true, true, Q::Gearing, 0.95},
    {"B1 gearing verdict -1: 1.02", {1, 0.95}, 0, -1, true, true, true, Q::Gearing, 1.02},
    {"B2 drag to the 2", {1, 1.05}, 0, 0, true, true, true, Q::Drag, 1 / std::pow(1.05, 2)},
    {"B2 power to the 2.5", {1, 1.05}, 0, 0, false, true, true, Q::Power, std::pow(1.05, 2.5)},
    {"B3 wide band: drag to the 3", {1, 1.03}, 0, 0, true, true, false, Q::Drag, 1 / std::pow(1.03, 3)},
    {"B3 beyond the wide band", {1, 1.05}, 0, 0, true, true, false, Q::None, 1},
    {"C gearing step", {1, 1, 1.05, 1, true}, 0, 1, true, true, true, Q::Gearing, 0.98},
    {"C grip", {1, 1, 1.05, 1, true}, 0, 0, true, true, true, Q::Grip, 1 / std::sqrt(1.05)},
    {"C power to the -2", {1, 1, 1.05, 1, true}, 0, 0, true, false, true, Q::Power, 1 / (1.05 * 1.05)},
    {"D grip without a 60 ft target", {1, 1, 1, 1.05, false, true}, 0, 0, true, true, true, Q::Grip,
     1 / std::sqrt(1.05)},
    {"D power with a 60 ft target", {1, 1, 1.01, 1.05, true, true}, 0, 0, true, true, true, Q::Power,
     1 / (1.05 * 1.05)},
    {"matched", {1.01, 0.99, 1.02, 0.98, true, true}, 1, 1, true, true, true, Q::None, 1},
};

TEST(EstimateRules, EachRuleChangesItsQuantityByItsFactor) {
  for (const RuleCase& c : Rules) {
    SCOPED_TRACE(c.rule);
    S = SharedState{};
    S.EstGripHint = c.gripHint;
    S.EstGearingHint = c.gearingHint;
    S.EstCDAdjust = ToFlag(c.drag);
    S.EstMUAdjust = ToFlag(c.grip);
    S.EstBHPAdjust = ToFlag(c.power);
    const EstimateChange change = ChooseEstimateChange(c.ratios);
    EXPECT_EQ(change.quantity, c.quantity);
    EXPECT_NEAR(change.factor, c.factor, 1e-12);
    EXPECT_EQ(TicketMatches(c.ratios), c.quantity == Q::None && std::string(c.rule) == "matched");
  }
}

TEST(EstimateRules, TheLastRunsRatiosNoteWhichShortTargetsWereGiven) {
  S = SharedState{};
  S.Est60time = 0.9f;  // a dragster's 60 ft
  const EstimateRatios r = RatiosOfLastRun();
  EXPECT_TRUE(r.has60 && !r.has330);
}

TEST(EstimateRules, ToleranceBandsIncludeTheirEdges) {
  S = SharedState{};
  S.EstError = 2;
  EXPECT_TRUE(InsideTolerance(0.98) && InsideTolerance(1.02) && InsideTolerance(1));
  EXPECT_FALSE(InsideTolerance(0.979) || InsideTolerance(1.021));
  EXPECT_TRUE(InsideWideTolerance(0.96) && InsideWideTolerance(1.04));
  EXPECT_FALSE(InsideWideTolerance(1.041));
}

TEST(EstimateRules, GearingStepsReachEveryGearAndDragItsFactor) {
  for (const Integer verdict : {Integer{1}, Integer{-1}}) {
    S = SharedState{};
    S.TransFinal = 4, S.TransPrimary = 1;
    S.GearCount = GearRows;
    S.GearInternal = {0, 8, 7, 6, 5, 4, 3, 2, 1};
    S.TyreGrowthSpeed = 50, S.TyreGrowthDia = 0.8f;
    WorkOutOverallRatios();
    const auto growth = S.GearGrowthRPM;
    S.EstGearingHint = verdict;
    const EstimateChange step = ChooseEstimateChange({0.9, 1});
    ApplyEstimateChange(step);
    const Single f = verdict == 1 ? 0.98f : 1.02f;
    EXPECT_FLOAT_EQ(S.TransFinal, 4 * f);
    for (int g = 1; g <= GearRows; ++g) {
      EXPECT_FLOAT_EQ(S.GearOverall[g], 4 * f * S.GearInternal[g]) << g;
      EXPECT_FLOAT_EQ(S.GearGrowthRPM[g], growth[g] * f) << g;
    }
  }

  // A kept figure's text is plain decimal, and each item reads it back as the figure held.
  for (const Single v : {1e-12f, 3.560728e-5f, 2.594161f, 1e12f}) {
    for (const auto hold : {HoldDragCoefficient, HoldGrip, HoldFinalDrive}) hold(v);
    const std::string text = KeptItemText(v);
    EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos) << text;
    EXPECT_EQ(std::tuple(KeptItemText(S.AeroCD), S.TyreMu, S.TransFinal),
              std::tuple(text, S.AeroCD, S.AeroCD));
  }

  S.AeroArea = 2;
  S.AeroCD = 0.5f;
  ApplyEstimateChange({Q::Drag, 0.8});
  EXPECT_FLOAT_EQ(S.AeroCD, 0.4f);
  EXPECT_FLOAT_EQ(S.AeroDragFactor, 2 * 0.6f * 0.4f);
  S.TyreMu = 1.5f;
  ApplyEstimateChange({Q::Grip, 2});
  EXPECT_FLOAT_EQ(S.TyreMu, 3);
  ApplyEstimateChange({Q::Drag, 1e-50});  // read back as 0, which the form refuses: no change
  EXPECT_FLOAT_EQ(S.AeroCD, 0.4f);
}

}  // namespace
}  // namespace kestrelon::test
