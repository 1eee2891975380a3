#include "entry/nitrous_power_calc.h"

#include "entry_test_support.h"
#include "simulation/nitrous.h"

namespace kestrelon {
namespace {

class NitrousCalculator : public test::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    FlatEngine(20, 30, 300);
    S.AeroTemp = 15.5f;
    S.DryDensityRatio = 1.0f;
  }
  static NitrousCalcEntry Filled() {
    return {"5.7l", "4", "100", "100", "4", "0.043in", "100", "850psi", 0};
  }
  // The figures in the order capacity, cylinders, vol. eff., trans. eff., jets, jet size,
  // percentage, bottle pressure, base curve.
  static std::string Figures(const NitrousCalcEntry& e) {
    return e.Capacity + "|" + e.Cylinders + "|" + e.VolEff + "|" + e.TransEff + "|" + e.NumJets +
           "|" + e.JetSize + "|" + e.Percentage + "|" + e.BottlePress + "|" +
           std::to_string(e.PCurve);
  }
};

TEST_F(NitrousCalculator, ReferenceHardwareGivesFlowFactor100) {
  ASSERT_FALSE(AcceptNitrousCalc(1, Filled()));
  EXPECT_NEAR(NitrousFlowFactor(1), 100, 1e-3);
  test::ExpectItems({{0, 1, "5.7l"}, {0, 5, "100"}, {0, 8, "0"}});
  EXPECT_FLOAT_EQ(S.NitrousPercentage[1], 100);
  // Stage 2 keeps its figures in the ten items after stage 1's.
  ASSERT_FALSE(AcceptNitrousCalc(2, Filled()));
  test::ExpectItems({{0, 11, "5.7l"}, {0, 15, "100"}, {0, 18, "0"}, {0, 1, "5.7l"}});
  const Single built = std::exchange(S.PowerCurve[2][25], 1.0f);  // a store builds both stages again,
  RebuildCalculatedStages();
  EXPECT_EQ(std::exchange(S.PowerCurve[2][25], 1.0f), built);
  S.NitrousCapacity[2] = 1.0f;  // as it does a stage of a 1000 cc engine (capacity in litres)
  RebuildCalculatedStages();
  EXPECT_NE(std::exchange(S.PowerCurve[2][25], 1.0f), 1.0f);
  // but none on a base curve without a peak, or on no curve at all
  for (const Single base : {0.0f, -1.0f, 3.0f}) S.NitrousPCurve[2] = base, S.EngineSummary[0][0] *= 0, RebuildCalculatedStages();
  EXPECT_EQ(S.PowerCurve[2][25], 1);
}

TEST_F(NitrousCalculator, OnlyTheAddedTorqueLosesToTheTransmission) {
  NitrousCalcEntry e = Filled();
  e.TransEff = "50";
  ASSERT_FALSE(AcceptNitrousCalc(2, e));
  const Single r = CalcNitrousPower(S.NitrousCapacity[2], NitrousFlowFactor(2), 100, 2500);
  ASSERT_GT(r, 1);
  EXPECT_NEAR(S.PowerCurve[2][25], 300 * (1 + r) / 2, 1e-2);
  EXPECT_EQ(S.PowerCurve[2][31], 0) << "rows outside the span keep their values";
  EXPECT_EQ(S.CurvePeakValue, CLng(30 * S.PowerCurve[2][30] / 52.52f));
  // The rebuilt column's peaks are its own, and the rev limit stays inside the curve.
  int peakRow = 20;
  for (int j = 20; j <= 30; ++j)
    if (S.PowerCurve[2][j] > S.PowerCurve[2][peakRow]) peakRow = j;
  EXPECT_EQ(std::tuple(S.EngineSummary[2][0], S.EngineSummary[2][1]),
            std::tuple(S.PowerCurve[2][peakRow], Single(peakRow)));
  EXPECT_NEAR(S.EngineSummary[2][2], 30 * S.PowerCurve[2][30] / 52.52f, 1e-2);
}

TEST_F(NitrousCalculator, ARebuiltColumnKeepsTheRevLimitInsideTheCurve) {
  S.RevLimitIndex = 150;
  ASSERT_FALSE(AcceptNitrousCalc(1, Filled()));
  EXPECT_EQ(S.RevLimitIndex, S.MaxRPMIndex);
}

