#include "results/cascade_readout.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "core/tables.h"
#include "simulation/nitrous.h"

namespace kestrelon {

namespace {

constexpr double NewtonMetresPerLbFt = 1.3567;
constexpr double NewtonsPerLbf = 4.4507;
const Single RadPerSecPerRow = Pi / 0.3f;  // one curve row, 100 rpm

void ChooseGear(CascadeReadout& r, const CascadeScene& s, int gear) {
  r.ReadoutRatio = S.TransPrimary * S.TransFinal * S.GearInternal[std::clamp(gear, 0, GearSlots - 1)];
  r.ReadoutStage = NitrousStageAt(static_cast<Integer>(gear), 0);
  RefreshReadoutFactor(r, s);
}

std::string GearText(int gear) { return "Gear : " + std::to_string(gear); }

// Torque of the curve column at a fractional row, between the rows either side.
Single TorqueAt(int stage, Single row) {
  const auto& curve = S.PowerCurve[std::clamp(stage, 0, CurveColumns - 1)];
  const int i = static_cast<int>(std::floor(row));
  if (i >= S.MaxRPMIndex || i + 1 >= CurveRows) return curve[std::clamp(i, 0, CurveRows - 1)];
  return curve[i] + (row - i) * (curve[i + 1] - curve[i]);
}

}  // namespace

void RefreshReadoutFactor(CascadeReadout& r, const CascadeScene& s) {
  r.ReadoutTorqueFactor = static_cast<Single>(S.AirDensityRatio * r.ReadoutRatio * NewtonMetresPerLbFt *
                                              S.TransEff / s.Units.NewtonsPerForceUnit);
}

std::string SelectReadoutGear(CascadeReadout& r, const CascadeScene& s, int index) {
  r.SelectedGear = static_cast<Integer>(index);
  r.ShowResistance = false;
  if (index > 0) {
    ChooseGear(r, s, index);
    return GearText(index);
  }
  r.ReadoutRatio = 1;
  r.ReadoutStage = 0;
  r.ReadoutTorqueFactor = 0;
  r.ReadoutGearShown = -1;
  return "Gear : ";
}

std::string SelectReadoutResistance(CascadeReadout& r) {
  r.SelectedGear = 0;
  r.ShowResistance = true;
  return "Drag";
}

ReadoutTexts PointerReadout(CascadeReadout& r, const CascadeScene& s, double x, bool showGradient) {
  ReadoutTexts t;
  if (!s.Drawable) return t;
  x = std::clamp(x, 0.0, double(s.CascadeXExtent));
  const double speed = x / s.CascadeXPerUnit;
  t.Speed = "Speed : " + Format(speed, "##0.0#");
  r.ReadoutSpeed = static_cast<Single>(speed / s.SpeedPerMps);

  if (r.ShowResistance) {
    double base = s.RollingSpeedTerm * double(r.ReadoutSpeed) + s.RollingStaticTerm;
    if (S.CascadeGradient != 0 && showGradient) base += S.ChassisWeight * S.CascadeGradient * S.Gravity / 100.0;
    base *= s.Units.ForceUnitFactor;
    const double w = s.WindDisplay + speed;
    const double F = (w * w * s.AeroCoeff + base) / NewtonsPerLbf;
    t.Force = "Force : " + Format(F, "####0");
    t.RPM = "Power : " + Format(F * speed * s.PowerFactor, "###0.0");
    return t;
  }

  r.ReadoutRadius = (r.ReadoutSpeed * r.ReadoutSpeed * S.TyreGrowthRate + S.TyreDia) / 2;
  if (r.SelectedGear != 0) {
    r.ReadoutGear = r.SelectedGear;
  } else {
    const int top = static_cast<int>(s.Gears.size());
    if (top == 0 || x > s.Gears.back().GearRangeEnd) return t;
    int g = 1;
    while (g < top && x > s.Gears[static_cast<std::size_t>(g - 1)].GearRangeEnd) ++g;
    r.ReadoutGear = static_cast<Integer>(g);
    if (r.ReadoutGear != r.ReadoutGearShown) {
      t.Gear = GearText(g);
      ChooseGear(r, s, g);
    }
    r.ReadoutGearShown = r.ReadoutGear;
  }

  const Integer gear = r.ReadoutGear;
  r.ReadoutRow = r.ReadoutRadius > 0 ? r.ReadoutRatio * r.ReadoutSpeed / (RadPerSecPerRow * r.ReadoutRadius) : 0;
  const bool slip = S.ClutchType == "T" && gear >= 1 && S.GearLockup[static_cast<std::size_t>(gear - 1)] == False;
  if (slip && S.ConverterCurveC != 0) r.ReadoutRow /= S.ConverterCurveC;
  t.RPM = "RPM : " + Format(r.ReadoutRow * 100.0, "####0");

  double F = 0;
  if (r.ReadoutRow >= S.MinRPMIndex && r.ReadoutRow <= S.MaxRPMIndex && r.ReadoutRadius > 0) {
    const double v = S.AeroSpeed + r.ReadoutSpeed;
    F = (1 + v * v * S.AeroRamFactor) * TorqueAt(r.ReadoutStage, r.ReadoutRow) * r.ReadoutTorqueFactor /
        r.ReadoutRadius;
  }
  t.Force = "Force : " + Format(F, "####0");
  return t;
}

}  // namespace kestrelon
