// The gear cascade of the example car worked out by hand: scales, grids, the gear curves, shift
// points, the resistance curves and the read-out, in both unit sets; the scene never writes the
// model the next run reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/recording_canvas.h"
#include "results/cascade_drawing.h"
#include "results/cascade_readout.h"
#include "results/cascade_scene.h"
#include "support/westfield_fixture.h"

namespace kestrelon {
namespace {

// The example car with every section entered, as the data forms leave it.
class Cascade : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    Cfg = Settings{};
    test::LoadWestfield();
    S.RearTyreRadiusFt = S.RearTyreRadius * 3.2805f;
    S.EngineEntered = S.TransmissionEntered = S.TyreEntered = S.AeroEntered = True;
  }
  static CascadeScene Scene(bool shiftPoints = false, bool gradient = false, int height = 600) {
    return ComputeCascadeScene({height, shiftPoints, gradient});
  }
  // Figures of the example worked out by hand.
  static constexpr double Radius = 0.2946;               // 23.2 in tyre / 2
  static constexpr double RadiusFt = Radius * 3.2805;    // 0.96644 ft
  static constexpr double TopSpeed = 75 * 23.425 * Radius / 3.77;  // 137.29 mph in top
  static constexpr double MaxForce = 139 * 2.9 * 3.77 / RadiusFt;  // first gear at 139 lb-ft
  static constexpr double WeightTerm = 9.81 * 660 * 0.185 * 2;     // 2395.6 N
  static constexpr double DragFactor = 17 * 0.0929 * 0.6 * 0.55;   // 0.52117
};

TEST_F(Cascade, ExampleRowOneScalesAndGrids) {
  const CascadeScene s = Scene();
  ASSERT_TRUE(s.Drawable);
  EXPECT_EQ(s.Units.SpeedTitle, "speed - mph");
  EXPECT_EQ(s.Units.ForceTitle, "Force - LBF");
  EXPECT_NEAR(s.TopSpeed, TopSpeed, 0.01);
  EXPECT_NEAR(s.MaxForce, MaxForce, 0.1);
  // 1572 lbf: steps of 100 give 16 divisions, 200 give 8 (a 600 px window allows 10).
  EXPECT_EQ(s.ForceGridTarget, 10);
  EXPECT_EQ(s.Y.step, 200);
  EXPECT_EQ(s.Y.count, 8);
  // 137 mph: 10 mph gives 14 divisions, 20 mph gives 7.
  EXPECT_EQ(s.X.step, 20);
  EXPECT_EQ(s.X.count, 7);
  EXPECT_NEAR(s.CascadeXExtent, 1280, 1e-3);
  EXPECT_NEAR(s.CascadeYExtent, 960, 1e-3);
  // Rows 0..75 fit 8 divisions of 10 rows: 12 plot units per row.
  EXPECT_EQ(s.RowStep, 10);
  EXPECT_NEAR(s.RowYPerUnit, 12, 1e-5);
  EXPECT_EQ(s.CorrectionText, "Power Correction Factor : 1.000");

  // A 420 px window allows 7 force divisions: steps of 300 give 6.
  const CascadeScene small = Scene(false, false, 420);
  EXPECT_EQ(small.Y.step, 300);
  EXPECT_EQ(small.Y.count, 6);
}

