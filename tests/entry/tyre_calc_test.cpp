#include "entry/tyre_calc.h"

#include "entry_test_support.h"

namespace kestrelon::test {
namespace {

class TyreCalc : public EntryTest {
 protected:
  // The rear and front figures of a small sports car; growth not given.
  static TyreEntry Typical() {
    TyreEntry e;
    const std::pair<int, const char*> texts[] = {
        {TyreDiaItem, "23.2in"}, {TyreAspectItem, "70"},       {TyreWidthItem, "185mm"},
        {TyreMuItem, "1.6"},     {TyrePressItem, "18psi"},     {TyreNumItem, "2"},
        {TyreWDiaItem, "13in"},  {TyreWeightItem, "5.5kg"},    {TyreFDiaItem, "13in"},
        {TyreFWidthItem, "185mm"}, {TyreFAspectItem, "70"},    {TyreFPressItem, "18psi"},
        {TyreFWeightItem, "10.5kg"}, {TyreFTorqueItem, "5lbft"}, {TyreStartTempItem, "70c"}};
    for (auto [item, text] : texts)
      e.Text[item] = text;
    return e;
  }
  // A tyre without aspect ratio: 0.8 m growing to 0.9 m.
  static TyreEntry Growing(const char* speed) {
    TyreEntry e = Typical();
    e.Text[TyreDiaItem] = "0.8m";
    e.Text[TyreAspectItem] = "";
    e.Text[TyreGrowthDiaItem] = "0.9m";
    e.Text[TyreGrowthSpeedItem] = speed;
    return e;
  }
  static std::string Refused(TyreEntry e) {
    const Verdict v = AcceptTyre(e);
    return v ? v->message : "accepted";
  }
};

TEST_F(TyreCalc, AcceptedTyreDerivesItsFigures) {
  TyreEntry e = Typical();
  e.Text[FTyreNumItem] = "";
  ASSERT_FALSE(AcceptTyre(e));
  // The aspect ratio replaces the typed diameter: 0.185 x 0.7 x 2 + 13 in.
  EXPECT_NEAR(S.TyreDia, 0.5892f, 1e-5);
  EXPECT_EQ(S.VehicleData[3][1], "23.2in");
  EXPECT_NEAR(S.RearTyreStiffness, 6186.4f, 0.5f);
  EXPECT_EQ(S.RearTyreStiffnessHalf, S.RearTyreStiffness / 2);
  // Two wheels: 2 x (0.875 (D^4 - d^4) + 0.15 m d^2 + 6.75 w D^3), d the 13 in rim, m 5.5 kg;
  // sidewalls and tread, ((D^2 - d^2) Pi / 2 + w D Pi) x 9.5.
  EXPECT_NEAR(S.RearWheelInertia, 0.88086f, 1e-4);
  EXPECT_NEAR(S.RearTyreHeatMass, 6.8066f, 1e-3);
  EXPECT_EQ(S.TyreGrowthRate, 0);
  // The front wheel count takes the rear one, and the box shows it.
  EXPECT_EQ(S.FTyreNum, 2);
  EXPECT_EQ(S.VehicleData[3][18], "2");
  EXPECT_NEAR(S.FrontWheelInertia, 1.1975, 1e-4);

  // Without an aspect ratio the diameter box keeps what was typed.
  e.Text[TyreAspectItem] = "";
  e.Text[TyreDiaItem] = "30in";
  RecalcTyreDiameter(e);
  EXPECT_EQ(e.Text[TyreDiaItem], "30in");
}

TEST_F(TyreCalc, FlatTyreWheelCountsAndFigures) {
  // {item, typed, verdict}; a blank diameter also blanks the aspect ratio.
  const std::tuple<int, const char*, const char*> cases[] = {
      {TyrePressItem, "6800pa", "Tyre is flat! "},
      {TyrePressItem, "6801pa", "accepted"},
      {TyreNumItem, "0", "Only vehicles with 1 or 2 rear wheels are permitted"},
      {TyreNumItem, "3", "Only vehicles with 1 or 2 rear wheels are permitted"},
      {TyreNumItem, "", "Only vehicles with 1 or 2 rear wheels are permitted"},
      {FTyreNumItem, "3", "Vehicles must have 1 or 2 front wheels"},
      {TyreFAspectItem, "0.5", "Aspect ratio not valid"},
      {TyreMuItem, "0", "Invalid Friction Coefficient"},
      {FTyreMuItem, BeyondSingle, "Invalid Friction Coefficient"}, {TyreFAspectItem, BeyondSingle, "Aspect ratio not valid"},
      {TyreDiaItem, "", "Either static diameter or aspect ratio are needed"}};
  for (const auto& [item, typed, verdict] : cases) {
    TyreEntry e = Typical();
    e.Text[item] = typed;
    if (item == TyreDiaItem) e.Text[TyreAspectItem] = "";
    EXPECT_EQ(Refused(e), verdict) << typed;
  }
}

// An aspect ratio far beyond any tyre whose figures leave the numbers (3.5e38 would print as
// "Inf" in the report's tyre size, 1e20 gives an endless wheel inertia) is refused; a merely
// absurd one whose figures are numbers is taken.
TEST_F(TyreCalc, AnAspectRatioWhoseFiguresAreNoNumbersIsRefused) {
  TyreEntry e = Typical();
  e.Text[TyreWidthItem] = "190mm";
  e.Text[TyreWDiaItem] = "17in";
  for (const char* aspect : {"350000000000000000000000000000000000000", "100000000000000000000"}) {
    e.Text[TyreAspectItem] = aspect;
    const Verdict v = AcceptTyre(e);
    ASSERT_TRUE(v) << aspect;
    EXPECT_EQ(std::tie(v->message, v->field), std::tuple("Invalid aspect ratio", TyreAspectItem)) << aspect;
  }
  e.Text[TyreAspectItem] = "99999";
  EXPECT_FALSE(AcceptTyre(e));
  EXPECT_FLOAT_EQ(S.TyreAspect * 100, 99999);
}

TEST_F(TyreCalc, GrowthMustBeFeasible) {
  EXPECT_EQ(Refused(Growing("10m/s")), "Tyre Growth is unfeasable");  // quotient 800
  EXPECT_EQ(Refused(Growing("80m/s")), "accepted");                   // quotient 51200
  EXPECT_NEAR(S.TyreGrowthRate, 0.1 / 6400, 1e-9);
  EXPECT_EQ(Refused(Growing("")), "Tyre growth speed not valid ");

  TyreEntry e = Growing("80m/s");
  e.Text[TyreGrowthDiaItem] = "0.8m";
  EXPECT_EQ(Refused(e), "Tyre must grow by a positive amount");
  e.Text[TyreGrowthDiaItem] = "";
  EXPECT_EQ(Refused(e), "Tyre must grow by a positive amount");

  // A derived diameter equal to the growth diameter gives no growth rate at all.
  e = Typical();
  e.Text[TyreDiaItem] = "";
  e.Text[TyreGrowthDiaItem] = "0.5892m";
  e.Text[TyreGrowthSpeedItem] = "80m/s";
  EXPECT_EQ(Refused(e), "Tyre Growth is unfeasable");
}

}  // namespace
}  // namespace kestrelon::test
