#include "power/curve_synthesis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/state.h"

namespace kestrelon {
namespace {

// 500 BHP at 7000 rpm with the figures the entry derives from them alone.
void PeakFigures500At7000() {
  S = SharedState{};
  S.MaxRPMIndex = 70;
  S.MaxBHP = 500;
  S.MaxPRPM = 7000;
  S.MaxTRPM = 5250;
  S.MaxTRQ = 500 * 5252 * 1.15f / 7000;
  S.MinRPM = 3500;
}

TEST(CurveSynthesis, PeakPowerOnlyRisesToPeakTorqueThenFallsToPeakPowerTorque) {
  PeakFigures500At7000();
  SynthesizePowerCurve(0);
  const auto& c = S.PowerCurve[0];
  EXPECT_EQ(c[34], 0);  // below the minimum rpm nothing is written
  for (int i = 36; i <= 52; ++i) EXPECT_GT(c[i], c[i - 1]) << "row " << i;
  EXPECT_NEAR(c[52], 431.41, 0.01);  // 52.5 rounds to 52
  EXPECT_NEAR(c[35], 431.41 * (1 - 0.75 * (17.0 / 52) * (17.0 / 52)), 0.01);
  for (int i = 53; i <= 70; ++i) EXPECT_LT(c[i], c[i - 1]) << "row " << i;
  EXPECT_NEAR(c[70], 375.14, 0.01);
  EXPECT_EQ(c[71], 0);
  // Power peaks at the peak-power row and nowhere passes it.
  for (int i = 35; i <= 70; ++i) EXPECT_LE(i * c[i] / 52.52, 500.01) << "row " << i;
}

TEST(CurveSynthesis, OverPeakPowerFallsSmoothlyToTheTopOfTheSpan) {
  PeakFigures500At7000();
  S.MaxRPMIndex = 90;
  SynthesizePowerCurve(0);
  const auto& c = S.PowerCurve[0];
  const auto power = [&](int i) { return i * c[i] / 52.52; };
  EXPECT_NEAR(power(70), 500, 0.1);
  for (int i = 71; i <= 90; ++i) EXPECT_LT(power(i), power(i - 1)) << "row " << i;
  // The fall starts gently, steepens, and ends at p / M of the peak.
  EXPECT_LT(power(70) - power(71), power(89) - power(90));
  EXPECT_NEAR(power(90), 500.0 * 70 / 90, 0.1);
  EXPECT_EQ(c[91], 0);
}

TEST(CurveSynthesis, KeepsRowsNoSegmentCovers) {
  PeakFigures500At7000();
  S.PowerCurve[0][20] = 123;
  S.PowerCurve[0][150] = 77;
  SynthesizePowerCurve(0);
  EXPECT_EQ(S.PowerCurve[0][20], 123);
  EXPECT_EQ(S.PowerCurve[0][150], 77);
}

TEST(CurveSynthesis, DegeneratePeakRowsStayInsideTheColumn) {
  // Peak torque and peak power in one row.
  PeakFigures500At7000();
  S.MaxTRPM = 6950;
  S.MaxTRQ = 380;
  SynthesizePowerCurve(1);
  for (int i = 1; i <= 70; ++i) EXPECT_TRUE(std::isfinite(S.PowerCurve[1][i])) << "row " << i;
  EXPECT_FLOAT_EQ(S.PowerCurve[1][70], 380);  // 69.5 rounds to 70: the rise ends there

  // Peak torque below 50 rpm and a top speed of the table.
  PeakFigures500At7000();
  S.MaxRPMIndex = 200;
  S.MaxTRPM = 40;
  S.MinRPM = 0;
  SynthesizePowerCurve(2);
  for (int i = 0; i < CurveRows; ++i) EXPECT_TRUE(std::isfinite(S.PowerCurve[2][i])) << i;
  EXPECT_GT(S.PowerCurve[2][200], 0);
}

}  // namespace
}  // namespace kestrelon