TEST_F(Cascade, ExampleRowOneGearCurvesAndShiftPoints) {
  const CascadeScene s = Scene(true);
  ASSERT_EQ(s.Gears.size(), 4u);
  const double rowX = Radius * 23.425 * 1280.0 / 140;  // plot x per row at ratio 1
  const double overall[] = {2.9 * 3.77, 2.0 * 3.77, 1.4 * 3.77, 3.77};
  for (int g = 0; g < 4; ++g) {
    SCOPED_TRACE(g + 1);
    const CascadeGear& gear = s.Gears[static_cast<std::size_t>(g)];
    // No converter, no growth: one straight line from 3000 to 7500 rpm.
    ASSERT_EQ(gear.RPMLine.size(), 2u);
    EXPECT_EQ(gear.RPMLine[0].y, 360);
    EXPECT_EQ(gear.RPMLine[1].y, 900);
    EXPECT_NEAR(gear.RPMLine[0].x, RoundHalfEven(30 * rowX / overall[g]), 1);
    EXPECT_NEAR(gear.RPMLine[1].x, RoundHalfEven(75 * rowX / overall[g]), 1);
    // One force point per row; peak torque of 139 lb-ft at row 55.
    ASSERT_EQ(gear.ForceCurve.size(), 46u);
    EXPECT_NEAR(gear.ForceCurve[25].y / s.CascadeYPerUnit, 139 * overall[g] / RadiusFt, 0.2);
    EXPECT_NEAR(gear.ForceCurve[25].x, 55 * rowX / overall[g], 0.01);
    // The next gear never pulls harder within the curve, so each shift stands at 7500 rpm.
    EXPECT_EQ(gear.ShiftMark, g < 3);
    if (g < 3) {
      EXPECT_EQ(gear.ShiftRow, 75);
      EXPECT_NEAR(gear.ShiftX, 75 * rowX / overall[g], 0.01);
    }
    // The Auto read-out leaves a lower gear one row below its top.
    EXPECT_NEAR(gear.GearRangeEnd, (g < 3 ? 74 : 75) * rowX / overall[g], 0.01);
  }
  for (const CascadeGear& gear : Scene(false).Gears) EXPECT_FALSE(gear.ShiftMark);
}

TEST_F(Cascade, ShiftPointWhereTheNextGearPullsHarder) {
  // A curve that falls steeply past 5000 rpm makes second gear pull harder before the top; a
  // nitrous stage of twice the torque from third gear on makes third pull harder sooner.
  for (int row = 51; row <= 75; ++row) S.PowerCurve[0][row] = 139 - 4.0f * (row - 50);
  for (int row = 0; row < CurveRows; ++row) S.PowerCurve[1][row] = 2 * S.PowerCurve[0][row];
  S.NitrousSG1 = 3;
  const CascadeScene s = Scene(true);
  for (const auto& [g, nextStage, step] : {std::tuple(1, 0, 2.0 / 2.9), std::tuple(2, 1, 1.4 / 2.0)}) {
    SCOPED_TRACE(g);
    const Integer shift = s.Gears[static_cast<std::size_t>(g - 1)].ShiftRow;
    EXPECT_LT(shift, 75);
    // At the row after the shift the next gear gives more force; at the shift itself not yet.
    const auto pulls = [&](int r) {
      return S.PowerCurve[nextStage][CInt(r * step)] * S.GearOverall[g + 1] > S.PowerCurve[0][r] * S.GearOverall[g];
    };
    EXPECT_TRUE(pulls(shift + 1));
    for (int r = 30; r <= shift; ++r) EXPECT_FALSE(pulls(r)) << r;
  }
}

TEST_F(Cascade, ResistanceReadoutAtHundredMphIsTheDrawnCurve) {
  const CascadeScene s = Scene();
  // Level road, no wind: drag plus rolling resistance, in lbf (5.0085 mph squared per (m/s)
  // squared, 2.2379 mph per m/s).
  const double force = (100.0 * 100 * DragFactor / 5.0085 + 100 / 2.2379 * WeightTerm / 4000) / 4.4507;
  EXPECT_NEAR(force, 239.8, 0.1);
  ASSERT_EQ(s.LevelResistance.size(), 141u);  // 0 to 140 mph, one point per mph
  EXPECT_EQ(s.LevelResistance[0].x, 0);
  EXPECT_NEAR(s.LevelResistance[100].y / s.CascadeYPerUnit, force, 0.05);
  EXPECT_NEAR(s.LevelResistance[100].x, 100 * s.CascadeXPerUnit, 1e-3);
  EXPECT_TRUE(s.GradientResistance.empty());

  CascadeReadout r;
  EXPECT_EQ(SelectReadoutResistance(r), "Drag");
  const ReadoutTexts t = PointerReadout(r, s, 100 * s.CascadeXPerUnit, false);
  EXPECT_EQ(*t.Speed, "Speed : 100.0");
  EXPECT_EQ(*t.Force, "Force : 240");
  EXPECT_EQ(*t.RPM, "Power : 63.9");  // force x 100 / 375
  EXPECT_FALSE(t.Gear);  // the gear label keeps "Drag"

  // Into a head wind the read-out is still the drawn curve's value.
  S.AeroSpeed = 5;
  const CascadeScene windy = Scene();
  EXPECT_EQ(*PointerReadout(r, windy, 100 * windy.CascadeXPerUnit, false).Force,
            "Force : " + Format(windy.LevelResistance[100].y / windy.CascadeYPerUnit, "####0"));
}

