#include "results/cascade_scene.h"

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "results/axis_steps.h"
#include "simulation/gear_shift.h"
#include "simulation/nitrous.h"
#include "simulation/tyre_phase.h"

namespace kestrelon {

namespace {

constexpr double RowMphPerMetre = 23.425;  // mph of one curve row at a radius of 1 m
constexpr double MphPerMps = 2.2379;
constexpr double NewtonsPerLbf = 4.4507;
constexpr double MphSquaredPerMps = 5.0085;

int Row(double r) { return std::clamp<int>(CInt(r), 0, CurveRows - 1); }
Single Torque(int stage, int row) {
  return S.PowerCurve[std::clamp(stage, 0, CurveColumns - 1)][std::clamp(row, 0, CurveRows - 1)];
}

// The gear's overall ratio with the grown rolling radius folded in, read without side effects.
double Gearing(double rpm, int gear) {
  return GearingWithGrowthOf(static_cast<Single>(rpm), static_cast<Integer>(gear)).Ratio;
}

bool ModelDrawable() {
  if (S.TransmissionEntered == False || S.TyreEntered == False || S.AeroEntered == False ||
      S.EngineEntered == False)
    return false;
  // What the data forms guarantee, checked so that a half-entered model draws nothing.
  const int gears = CInt(S.GearCount);
  if (gears < 1 || gears >= GearSlots || !(S.RearTyreRadius > 0) || !(S.RearTyreRadiusFt > 0))
    return false;
  for (int g = 1; g <= gears; ++g)
    if (!(S.GearOverall[g] > 0)) return false;
  return S.MinRPMIndex >= 0 && S.MinRPMIndex <= S.MaxRPMIndex && S.MaxRPMIndex > 0 &&
         S.MaxRPMIndex < CurveRows;
}

void BuildGear(CascadeScene& s, const CascadeOptions& o, int g, int gears) {
  CascadeGear gear;
  const int minRow = S.MinRPMIndex, maxRow = S.MaxRPMIndex;
  const bool growth = S.TyreGrowthRate != 0;
  gear.ConverterSlip = S.ClutchType == "T" && S.GearLockup[static_cast<std::size_t>(g - 1)] == False;
  const Single c = S.ConverterCurveC;
  // The driveline row of an engine row: slower by the converter's slip.
  const auto driveline = [&](int r) { return gear.ConverterSlip ? r * c : static_cast<Single>(r); };
  const auto rowX = [&](double d) { return d * s.RowXPerUnit / Gearing(d * 100, g); };
  gear.Stage = NitrousStageAt(static_cast<Integer>(g), 0);

  // Engine speed line: straight unless the converter slips or the tyre grows.
  const double yMin = RoundHalfEven(minRow * double(s.RowYPerUnit));
  const double yMax = RoundHalfEven(maxRow * double(s.RowYPerUnit));
  const double xMin = RoundHalfEven(rowX(minRow));
  if (!gear.ConverterSlip && !growth) {
    gear.RPMLine = {{xMin, yMin},
                    {RoundHalfEven(maxRow * double(s.RowXPerUnit) / S.GearOverall[g]), yMax}};
  } else {
    gear.RPMLine.push_back({gear.ConverterSlip ? rowX(driveline(minRow)) : xMin, yMin});
    const auto to = [&](int r) {
      gear.RPMLine.push_back(
          {RoundHalfEven(rowX(driveline(r))), RoundHalfEven(r * double(s.RowYPerUnit))});
    };
    for (int r = (minRow / 10 + 1) * 10; r <= (maxRow / 10) * 10; r += 10) to(r);
    if (maxRow % 10 != 0) to(maxRow);
  }

  // Next gear, for the shift point.
  const bool last = g >= gears;
  const Integer nextStage = last ? gear.Stage : NitrousStageAt(static_cast<Integer>(g + 1), 0);
  const double stepRatio = last ? 1.0 : double(S.GearOverall[g + 1]) / S.GearOverall[g];

  // Force curve with the ram-air gain; the shift point is the last row before the next gear
  // gives more force (plain torque and overall ratio: no growth, converter or ram air).
  const double roadSpeedPerRow = Pi * S.RearTyreRadius / 0.3;
  bool shiftFound = false;
  for (int r = minRow; r <= maxRow; ++r) {
    const double d = driveline(r);
    const double G = Gearing(d * 100, g);
    const double v = d * roadSpeedPerRow / G;
    const double ram = 1 + (S.AeroSpeed + v) * (S.AeroSpeed + v) * S.AeroRamFactor;
    gear.ForceCurve.push_back({d * s.RowXPerUnit / G, ram * G * Torque(gear.Stage, r) * s.GearForceYScale});
    if (!last && o.ShowShiftPoints && !shiftFound &&
        Torque(nextStage, Row(r * stepRatio)) * S.GearOverall[g + 1] > Torque(gear.Stage, r) * S.GearOverall[g]) {
      shiftFound = true;
      gear.ShiftRow = static_cast<Integer>(r - 1);
    }
  }
  if (!last && o.ShowShiftPoints) {
    if (!shiftFound) gear.ShiftRow = static_cast<Integer>(maxRow);
    gear.ShiftMark = true;
    gear.ShiftX = rowX(driveline(gear.ShiftRow));
  }

  // Where the Auto read-out leaves this gear: at the shift point, else one row below the top.
  int e = gear.ShiftMark ? gear.ShiftRow : maxRow;
  if (!last && e == maxRow) e = maxRow - 1;
  gear.GearRangeEnd = static_cast<Single>(e * double(s.RowXPerUnit) / Gearing(e * 100.0, g) *
                                          (gear.ConverterSlip ? c : 1.0f));
  s.Gears.push_back(std::move(gear));
}

}  // namespace

CascadeUnits CascadeUnitsFor(std::string_view dUnits, std::string_view pUnits) {
  CascadeUnits u;
  const bool metric = dUnits == "M";
  u.SpeedTitle = metric ? "speed - km/h" : "speed - mph";
  u.ForceTitle = metric ? "Force - N" : "Force - LBF";
  u.SpeedUnitFactor = metric ? 1.609f : 1.0f;
  u.ForceUnitFactor = metric ? 4.451f : 1.0f;
  u.NewtonsPerForceUnit = metric ? 1.0f : 4.451f;
  u.PowerUnitFactor = pUnits == "M" ? static_cast<Single>(1 / 1.340183) : 1.0f;
  return u;
}

CascadeScene ComputeCascadeScene(const CascadeOptions& o) {
  CascadeScene s;
  if (!ModelDrawable()) return s;
  s.Drawable = true;
  s.Units = CascadeUnitsFor(Cfg.DUnits, Cfg.PUnits);
  const CascadeUnits& u = s.Units;
  const int gears = CInt(S.GearCount);

  s.TractionWeightTerm = S.Gravity * S.ChassisWeight * S.TyreWidth * S.TyreNum;
  s.RollingStaticTerm = TractionLimit(S.TyrePress);

  // The force axis holds every gear's force at peak torque ...
  for (int g = 1; g <= gears; ++g) {
    const Integer stage = NitrousStageAt(static_cast<Integer>(g), 0);
    const Single peak = Torque(stage, Row(S.EngineSummary[stage][1])) * S.GearOverall[g] / S.RearTyreRadiusFt;
    if (peak > s.MaxForce) s.MaxForce = peak;
  }
  // ... and the level-road resistance at top speed.
  s.TopSpeed = static_cast<Single>(S.MaxRPMIndex * RowMphPerMetre * S.RearTyreRadius * u.SpeedUnitFactor /
                                   Gearing(S.MaxRPMIndex * 100.0, gears));
  const double v = s.TopSpeed / (u.SpeedUnitFactor * MphPerMps);
  const double wind = v + S.AeroSpeed;
  const double R = (S.AeroDragFactor * S.DryDensityRatio * wind * wind + s.TractionWeightTerm * v / 4000 +
                    s.RollingStaticTerm) / NewtonsPerLbf;
  if (R > s.MaxForce) s.MaxForce = static_cast<Single>(R);

  // Grids: one force division per 60 pixels of window height (at most 10), up to 12 speed ones.
  s.ForceGridTarget = std::min(10L, static_cast<long>(std::max(0, o.WindowPixelHeight) / 60));
  s.Y = VerticalDivisions(u.ForceUnitFactor * double(s.MaxForce), s.ForceGridTarget);
  s.CascadeYPerUnit = static_cast<Single>(PlotHeight / (s.Y.count * double(s.Y.step)));
  s.X = VerticalDivisions(s.TopSpeed, 12);
  s.CascadeXPerUnit = static_cast<Single>(PlotWidth / (s.X.count * double(s.X.step)));
  s.CascadeXExtent = static_cast<Single>(double(s.CascadeXPerUnit) * s.X.count * s.X.step);
  s.CascadeYExtent = static_cast<Single>(double(s.CascadeYPerUnit) * s.Y.count * s.Y.step);

  // Engine speed axis: one row step spans one force division.
  s.RowStep = 10;
  while (S.MaxRPMIndex / double(s.RowStep) > s.Y.count && s.RowStep < 16384)
    s.RowStep = static_cast<Integer>(s.RowStep * 2);
  s.RowYPerUnit = static_cast<Single>(double(s.CascadeYPerUnit) * s.Y.step / s.RowStep);
  s.CorrectionText = "Power Correction Factor : " + Format(S.AirDensityRatio, "0.000");

  s.RowXPerUnit = static_cast<Single>(S.RearTyreRadius * RowMphPerMetre * s.CascadeXPerUnit * u.SpeedUnitFactor);
  s.GearForceYScale =
      s.CascadeYPerUnit * S.AirDensityRatio * u.ForceUnitFactor * S.TransEff / S.RearTyreRadiusFt;
  for (int g = 1; g <= gears; ++g) BuildGear(s, o, g, gears);

  s.SpeedPerMps = static_cast<Single>(u.SpeedUnitFactor * MphPerMps);
  s.ResistanceYScale = static_cast<Single>(s.CascadeYPerUnit / NewtonsPerLbf);
  s.AeroCoeff = static_cast<Single>(S.AeroDragFactor / MphSquaredPerMps * u.ForceUnitFactor * S.DryDensityRatio /
                                    (double(u.SpeedUnitFactor) * u.SpeedUnitFactor));
  s.WindDisplay = S.AeroSpeed * s.SpeedPerMps;
  s.RollingSpeedTerm = s.TractionWeightTerm / 4000;
  s.RollingSpeedCoeff = s.RollingSpeedTerm * u.ForceUnitFactor / s.SpeedPerMps;
  s.PowerFactor = static_cast<Single>(u.PowerUnitFactor / (double(u.SpeedUnitFactor) * u.ForceUnitFactor * 375));

  s.LevelResistance = ResistanceCurve(s, 0);
  if (S.CascadeGradient != 0 && o.ShowGradient) s.GradientResistance = ResistanceCurve(s, S.CascadeGradient);
  return s;
}

std::vector<PlotPoint> ResistanceCurve(const CascadeScene& s, Single gradient) {
  const double rolling = double(s.RollingStaticTerm) * s.Units.ForceUnitFactor;
  const double climb = double(S.ChassisWeight) * gradient * S.Gravity * s.Units.ForceUnitFactor / 100;
  std::vector<PlotPoint> curve{{0, (climb + rolling) * s.ResistanceYScale}};
  // One point per display speed unit, or per as many units as keep it to one point per plot unit.
  const double axis = double(s.X.step) * s.X.count;
  const double per = std::max(1.0, std::ceil(axis / PlotWidth));
  const Long n = CLng(axis / per);
  for (Long i = 1; i <= n; ++i) {
    const double v = i * per, w = v + double(s.WindDisplay);
    curve.push_back({v * double(s.CascadeXPerUnit),
                     (w * w * s.AeroCoeff + v * double(s.RollingSpeedCoeff) + rolling + climb) * s.ResistanceYScale});
  }
  return curve;
}

}  // namespace kestrelon
