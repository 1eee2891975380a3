#include "entry/converter_calc.h"

#include <gtest/gtest.h>

#include "core/state.h"

namespace kestrelon {
namespace {

class Converter : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    S.AirDensityRatio = 1.0f;
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 70;
    S.GearCount = 3;
    S.PowerCurve[0][30] = 300;
    S.PowerCurve[0][70] = 250;
  }
};

TEST_F(Converter, FitsStallAndSlip) {
  auto k = CalcConverterCoefficients(30, 0.03f);
  ASSERT_TRUE(k);
  EXPECT_NEAR(k->StallTorque, 407.01, 1e-3);
  EXPECT_NEAR(k->K, 2.30731, 1e-5);
  EXPECT_NEAR(k->CurveA, 0.171134, 1e-5);
  EXPECT_NEAR(k->CurveB, 0.024866, 1e-6);
  EXPECT_NEAR(k->CurveC, 0.97, 1e-6);

  // A large slip holds the stall torque.
  k = CalcConverterCoefficients(30, 0.4f);
  ASSERT_TRUE(k);
  EXPECT_NEAR(k->K, 0.452233, 1e-6);
  EXPECT_NEAR(k->CurveA, 1, 1e-6);
  EXPECT_NEAR(k->CurveB, 0, 1e-6);
  EXPECT_NEAR(k->CurveC, 0.6, 1e-6);
}

TEST_F(Converter, StandardAirBeforeTheWeatherAndNoFitWithoutTopTorque) {
  S.AirDensityRatio = 0;
  EXPECT_NEAR(CalcConverterCoefficients(30, 0.03f)->StallTorque, 407.01, 1e-3);
  S.AirDensityRatio = 0.9f;
  EXPECT_NEAR(CalcConverterCoefficients(30, 0.03f)->StallTorque, 407.01 * 0.9, 1e-3);
  S.PowerCurve[0][70] = 0;
  EXPECT_FALSE(CalcConverterCoefficients(30, 0.03f));
}

TEST_F(Converter, UsesTheNitrousStagesInForceInFirstAndTopGear) {
  S.EngineSummary[1][0] = 400;
  S.NitrousSG1 = 3;  // first stage from top gear only
  S.PowerCurve[1][70] = 500;
  const auto k = CalcConverterCoefficients(30, 0.03f);
  EXPECT_NEAR(k->StallTorque, 407.01, 1e-3);
  EXPECT_NEAR(k->K, 4.61463, 1e-4);  // the top-gear stage's 500 at row 70
  S.NitrousSG1 = 1;  // on from first gear, with a curve that starts above the stall row
  EXPECT_NEAR(CalcConverterCoefficients(30, 0.03f)->StallTorque, 407.01, 1e-3);
}

}  // namespace
}  // namespace kestrelon
