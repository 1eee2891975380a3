#include "power/peak_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/state.h"
#include "core/tables.h"
#include "power/curve_synthesis.h"
#include "support/example_entry.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

class PeakEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    S.MaxRPMIndex = 60;
    texts.MaxRPM = "7000";
    texts.MaxBHP = "500";
  }
  PeakEntryBox Ok(Single unitFactor = 1) { return AcceptPeakFigures(texts, unitFactor); }
  // The one message of a refused OK.
  std::string Message() const { return seam.asked.empty() ? "" : seam.asked.back().text; }
  void Refused(PeakEntryBox box, const std::string& message, Single unitFactor = 1) {
    EXPECT_EQ(Ok(unitFactor), box) << message;
    EXPECT_EQ(Message(), message);
  }

  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  PeakEntryTexts texts;
};

// 500 BHP at 7000 rpm with nothing else typed: the figures derived, then the curve they give.
TEST_F(PeakEntry, PeakPowerAloneDerivesTheFiguresAndTheCurve) {
  texts.MaxPRPM = "7000";
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_EQ(std::tuple(S.MaxRPMIndex, S.MaxTRPM, S.MinRPM, S.PowerMaxPower),
            std::tuple(70, 5250, 3500, 500));
  EXPECT_NEAR(S.MaxTRQ, 431.41, 0.01);
  EXPECT_FLOAT_EQ(S.LaunchTemp, 70);
  const auto& d = S.VehicleData;
  EXPECT_EQ(std::tuple(d[6][1], d[6][2], d[8][18]), std::tuple("7000", "500", "70c"));

  S.PowerCurve[0][20] = 123;  // rows no segment covers are kept
  S.PowerCurve[0][150] = 77;
  SynthesizePowerCurve(0);
  const auto& c = S.PowerCurve[0];
  EXPECT_EQ(std::tuple(c[20], c[34], c[71], c[150]), std::tuple(123, 0, 0, 77));
  for (int i = 36; i <= 52; ++i) EXPECT_GT(c[i], c[i - 1]) << "row " << i;
  EXPECT_NEAR(c[52], 431.41, 0.01);  // 52.5 rounds to 52
  for (int i = 53; i <= 70; ++i) EXPECT_LT(c[i], c[i - 1]) << "row " << i;
  EXPECT_NEAR(c[70], 375.14, 0.01);
  // Power peaks at the peak-power row and nowhere passes it.
  for (int i = 35; i <= 70; ++i) EXPECT_LE(i * c[i] / 52.52, 500.01) << "row " << i;
}