TEST_F(Cascade, RamAirRaisesTheForceWithTheSquareOfTheAirSpeed) {
  const CascadeScene still = Scene();
  S.AeroRamFactor = 1e-4f;
  S.AeroSpeed = 3;
  const CascadeScene ram = Scene();
  const double v = 55 * 3.1415927 * Radius / 0.3 / 3.77;  // m/s in top gear at 5500 rpm
  const auto force = [](const CascadeScene& s) { return s.Gears[3].ForceCurve[25].y / s.CascadeYPerUnit; };
  EXPECT_NEAR(force(ram) / force(still), 1 + (3 + v) * (3 + v) * 1e-4, 1e-4);
}

TEST_F(Cascade, PeakTorqueAtTheCurvesFirstRowSetsTheForceAxis) {
  S.EngineSummary[0][1] = 0.4f;  // the peak read at row 0
  S.PowerCurve[0][0] = 500;
  S.PowerCurve[0][1] = 0;
  EXPECT_NEAR(Scene().MaxForce, 500 * 2.9 * 3.77 / RadiusFt, 0.5);
}

TEST_F(Cascade, ReadoutFontFollowsThePictureWidth) {
  EXPECT_EQ(CascadeReadoutFont(1000).size, 15);
  EXPECT_TRUE(CascadeReadoutFont(1000).bold);
  EXPECT_EQ(CascadeReadoutFont(200).size, 6);  // 3 twips would be too small: 0.4 pixel, plain
  EXPECT_FALSE(CascadeReadoutFont(200).bold);
}

TEST_F(Cascade, GearReadoutOfEngineSpeedAndForce) {
  const CascadeScene s = Scene();
  CascadeReadout r;
  EXPECT_EQ(SelectReadoutGear(r, s, 4), "Gear : 4");
  const double mps = 100 / 2.2379;
  const double row = 3.77 * mps / (3.1415927 / 0.3 * Radius);  // 54.6 rows
  const ReadoutTexts t = PointerReadout(r, s, 100 * s.CascadeXPerUnit, false);
  EXPECT_EQ(*t.RPM, "RPM : " + Format(row * 100, "####0"));
  const double torque = 138.6 + (row - 54) * (139 - 138.6);
  EXPECT_EQ(*t.Force, "Force : " + Format(torque * 3.77 / RadiusFt, "####0"));

  // A converter that is not locked up in the gear turns the engine faster by its slip.
  S.ClutchType = "T";
  S.ConverterCurveC = 0.9f;
  for (const bool locked : {false, true}) {
    S.GearLockup[3] = ToFlag(locked);
    EXPECT_EQ(*PointerReadout(r, s, 100 * s.CascadeXPerUnit, false).RPM,
              "RPM : " + Format(row * 100 / (locked ? 1 : 0.9), "####0"));
  }
  S.ClutchType = "L";

  // First gear at 10 mph turns the engine below the curve's first row: no force.
  SelectReadoutGear(r, s, 1);
  EXPECT_EQ(*PointerReadout(r, s, 10 * s.CascadeXPerUnit, false).Force, "Force : 0");
  // Beyond the curve's last row too.
  EXPECT_EQ(*PointerReadout(r, s, 120 * s.CascadeXPerUnit, false).Force, "Force : 0");
  // Left of the axis reads 0, right of it the full scale.
  EXPECT_EQ(*PointerReadout(r, s, -50, false).Speed, "Speed : 0.0");
  EXPECT_EQ(*PointerReadout(r, s, 5000, false).Speed, "Speed : 140.0");
}

TEST_F(Cascade, AutoReadoutNamesTheGearsInTurn) {
  const CascadeScene s = Scene();
  CascadeReadout r;
  EXPECT_EQ(SelectReadoutGear(r, s, 0), "Gear : ");
  std::vector<std::string> named;
  for (double x = 0; x <= 1280; x += 5) {
    const ReadoutTexts t = PointerReadout(r, s, x, false);
    if (t.Gear) named.push_back(*t.Gear);
  }
  EXPECT_EQ(named, (std::vector<std::string>{"Gear : 1", "Gear : 2", "Gear : 3", "Gear : 4"}));
  // Beyond top gear's range only the speed follows the pointer.
  const ReadoutTexts beyond = PointerReadout(r, s, 1279, false);
  EXPECT_TRUE(beyond.Speed);
  EXPECT_FALSE(beyond.RPM);
  EXPECT_FALSE(beyond.Force);
}

