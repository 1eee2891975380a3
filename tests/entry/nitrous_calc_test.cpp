#include "entry/nitrous_calc.h"

#include "entry_test_support.h"

namespace kestrelon {
namespace {

class Nitrous : public test::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    S.GearCount = 4;
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 70;
    S.EngineSummary[0][0] = 300;  // what the calculator builds on
    S.EngineSummary[1][0] = 400;
    S.EngineSummary[2][0] = 450;
  }
  // Stage 1 used from second gear, stage 2 not used.
  static NitrousEntry FirstStage() {
    NitrousEntry e;
    e.Stage[1].UseStage = true;
    e.SG1 = "2";
    e.DT1 = "0.5";
    return e;
  }
  static NitrousEntry Progressive() {
    NitrousEntry e = FirstStage();
    e.Stage[1].Prog = true;
    return e;
  }
  static void ExpectRefused(const NitrousEntry& e, const std::string& message, int field) {
    test::ExpectRefusal(AcceptNitrous(e), message, field);
    EXPECT_EQ(S.NitrousEntered, False);
    EXPECT_EQ(S.NitrousSG1, 10) << "a refusal changes no model field";
    EXPECT_EQ(S.NitrousStageData[1].ProgStage, False);
    EXPECT_EQ(S.VehicleData[8][1], "");
  }
};

TEST_F(Nitrous, GearsRoundHalvesToEvenAndRpmsBecomeRows) {
  for (auto [text, gear] : {std::pair{"2.5", 2}, {"3.5", 4}, {" 3x", 3}})
    EXPECT_EQ(NitrousGear(text), gear) << text;
  EXPECT_EQ(RpmRow("950"), 9);
  EXPECT_EQ(RpmRow("99"), 0);
}

TEST_F(Nitrous, StageGearsAndDelays) {
  NitrousEntry e = FirstStage();
  e.Stage[2].UseStage = true;
  e.SG2 = "4";  // = GearCount
  e.DT2 = "1";
  e.Stage[2].Correct = true;
  // The calculator set up both stages; only stage 1 stays ticked, stage 2 runs from its column.
  e.Stage[1].Calculate = true;
  S.NitrousCapacity = {0, 1.3f, 1.3f};
  ASSERT_FALSE(AcceptNitrous(e));
  EXPECT_EQ(S.NitrousCapacity, (std::array<Single, 3>{0, 1.3f, 0}));
  EXPECT_EQ(S.NitrousCorrect[2], True);
  EXPECT_EQ(std::tuple(S.NitrousSG1, S.NitrousDT1, S.NitrousSG2, S.NitrousEntered), std::tuple(2, 0.5f, 4, True));
  // An unticked box is stored empty, not "N".
  test::ExpectItems({{8, 1, "2"}, {8, 4, "1"}, {10, 19, "Y"}, {10, 20, "Y"}, {8, 7, ""}, {5, 19, "Y"}, {5, 20, ""}});
  S.NitrousCapacity[1] = 0, e.Stage[2].Calculate = true;  // ticked, yet off the calculator: no "Y"
  e.SG2 = "2";  // the same gear as stage 1
  EXPECT_FALSE(AcceptNitrous(e));
  test::ExpectItems({{5, 19, ""}, {5, 20, ""}});
  e.SG2 = "0";  // gear 0: the stage is not used, not refused
  EXPECT_FALSE(AcceptNitrous(e));
  // A stage without a curve is not used whatever its boxes hold.
  S.EngineSummary[2][0] = 0;
  e.SG2 = "9";
  ASSERT_FALSE(AcceptNitrous(e));
  EXPECT_EQ(S.NitrousSG2, 10);
}