TEST_F(NitrousCalculator, RefusalsChangeNothing) {
  struct Case {
    void (*edit)(NitrousCalcEntry&);
    const char* message;
    int field;
  };
  const Case cases[] = {
      {[](NitrousCalcEntry& e) { e.Capacity = ""; }, "Invalid engine capacity ", CapacityField},
      {[](NitrousCalcEntry& e) { e.Cylinders = "0"; }, "Invalid number of cylinders", CylindersField},
      {[](NitrousCalcEntry& e) { e.VolEff = "x"; }, "Invalid volumetric efficiency", VolEffField},
      {[](NitrousCalcEntry& e) { e.TransEff = "0"; }, "Invalid transmission efficiency",
       TransEffField},
      {[](NitrousCalcEntry& e) { e.TransEff = "100.5"; }, "Invalid transmission efficiency",
       TransEffField},
      {[](NitrousCalcEntry& e) { e.NumJets = "-1"; }, "Invalid number of nitrous jets", NumJetsField},
      {[](NitrousCalcEntry& e) { e.NumJets = test::BeyondSingle; }, "Invalid number of nitrous jets", NumJetsField},
      {[](NitrousCalcEntry& e) { e.Cylinders = test::BeyondSingle; }, "Invalid number of cylinders", CylindersField},
      {[](NitrousCalcEntry& e) { e.VolEff = test::BeyondSingle; }, "Invalid volumetric efficiency", VolEffField},
      {[](NitrousCalcEntry& e) { e.Percentage = "100.5"; }, "Invalid nitrous percentage",
       PercentageField},
      {[](NitrousCalcEntry& e) { e.Percentage = "0"; }, "Invalid nitrous percentage", PercentageField},
      {[](NitrousCalcEntry& e) { e.PCurve = -1; }, "You must select a power curve", PCurveField},
      {[](NitrousCalcEntry& e) { e.PCurve = 1; }, "You must select a power curve", PCurveField},
      {[](NitrousCalcEntry& e) { e.PCurve = 3; }, "You must select a power curve", PCurveField},
  };
  for (const Case& c : cases) {
    NitrousCalcEntry e = Filled();
    c.edit(e);
    test::ExpectRefusal(AcceptNitrousCalc(1, e), c.message, c.field);
    EXPECT_EQ(S.VehicleData[0][1], "");
    EXPECT_EQ(S.PowerCurve[1][25], 0);
    EXPECT_EQ(S.NitrousCapacity[1], 0);
  }
  NitrousCalcEntry e = Filled();
  e.JetSize = "0.043";
  EXPECT_EQ(AcceptNitrousCalc(1, e)->message.rfind("Invalid nitrous jet size \nNo unit type", 0), 0u);
}

TEST_F(NitrousCalculator, BlankFiguresFallBackInTurn) {
  EXPECT_EQ(Figures(LoadNitrousCalcEntry(1)), "|4|100|100|4|0.040in|100|800psi|-1");
  test::SetItems({{9, 19, "900psi"}, {6, 18, "95"}});
  EXPECT_EQ(Figures(LoadNitrousCalcEntry(1)), "|4|100|95|4|0.040in|100|900psi|-1");

  // Stage 2 takes stage 1's hardware, but not its jet size, percentage or capacity.
  for (int k = 1; k <= 9; ++k) S.VehicleData[0][k] = "1" + std::to_string(k);
  S.VehicleData[0][8] = "0";
  EXPECT_EQ(Figures(LoadNitrousCalcEntry(2)), "|12|13|17|19|0.040in|100|16|-1");
  EXPECT_EQ(LoadNitrousCalcEntry(1).PCurve, 0);
  S.VehicleData[0][8] = "7";
  EXPECT_EQ(LoadNitrousCalcEntry(1).PCurve, -1);
}

TEST_F(NitrousCalculator, CurveListNamesUntitledColumns) {
  S.PowerDescript[1] = " Wet shot ";
  const auto entries = PowerCurveEntries();
  EXPECT_EQ(entries[0] + "|" + entries[1] + "|" + entries[2],
            "Power with no Nitrous|Wet shot|Power with 2nd stage Nitrous");
}

}  // namespace
}  // namespace kestrelon