TEST_F(Cascade, MetricUnitsAndPowerUnits) {
  S.AirDensityRatio = 0.95f;
  Cfg.DUnits = "M";
  const CascadeScene m = Scene();
  EXPECT_EQ(m.Units.SpeedTitle, "speed - km/h");
  EXPECT_EQ(m.Units.ForceTitle, "Force - N");
  EXPECT_EQ(m.CorrectionText, "Power Correction Factor : 0.950");
  EXPECT_NEAR(m.TopSpeed, TopSpeed * 1.609, 0.02);
  // A resistance of F newtons stands at F x 4.451 / 4.4507 on the force axis.
  const double kmh = 100, mps = kmh / (1.609 * 2.2379);
  const double newtons = DragFactor * mps * mps + WeightTerm * mps / 4000;
  EXPECT_NEAR(m.LevelResistance[100].y / m.CascadeYPerUnit, newtons * 4.451 / 4.4507, 0.05);
  EXPECT_NEAR(m.PowerFactor, 1 / (1.609 * 4.451 * 375), 1e-9);

  // Imperial speed and force with horsepower, and with kilowatts.
  Cfg.DUnits = "I";
  EXPECT_NEAR(Scene().PowerFactor, 1.0 / 375, 1e-9);
  Cfg.PUnits = "M";
  EXPECT_NEAR(Scene().PowerFactor, 1 / 1.340183 / 375, 1e-9);
}

TEST_F(Cascade, GradientCurveOnlyWithAGradientShown) {
  S.CascadeGradient = 5;
  const CascadeScene shown = Scene(false, true);
  ASSERT_EQ(shown.GradientResistance.size(), shown.LevelResistance.size());
  const double climb = 660 * 5 * 9.81 / 100 / 4.4507;  // lbf of a 5 % slope
  EXPECT_NEAR((shown.GradientResistance[60].y - shown.LevelResistance[60].y) / shown.CascadeYPerUnit, climb, 0.01);
  EXPECT_TRUE(Scene(false, false).GradientResistance.empty());
  S.CascadeGradient = 0;
  EXPECT_TRUE(Scene(false, true).GradientResistance.empty());
}

TEST_F(Cascade, ConverterLinesStraightWhenLockedAndSlowerWhenSlipping) {
  S.ClutchType = "T";
  S.ConverterCurveC = 0.9f;
  for (int g = 0; g < 4; ++g) S.GearLockup[static_cast<std::size_t>(g)] = True;
  const CascadeScene locked = Scene();
  for (const CascadeGear& gear : locked.Gears) EXPECT_EQ(gear.RPMLine.size(), 2u);

  S.GearLockup[0] = False;  // first gear slips
  const CascadeScene slipping = Scene();
  const CascadeGear& first = slipping.Gears[0];
  // Rows 30, 40, 50, 60, 70 and the top row 75.
  ASSERT_EQ(first.RPMLine.size(), 6u);
  EXPECT_NEAR(first.RPMLine.back().x, locked.Gears[0].RPMLine.back().x * 0.9, 1);
  EXPECT_EQ(first.RPMLine.back().y, 900);
  for (std::size_t i = 0; i < first.ForceCurve.size(); ++i)
    EXPECT_NEAR(first.ForceCurve[i].x, locked.Gears[0].ForceCurve[i].x * 0.9, 1e-3);
  EXPECT_NEAR(first.GearRangeEnd, locked.Gears[0].GearRangeEnd * 0.9, 1e-3);
  EXPECT_EQ(slipping.Gears[1].RPMLine.size(), 2u);
}

