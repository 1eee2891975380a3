#include "simulation/nitrous.h"

#include <cmath>

#include "core/state.h"

namespace kestrelon {

namespace {

// Switch-on time of a stage: its delay after the engagement of the gear it starts in.
Single SwitchOnTime(Integer stageGear, Single delay) {
  const int g = stageGear - 1;
  const Single engaged = (g >= 0 && g < GearSlots) ? S.GearEngagedTime[CurrentRun][g] : 0.0f;
  return delay + engaged;
}

}  // namespace

Integer NitrousStageAt(Integer Gear, Single Time) {
  if (Gear >= S.NitrousSG2 && (Time == 0 || Time >= SwitchOnTime(S.NitrousSG2, S.NitrousDT2)))
    return 2;
  if (Gear >= S.NitrousSG1 && (Time == 0 || Time >= SwitchOnTime(S.NitrousSG1, S.NitrousDT1)))
    return 1;
  return 0;
}

Single NitrousPressureFactorAt(Single Time) {
  // Without a pressure the curves were measured at, they hold as they are.
  if (S.N2PowerPressure <= 0) return 1.0f;
  Single bottle = S.N2RunPressure - S.N2DropPressure * Time;
  if (bottle < 0) bottle = 0;
  const Single r = bottle / S.N2PowerPressure;
  return r > 1 ? r * r : r;
}

Single CalcNitrousPower(Single Capacity, Single Flow, Single VolEff, Single RPM) {
  const double rn = 44.0 / 23.5;
  const double ra = 28.95 / 23.5 * S.DryDensityRatio;
  const double ox = 16.0 / 44.0;
  const double ao = 0.2094;
  const double Ta = S.AeroTemp + 273.0;
  const double ca = 0.029 / 28.95;
  const double cn = 0.038 / 44.0;
  const double Tn = 185.0;
  const double Tr = 288.5;

  // A quotient whose divisor is 0 is not formed: the value stays as it was (0 at first), so a
  // ratio that cannot be formed comes back as 0.
  auto div = [](double num, double den, double keep) { return den != 0 ? num / den : keep; };

  const double Va = (VolEff / 100.0) * Capacity * (RPM / 120.0);
  const double Ma = div(Va * Tr * ra, Ta, 0);
  const double V1 = div(Flow * Ta, rn * Tr, 0);
  const double V0 = div(Flow * Tn, rn * Tr, 0);
  const double B1 = (Va - V0) * Tr * ra / Tn;
  const double B0 = div((Va - V1) * Tr * ra, Ta, 0);
  const double T0 = div(Ta * B0 * ca + Flow * Tn * cn, ca * B0 + Flow * cn, 0);
  const double T1 = div(Ta * B1 * ca + Flow * Tn * cn, ca * B1 + Flow * cn, 0);

  Single R = 0;
  if (T0 > 0 && T1 > 0) {
    const double Tm = std::sqrt(T1 / T0) * T0;
    const double V2 = Flow * Tm / (rn * Tr);
    const double B2 = (Va - V2) * Tr * ra / Tm;
    if (B2 > 0) {
      R = static_cast<Single>(div(ao * B2 + Flow * ox, Ma * ao, 0));
      if (R > 1.9f) R = static_cast<Single>(1.9 * 1.9 / R);  // an over-rich charge loses power
    }
  }
  return R;
}

}  // namespace kestrelon