TEST_F(Nitrous, GearRefusals) {
  const struct {
    const char *sg1, *dt1, *sg2, *dt2, *message;
    int field;
  } cases[] = {
      {"5", "0.5", "", "", "Invalid gear for first stage", NitrousSG1Field},
      {"-1", "0.5", "", "", "Invalid gear for first stage", NitrousSG1Field},
      {"2", "-1", "", "", "Cannot have negative delay", NitrousDT1Field},
      {"2", test::BeyondSingle, "", "", "Cannot have negative delay", NitrousDT1Field},
      {"", "0.5", "3", "", "Second stage before first not allowed", NitrousSG2Field},  // stage 1 unused
      {"2", "0.5", "1", "", "Second stage before first not allowed", NitrousSG2Field},
      {"2", "0.5", "5", "", "Invalid gear for second stage", NitrousSG2Field},
      {"2", "0.5", "3", "-2", "Cannot have negative delay", NitrousDT2Field},
  };
  for (const auto& c : cases) {
    NitrousEntry e = FirstStage();
    e.Stage[2].UseStage = c.sg2[0] != 0;
    e.SG1 = c.sg1, e.DT1 = c.dt1, e.SG2 = c.sg2, e.DT2 = c.dt2;
    ExpectRefused(e, c.message, c.field);
  }
  // A progressive stage entered as gear 0 is not in use (message without an icon).
  NitrousEntry e = Progressive();
  e.SG1 = "0";
  ExpectRefused(e, "Stage 1 Nitrous not in use", NitrousNotInUseField);
  EXPECT_EQ(AcceptNitrous(e)->style, 0);
}

TEST_F(Nitrous, ProgressiveByPowerRpmOrTime) {
  NitrousEntry e = Progressive();
  e.Stage[1].StartPower = "50";
  e.Stage[1].FinalPower = "90";
  e.Stage[1].StartRPM = "2000";
  e.Stage[1].FinalRPM = "4550";
  ASSERT_FALSE(AcceptNitrous(e));
  const NitrousStageRecord& rec = S.NitrousStageData[1];
  const auto record = [&rec] { return std::tuple(rec.ProgStage, rec.StartPower, rec.FinalPower, rec.StartRPM, rec.FinalRPM, rec.ProgTime); };
  EXPECT_EQ(record(), std::tuple(True, 0.5f, 0.9f, 20, 45, 0.0f));
  e = Progressive();
  e.Stage[1].ProgTime = "1.5";
  ASSERT_FALSE(AcceptNitrous(e));
  EXPECT_EQ(record(), std::tuple(True, 0.0f, 1.0f, 0, 0, 1.5f));
  EXPECT_EQ(S.VehicleData[10][5], "1.5");
  // Nothing to control the build-up (a full-power rpm of row 0 is none): a plain stage, with the
  // powers still stored.
  e = Progressive();
  e.Stage[1].FinalRPM = "50";
  ASSERT_FALSE(AcceptNitrous(e));
  EXPECT_EQ(record(), std::tuple(False, 0.0f, 1.0f, 0, 0, 0.0f));
  EXPECT_EQ(S.VehicleData[10][1], "Y");
}

TEST_F(Nitrous, ProgressionRefusals) {
  struct Case {
    const char *startRPM, *startPower, *finalPower, *finalRPM, *time, *message;
    int field;
  };
  const Case cases[] = {
      {"1900", "", "", "", "", "Invalid Nitrous Start RPM", NStartRPMField + 1},
      {"150", "", "", "", "", "Invalid Nitrous Start RPM", NStartRPMField + 1},  // row 1
      {"7000", "", "", "", "", "Invalid Nitrous Start RPM", NStartRPMField + 1},
      {"-500", "", "", "", "", "Invalid Nitrous Start RPM", NStartRPMField + 1},
      {"", "", "", "-500", "", "Invalid Full power RPM", NFinalRPMField + 1},
      {"", "120", "", "", "", "Invalid Nitrous Start Power", NStartPowerField + 1},
      {"", "50", "40", "", "", "Invalid Nitrous Final Power", NFinalPowerField + 1},
      {"3000", "", "", "", "", "Final RPM missing", NFinalRPMField + 1},
      {"3000", "", "", "7000", "", "Invalid Full power RPM", NFinalRPMField + 1},
      {"", "", "", "4000", "", "Start RPM missing", NStartRPMField + 1},
      {"4000", "", "", "4050", "", "Invalid Full power RPM", NFinalRPMField + 1},
      {"4000", "", "", "3000", "", "Invalid Full power RPM", NFinalRPMField + 1},
      {"3000", "", "", "4000", "1", "Progression time cannot be used on an RPM controlled nitrous",
       NProgTimeField + 1},
      {"", "", "", "", "-1", "Invalid Nitrous Progression time", NProgTimeField + 1},
      {"", "", "", "", test::BeyondSingle, "Invalid Nitrous Progression time", NProgTimeField + 1},
  };
  for (const Case& c : cases) {
    NitrousEntry e = Progressive();
    auto& st = e.Stage[1];
    st.StartRPM = c.startRPM, st.StartPower = c.startPower, st.FinalPower = c.finalPower;
    st.FinalRPM = c.finalRPM, st.ProgTime = c.time;
    ExpectRefused(e, c.message, c.field);
  }
}

