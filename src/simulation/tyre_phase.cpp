#include "simulation/tyre_phase.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "core/tables.h"
#include "simulation/run_context.h"

namespace kestrelon {

namespace {

// Grip coefficient for a slip speed s (m/s) with slip trend d, s0 the first break point.
Single GripFromSlip(Single s, Integer d, Single s0, Single m0, const RunContext& __restrict c) {
  const Single standing = c.StandingGrip;
  if (s == 0) return standing;
  // A wheel turning slower than the vehicle with no slip reference keeps the standing grip.
  if (s < 0 && s0 <= 0) return standing;
  if (s < s0) return standing + (s / s0) * ((0.85f + 3.0f * s0 / 100.0f) * m0 - standing);
  if (s <= c.SlipLimitLow) return (0.85f + (d + 2) * s / 100.0f) * m0;
  if (s <= c.SlipLimitHigh) return ((d + 2.333f) * s / 133.33f + d / 40.0f + 0.85f) * m0;
  if (s <= 20) return (0.15f * d + 1.175f - (d + 3) * s / 200.0f) * m0;
  if (s <= 40) return (d / 10.0f + 0.975f - (d + 2) * s / 400.0f) * m0;
  return (0.975f - s / 200.0f) * m0;
}

}  // namespace

Single TractionLimit(Single Pressure) {
  const Single root = (Pressure + 22000.0f) * S.TyreDia / 120.0f;
  if (root <= 0) return 0;  // no tyre to roll on
  return S.Gravity * S.RearWheelLoad * S.TyreWidth * S.TyreNum / std::sqrt(root);
}

void TyrePhase(RunContext& __restrict c) {
  const Single w = S.RearWheelSpeed;
  const Single wind = S.AeroSpeed + S.Speed;
  const Single U = wind * wind;
  S.AeroDrag = S.AeroDragFactor * U * S.DryDensityRatio;
  S.LiftForce = S.AeroLiftFactor * U * S.DryDensityRatio;

  S.TyreRadius = (S.TyreGrowthRate * w * w + S.TyreDia) / 2.0f;
  const Single radius = std::max(S.TyreRadius, 1e-3f);
  const Single pe = S.TyrePress + 8.5944f * w * w / radius;
  c.EffectivePressure = pe;
  const Single kt = pe * c.ContactWidth;
  c.TyreVerticalRate = kt;
  const Single Lc = kt > 0 ? 2.0f * S.RearWheelLoad * S.Gravity / kt : 0.0f;  // contact length
  Single s0 = Lc > 0 ? S.Speed / (1000.0f * Lc) : 0.0f;
  if (s0 > c.SlipLimitLow / 2) s0 = c.SlipLimitLow / 2;

  if (S.RearWheelLoad < 0 || kt <= 0) {
    S.RearAxleHeight = S.TyreRadius;
  } else {
    const Single flat = Lc / 2;  // half the contact length
    // A contact patch longer than the tyre allows leaves the axle on the flattened tyre, no
    // lower than half the rolling radius.
    const Single sq = S.TyreRadius * S.TyreRadius - flat * flat;
    S.RearAxleHeight = std::max(sq > 0 ? std::sqrt(sq) : 0.0f, S.TyreRadius / 2);
  }

  c.RollingResistance = TractionLimit(pe);
  c.ResistanceForce =
      S.AeroDrag + c.RollingResistance + c.WeightLessLift * c.WheelSpeedDragTerm * w;

  const Single rowSpeed = radius * c.RadPerSecPerRow;  // m/s per row at the wheel
  const Single ratio = S.GearOverallRatio;
  S.DrivelineSpeed = w * ratio / rowSpeed;
  // Only the top gear reads its speed limit, and a step shifts up at most one gear before it does.
  if (S.Gear >= S.GearCount - 1) c.TopGearLimitSpeed = ratio != 0 ? S.TopGearRPMIndex * rowSpeed / ratio : 0.0f;
  c.CrankReaction = (S.EngineSpeed - c.PrevEngineSpeed) * c.CrankTorquePerRowStep;

  c.PrevSlipSpeed = c.SlipSpeed;
  c.SlipSpeed = w - S.Speed;
  const Single change = c.SlipSpeed - c.PrevSlipSpeed;
  if (std::fabs(change) < c.GravityMuPerStep) {
    // A change under half the grip's own step rounds to no trend.
    const Single q = change / c.GravityMuPerStep;
    c.SlipTrend = std::fabs(q) < 0.5f ? 0 : static_cast<Integer>(CInt(q));
  } else
    c.SlipTrend = change > 0 ? 1 : (change < 0 ? -1 : 0);

  const Single m0 = c.DrivenTyreMu;
  Single mu = GripFromSlip(c.SlipSpeed, c.SlipTrend, s0, m0, c);
  if (mu > 0.8f && pe > 0) mu = 0.8f + (mu - 0.8f) * std::pow(33000.0f / pe, 0.33f);
  // Cold and hot tyres grip less; a tyre at or below freezing grips as at the lowest measure.
  const Single t = std::max(S.TyreTemp, 1.0f);
  if (t < 90)
    mu *= std::pow(t / 90.0f, 0.3f);
  else if (t > 115)
    mu *= std::pow(115.0f / t, 0.3f);
  const Single step = mu - c.PrevCorrectedTyreMu;
  if (std::fabs(step) > c.MuPerStep) mu = c.PrevCorrectedTyreMu + (step > 0 ? c.MuPerStep : -c.MuPerStep);
  S.CorrectedTyreMu = mu;

  c.WeightLessLift = S.ChassisWeight - S.LiftForce * c.InvGravity;
}

}  // namespace kestrelon