TEST_F(Cascade, TyreGrowthBendsTheLinesButLeavesTheRunsRadius) {
  S.TyreGrowthDia = S.TyreDia * 1.1f;
  S.TyreGrowthRate = 0.0001f;
  for (int g = 1; g <= 4; ++g) S.GearGrowthRPM[g] = 6000;
  S.TyreRadius = 0.3f;  // as the last run left it
  const CascadeScene s = Scene(true);
  EXPECT_EQ(S.TyreRadius, 0.3f);
  // A grown tyre goes faster at the same engine speed; at 6000 rpm by the full 10 %.
  EXPECT_EQ(s.Gears[3].RPMLine.size(), 6u);
  const double rowX = Radius * 23.425 * s.CascadeXPerUnit;
  EXPECT_NEAR(s.Gears[3].ForceCurve[30].x, 60 * rowX / 3.77 * 1.1, 0.5);
  EXPECT_GT(s.TopSpeed, TopSpeed);
}

TEST_F(Cascade, NothingDrawnUntilEverySectionIsEntered) {
  for (Integer* flag : {&S.EngineEntered, &S.TransmissionEntered, &S.TyreEntered, &S.AeroEntered}) {
    *flag = False;
    EXPECT_FALSE(Scene().Drawable);
    *flag = True;
  }
  S.MinRPMIndex = S.MaxRPMIndex = 0;  // a curve of one row at 0 rpm: nothing to draw
  EXPECT_FALSE(Scene().Drawable);
  S.MaxRPMIndex = 75;
  S.GearCount = 0;  // a model no data form would accept draws nothing either
  EXPECT_FALSE(Scene().Drawable);
  RecordingCanvas pic;
  DrawCascade(pic, Scene());
  ASSERT_EQ(pic.ops.size(), 1u);
  EXPECT_EQ(pic.ops[0].kind, DrawOp::Clear);
}

// Gearing far beyond anything built, and a rolling resistance that is not a number (left by a
// run that could not be simulated): the grids keep to what the picture shows, the drawing is
// short and every coordinate drawn is a number.
TEST_F(Cascade, ExtremeModelsDrawABoundedPictureOfNumbers) {
  const auto finalDrive = [](Single f) {
    for (int g = 1; g <= 4; ++g) S.GearOverall[g] = S.GearOverall[g] / S.TransFinal * f;
    S.TransFinal = f;
  };
  struct Case {
    const char* what;
    std::function<void()> change;
  } cases[] = {
      {"final drive 0.000001", [&] { finalDrive(1e-6f); }},
      {"first gear 1e30", [] { S.GearOverall[1] = 1e30f; }},
      {"torque beyond single precision", [] { S.PowerCurve[0][40] = std::numeric_limits<Single>::infinity(); }},
      {"rear wheel load not a number", [] { S.RearWheelLoad = std::numeric_limits<Single>::quiet_NaN(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    c.change();
    S.CascadeGradient = 10;
    const CascadeScene s = Scene(true, true);
    ASSERT_LE(s.X.count, 12);
    ASSERT_LE(s.Y.count, 10);
    RecordingCanvas pic(1000, 700);
    DrawCascade(pic, s);
    EXPECT_LT(pic.ops.size(), 5000u);
    for (const DrawOp& op : pic.ops)
      ASSERT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) && std::isfinite(op.y2))
          << op.kind << " " << op.text;
  }
}

TEST_F(Cascade, DrawingColoursAndLabels) {
  RecordingCanvas pic(1000, 700);
  DrawCascade(pic, Scene(true));
  std::map<Color, int> lines;
  std::vector<std::string> texts;
  for (const DrawOp& op : pic.ops) {
    if (op.kind == DrawOp::Line) ++lines[op.color];
    if (op.kind == DrawOp::Text) texts.push_back(op.text);
  }
  EXPECT_EQ(lines[QBColor(9)], 4);           // one straight rpm line per gear
  EXPECT_EQ(lines[QBColor(2)], 4 * 45);      // 45 segments per force curve
  EXPECT_EQ(lines[QBColor(8)], 3);           // three shift points
  EXPECT_EQ(lines[QBColor(12)], 140);        // resistance, one segment per mph
  EXPECT_EQ(lines[QBColor(3)], 6 + 8);       // grid
  for (const char* t : {"Force - LBF", "RPM/1000", "speed - mph", "Power Correction Factor : 1.000", "7500", "20",
                        "120", "1600", "8"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "140"), texts.end());  // no label at the axis' end
  // The force title starts at the picture's left edge, not beyond it.
  for (const DrawOp& op : pic.ops) {
    if (op.kind != DrawOp::Text) continue;
    EXPECT_GE(op.x1, -110) << op.text;
  }
}

}  // namespace
}  // namespace kestrelon