TEST_F(Nitrous, BottlePressures) {
  NitrousEntry e = FirstStage();
  ASSERT_FALSE(AcceptNitrous(e));
  EXPECT_EQ(std::tuple(S.N2PowerPressure, S.N2RunPressure, S.N2DropPressure), std::tuple(1.0f, 1.0f, 0.0f));
  e.PowerPressure = "850psi";
  ASSERT_FALSE(AcceptNitrous(e));
  EXPECT_NEAR(S.N2PowerPressure, 850 * 6899, 1);
  EXPECT_EQ(std::tuple(S.N2RunPressure, S.N2DropPressure), std::tuple(S.N2PowerPressure, 0.0f));

  SetUp();
  e.DropPressure = "0psi";
  test::ExpectRefusal(AcceptNitrous(e), "Invalid bottle pressure drop", N2DropPressureField);
  EXPECT_FLOAT_EQ(S.N2PowerPressure, 0) << "a refusal changes no model field";
  e.DropPressure = "";
  e.RunPressure = "800";
  const auto r = AcceptNitrous(e);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->message.rfind("Invalid bottle pressure \nNo unit type provided", 0), 0u);
  EXPECT_EQ(r->field, N2RunPressureField);
  e.PowerPressure = "";
  ExpectRefused(e, "Must have the value for normal bottle pressure", N2PowerPressureField);
}

TEST_F(Nitrous, LoadTicksStagesByCurveAndItem) {
  S.EngineSummary[2][0] = 0;
  test::SetItems(
      {{10, 20, ""}, {10, 19, ""}, {10, 1, "Y"}, {10, 6, "Y"}, {5, 19, "Y"}, {8, 1, " 2 "},
       {10, 2, " 3000 "}, {8, 4, "1.5"}, {8, 7, "Y"}});
  NitrousEntry e = LoadNitrousEntry();
  EXPECT_TRUE(e.Stage[1].UseStage && e.Stage[1].Prog && e.Stage[1].Calculate);
  EXPECT_FALSE(e.Stage[2].UseStage || e.Stage[2].Prog);
  EXPECT_EQ(test::Joined({e.SG1, e.Stage[1].StartRPM, e.DT2}), " 2 |3000|1.5");
  EXPECT_TRUE(e.Stage[1].Correct);
  S.VehicleData[10][19] = "N";
  EXPECT_FALSE(LoadNitrousEntry().Stage[1].UseStage);

  // Every item the form owns, each with a text of its own, comes back from the form's OK as it
  // was read (the items emptied in between): each box reads its own item and writes it there.
  SetUp();
  S.NitrousCapacity[1] = 1.3f;  // stage 1 is one the calculator builds
  const auto items = {test::StoredItem{8, 1, "2"}, {8, 2, "0.5"}, {8, 3, "3"}, {8, 4, "1.2"}, {8, 7, "Y"},
                      {8, 8, "Y"}, {5, 19, "Y"}, {5, 20, ""}, {10, 1, "Y"}, {10, 6, "Y"}, {10, 19, "Y"},
                      {10, 20, "Y"}, {10, 2, "3000"}, {10, 3, "40"}, {8, 5, "90"}, {10, 4, "5000"},
                      {10, 5, ""}, {10, 7, ""}, {10, 8, "30"}, {8, 6, "80"}, {10, 9, ""}, {10, 10, "1.5"},
                      {9, 18, "50psi"}, {9, 19, "850psi"}, {9, 20, "800psi"}};
  test::SetItems(items);
  const NitrousEntry read = LoadNitrousEntry();
  for (const test::StoredItem& i : items) S.VehicleData[i.row][i.col] = "-";
  ASSERT_FALSE(AcceptNitrous(read));
  test::ExpectItems(items);
}

}  // namespace
}  // namespace kestrelon