TEST_F(PeakEntry, OverPeakPowerFallsSmoothlyToTheTopOfTheSpan) {
  texts.MaxPRPM = "7000";
  texts.MaxRPM = "9000";
  ASSERT_EQ(Ok(), PeakEntryBox::None);
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

TEST_F(PeakEntry, DegeneratePeakRowsStayInsideTheColumn) {
  texts.MaxPRPM = "7000";
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  // Peak torque and peak power in one row.
  S.MaxTRPM = 6950;
  S.MaxTRQ = 380;
  SynthesizePowerCurve(1);
  for (int i = 1; i <= 70; ++i) EXPECT_TRUE(std::isfinite(S.PowerCurve[1][i])) << "row " << i;
  EXPECT_FLOAT_EQ(S.PowerCurve[1][70], 380);  // 69.5 rounds to 70: the rise ends there

  // Peak torque below 50 rpm and a top speed of the table.
  S.MaxRPMIndex = 200;
  S.MaxTRPM = 40;
  S.MinRPM = 0;
  SynthesizePowerCurve(2);
  for (int i = 0; i < CurveRows; ++i) EXPECT_TRUE(std::isfinite(S.PowerCurve[2][i])) << i;
  EXPECT_GT(S.PowerCurve[2][200], 0);
}

TEST_F(PeakEntry, MaximumRpmSetsTheSpanWithinLimits) {
  texts.MaxRPM = "20000";
  texts.ErasePower = true;  // without a peak-power rpm nothing is erased
  EXPECT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_EQ(std::tuple(S.MaxRPMIndex, S.ErasePower), std::tuple(200, False));
  texts.MaxRPM = "8050";  // 80.5 rounds to the even 80
  EXPECT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_EQ(S.MaxRPMIndex, 80);
  texts.MaxRPM = "20001";
  Refused(PeakEntryBox::MaxRPM, "Maximum RPM out of range");
  EXPECT_EQ(seam.asked.back().style, Msg::Question);
  EXPECT_EQ(seam.asked.back().title, "Engine Data");
  S.MinRPMIndex = 30;
  texts.MaxRPM = "3000";
  EXPECT_EQ(Ok(), PeakEntryBox::MaxRPM);
  EXPECT_EQ(S.MaxRPMIndex, 80);

  // A new top works the clutch out for it at once: the Top Fuel dragster's locked capacity.
  S = SharedState{};
  RegisterDataForms();
  test::EnterExampleAutomatically(11);
  S.PowerCurveIndex = 0;
  texts.MaxRPM = "10000";
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_EQ(S.VehicleData[6][9], "46656.04lb/ft");
  S.VehicleData[6][9] = "as it stands";  // the same top again leaves the clutch alone
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_EQ(S.VehicleData[6][9], "as it stands");
}

TEST_F(PeakEntry, RefusalChangesNothing) {
  S.MaxBHP = 321;
  S.LaunchTemp = 40;
  texts.MaxRPM = "9000";
  texts.MaxBHP = "600";
  texts.MaxPRPM = "8000";
  texts.MaxTRPM = "8500";  // above the peak-power rpm
  Refused(PeakEntryBox::MaxTRPM, "Maximum torque RPM out of range");
  EXPECT_EQ(std::tuple(S.MaxRPMIndex, S.MaxBHP, S.LaunchTemp, S.MaxPRPM, S.VehicleData[6][2]),
            std::tuple(60, 321, 40, 0, ""));
}

TEST_F(PeakEntry, KilowattPowerIsStoredInBhp) {
  texts.MaxBHP = "373";
  EXPECT_EQ(Ok(1.340183f), PeakEntryBox::None);
  EXPECT_NEAR(S.MaxBHP, 499.9, 0.05);
  EXPECT_EQ(S.VehicleData[6][2], "500");  // the nearest BHP
  texts.ProposedBHP = "400";               // shown as 298 kW (399.4 BHP) and left so
  texts.MaxBHP = "298";
  ASSERT_EQ(Ok(1.340183f), PeakEntryBox::None);
  EXPECT_EQ(S.VehicleData[6][2], "400");
  texts.MaxBHP = "14923";  // above 19999 BHP
  Refused(PeakEntryBox::MaxBHP, "Maximum power out of range", 1.340183f);
  texts.MaxBHP = "250.7";  // typed in BHP, the item keeps the whole part
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_EQ(S.VehicleData[6][2], "250");
  // The box shows a stored power in whole kW and an empty one empty; in BHP as stored.
  EXPECT_EQ(std::tuple(ShownPeakPower("250.7", 1.340183f), ShownPeakPower("", 1.340183f), ShownPeakPower("250.7", 1)),
            std::tuple("187", "", "250.7"));
}

TEST_F(PeakEntry, SpeedsMustComeInOrder) {
  for (const auto& [torqueRpm, minRpm] : {std::pair{"5000", ""}, std::pair{"", "3000"}}) {
    texts.MaxTRPM = torqueRpm;
    texts.MinRPM = minRpm;
    Refused(PeakEntryBox::MaxPRPM, "You must set Maximum Power RPM");
  }
  texts.MaxPRPM = "7100";  // above the span of 7000
  Refused(PeakEntryBox::MaxPRPM, "Maximum power RPM out of range");
  texts.MaxPRPM = "6500";
  texts.MaxTRPM = "2500";
  Refused(PeakEntryBox::MinRPM, "Mininum engine RPM out of range");
  texts.LaunchTemp = "hot";
  EXPECT_EQ(Ok(), PeakEntryBox::LaunchTemp);
  EXPECT_EQ(Message().rfind("Invalid launch temperature ", 0), 0u);
}

TEST_F(PeakEntry, PeakTorqueNeedsAUnitAndMustFitThePower) {
  texts.MaxPRPM = "7000";
  texts.MaxTRQ = "400";
  EXPECT_EQ(Ok(), PeakEntryBox::MaxTRQ);
  EXPECT_EQ(Message().rfind("Invalid torque value ", 0), 0u) << Message();
  EXPECT_NE(Message().find("No unit type provided"), std::string::npos);

  texts.MaxTRQ = "542.68NM";  // 400 lb-ft
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_NEAR(S.MaxTRQ, 400, 0.01);
  // 500 BHP from 400 lb-ft at 6565 rpm; the peak torque sits at 90 % of that, 5908.5 -> 5908.
  EXPECT_EQ(S.MaxTRPM, 5908);

  texts.MaxTRQ = "300LBFT";  // gives 500 BHP only past the peak-power rpm
  Refused(PeakEntryBox::MaxTRQ, "Maximum torque not high enough");

  texts.MaxTRQ = "400LBFT";
  texts.MinRPM = "6600";
  Refused(PeakEntryBox::MaxTRQ, "Maximum torque too high for minimum engine RPM");

  texts.MinRPM = "5950";  // a derived peak-torque rpm below it is raised to it
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_EQ(S.MaxTRPM, 5950);
}

TEST_F(PeakEntry, TypedPeakTorqueAndItsRpmAreChecked) {
  texts.MaxPRPM = "7000";
  texts.MaxTRPM = "6000";
  texts.MaxTRQ = "480LBFT";  // 548 BHP at 6000 rpm
  Refused(PeakEntryBox::MaxTRQ, "Maximum torque too high for specified engine RPM");
  texts.MaxTRQ = "370LBFT";  // below the 375.1 needed at 7000 rpm
  Refused(PeakEntryBox::MaxTRQ, "Maximum torque not high enough for specified engine power");
  // Without a torque it follows from the two speeds.
  texts.MaxTRQ = "";
  ASSERT_EQ(Ok(), PeakEntryBox::None);
  EXPECT_NEAR(S.MaxTRQ, 405.20, 0.01);  // 375.14 lb-ft at 7000 rpm x sqrt(7000 / 6000)
  EXPECT_EQ(S.MinRPM, 3500);
}

}  // namespace
}  // namespace kestrelon
