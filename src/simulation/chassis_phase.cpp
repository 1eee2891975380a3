#include "simulation/chassis_phase.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "simulation/gear_shift.h"
#include "simulation/run_context.h"

namespace kestrelon {

namespace {

Single RootOrZero(Single x) { return x > 0 ? std::sqrt(x) : 0.0f; }

void TransferLoads(RunContext& __restrict c, bool crank) {
  const Single qc = c.CrankReaction;
  Single M = (S.Acceleration * S.ChassisWeight + S.AeroDrag) * (S.CGHeight - S.RearAxleHeight) + S.AxleTorque +
             S.RearWheelInertia * S.RearWheelRotAccel;
  if (crank) M += qc * c.CrankLeverRatio;
  c.PitchMoment = M;

  S.FrontWheelLoad = std::max((c.WeightLessLift * S.ChassisCGL - M * c.InvGravity) * c.InvWheelbase, 0.0f);
  S.RearWheelLoad = c.WeightLessLift - S.FrontWheelLoad;
  if (crank) S.RearWheelLoad += qc / c.CrankLTimesGravity;
  S.WheelieBarLoad = 0;
  if (S.FrontWheelLoad <= 0 && S.WheelieBarHeight <= 0) {
    if (S.ChassisWBL <= 0) {
      S.RearWheelLoad = c.WeightLessLift + (crank ? qc / c.CrankLTimesGravity : 0.0f);
    } else {
      S.WheelieBarLoad = std::max((M * c.InvGravity - c.WeightLessLift * S.ChassisCGL) / S.ChassisWBL, 0.0f);
      S.RearWheelLoad = c.WeightLessLift - S.WheelieBarLoad;
    }
  }
}

// Works out the front spring force and the spring-plus-preload term of the step.
void FrontSuspension(RunContext& __restrict c) {
  const bool travel = S.ChassisFTravel > 0;
  Single comp = 0;
  Single preload = 0;
  if (travel) {
    comp = std::max(S.ChassisFTravel - S.FrontWheelHeight, 0.0f);
    S.FrontSpringForce = S.ChassisFRate * comp;
    preload = comp < c.FrontTyreDeflection ? S.ChassisFPrel * comp / c.FrontTyreDeflection : S.ChassisFPrel;
  } else {
    S.FrontSpringForce = S.FrontWheelLoad * S.Gravity;
  }

  if (S.FrontWheelHeight >= S.ChassisFTravel) {
    // At full droop or in the air the spring carries nothing. A front end without travel always
    // sits at its full droop, so whether it is off the ground is decided by its height below.
    S.FrontSpringForce = 0;
    c.SpringPreloadTerm = 0;
    if (travel) c.FrontWheelLifted = 1;
  } else {
    Single vf = 0;
    Single F = S.FrontSpringForce + preload;
    if (travel) {
      vf = (S.FrontWheelHeight - c.FrontSuspensionStart) * c.Sps;
      const Single fall = c.FrontSuspensionStart - S.FrontWheelHeight;
      if (c.FrontSuspensionStart > S.ChassisFTravel && fall > 0) {
        // The wheel lands within this step: only the part spent in contact counts.
        vf = comp * vf / fall;
        F = comp * F / fall;
      }
    }
    c.SpringPreloadTerm = F;
    // Full damping while the suspension extends, half while it compresses.
    S.FrontSpringForce = std::min(F - vf * (vf > 0 ? S.FrontDamping : S.FrontDampingHalf),
                                  c.WeightLessLift * S.Gravity);
    if (S.FrontSpringForce < 0) {
      S.FrontSpringForce = 0;
      c.FrontWheelLifted = 1;
    }
  }
  c.FrontSuspensionStart = S.FrontWheelHeight;
  if (FrontWheelInAir()) c.FrontWheelLifted = 1;
}

void PitchAboutBar(RunContext& __restrict c, bool crank, Single zf) {
  const Single g = S.Gravity;
  const Single kt = c.TyreVerticalRate;
  const Single tr = S.TyreRadius;
  Single ft = 0;
  if (S.RearAxleHeight < tr) {
    const Single va = S.PitchMomentum * c.BarOverPitchInertia;
    ft = std::max(kt * RootOrZero(tr * tr - S.RearAxleHeight * S.RearAxleHeight) -
                      va * (va > 0 ? S.RearTyreStiffness : S.RearTyreStiffnessHalf),
                  0.0f);
    if (crank) ft += c.CrankReaction / S.ChassisCrankL;
  }
  const Single Nb = S.FrontSpringForce * c.BarToFrontAxle +
                    (S.Acceleration * S.ChassisWeight + S.AeroDrag) * S.CGHeight + S.ChassisWBL * ft -
                    c.WeightLessLift * g * c.BarToCG;
  S.PitchMomentum += Nb * c.StepDt;
  const Single vz = (S.PitchMomentum - Nb * c.HalfStepDt) * c.BarCGOverPitchInertia;
  const Single reach = std::sqrt(S.CGHeight * S.CGHeight + c.BarToCGSq);
  c.AxleToCGCos = reach > 0 ? c.BarToCG / reach : 0.0f;
  S.CGHeight += c.AxleToCGCos * vz * c.StepDt;
  if (S.CGHeight < zf) {
    S.CGHeight = zf;
    S.PitchMomentum = 0;
  }
  const Single y = S.CGHeight - S.ChassisCGH + S.ChassisWBH;
  S.RearAxleHeight = y / c.BarRatioB + c.LoadedTyreRadius - S.ChassisWBH;
  S.FrontWheelHeight = y / c.BarCGShare + S.FrontSuspensionExtension - S.ChassisWBH;
  if (S.FrontWheelHeight < S.ChassisFTravel)
    S.WheelieBarLoad += (S.FrontSpringForce / g - S.FrontWheelLoad) * c.BarRatioC;
  S.WheelieBarLoad = std::clamp(S.WheelieBarLoad, 0.0f, std::max(c.WeightLessLift, 0.0f));
  S.RearWheelLoad =
      S.RearAxleHeight >= tr ? 0.0f : kt * RootOrZero(tr * tr - S.RearAxleHeight * S.RearAxleHeight) / g;
}

void PitchAboutAxle(RunContext& __restrict c, Single zf) {
  const Single g = S.Gravity;
  const bool bar = S.ChassisWBL > 0;
  Single N;
  if (c.PitchRatio > 0.4f && !bar) {
    // Over the wheelie limit: only the weight acts, the throttle shuts and a gear is taken.
    N = -(c.WeightLessLift * c.CGLTimesGravity);
    if (S.ThrottleOpening > 0.001f) TestGearShift(1);
    S.ThrottleOpening = -0.2f;
    if (c.WheelieActive == False) {
      c.WheelieActive = True;
      if (S.WheelieCount[CurrentRun] < 10) {
        ++S.WheelieCount[CurrentRun];
        S.WheelieTime[CurrentRun][S.WheelieCount[CurrentRun]] = S.RunTime;
      }
    }
  } else {
    c.WheelieActive = False;
    N = S.FrontSpringForce * S.ChassisWheelbase + c.PitchMoment - c.WeightLessLift * c.CGLTimesGravity;
  }
  S.PitchMomentum += N * c.StepDt;
  const Single vz = (S.PitchMomentum - N * c.HalfStepDt) * c.PitchRateRear;
  S.CGHeight += c.AxleToCGCos * vz * c.StepDt;
  if (S.CGHeight < zf) {
    S.CGHeight = zf;
    S.PitchMomentum = 0;
  }
  const Single lift = S.CGHeight + c.LoadedTyreRadius - S.ChassisCGH - S.RearAxleHeight;
  if (bar) {
    S.WheelieBarHeight = S.ChassisWBH - lift * c.BarRatioA + S.RearAxleHeight - c.LoadedTyreRadius;
    if (S.WheelieBarHeight <= 0) {
      S.WheelieBarHeight = 0;
      S.CGHeight = (c.BarRatioA > 0 ? S.ChassisWBH / c.BarRatioA : 0.0f) + S.ChassisCGH - (c.LoadedTyreRadius - S.RearAxleHeight) * c.BarRatioB;
    }
  }
  if (bar && S.WheelieBarHeight <= 0) {
    S.FrontWheelHeight = (S.RearAxleHeight - c.LoadedTyreRadius) * c.BarRatioD +
                         (S.ChassisWBH - S.WheelieBarHeight) * c.BarRatioC + S.FrontSuspensionExtension;
    if (S.FrontWheelHeight < S.ChassisFTravel)
      S.WheelieBarLoad = (S.FrontSpringForce / g - S.FrontWheelLoad) * c.BarRatioC;
    S.WheelieBarLoad = std::clamp(S.WheelieBarLoad, 0.0f, std::max(c.WeightLessLift, 0.0f));
  } else {
    S.FrontWheelHeight = lift * c.WheelbaseOverCGL + S.FrontSuspensionExtension + S.RearAxleHeight -
                         c.LoadedTyreRadius;
  }
  S.RearWheelLoad = c.WeightLessLift - S.FrontWheelLoad - S.WheelieBarLoad;
}

}  // namespace

bool FrontWheelInAir() {
  return S.FrontWheelHeight > (S.ChassisFTravel > 0 ? S.ChassisFTravel : MinFrontTyreDeflection);
}

void ChassisPhase(RunContext& __restrict c) {
  const bool crank = S.ChassisCrankL > 0;
  TransferLoads(c, crank);
  FrontSuspension(c);
  const Single h = S.FrontWheelHeight - S.FrontSuspensionExtension;

  const bool barLoaded = S.ChassisWBL > 0 && S.WheelieBarLoad > 0;
  const Single zf = barLoaded ? S.ChassisCGH - S.ChassisWBH * c.BarFrontShare + h * c.BarCGShare
                              : S.ChassisCGH - c.ExtensionCGDrop + (S.RearAxleHeight - c.LoadedTyreRadius) * c.StaticRearShare;
  const Single rise = S.CGHeight - S.RearAxleHeight;
  c.AxleToCGCos = rise < c.AxleToCG ? RootOrZero(1 - rise * rise * c.InvAxleToCGSq) : 0.0f;
  c.PitchRatio = h * c.InvWheelbase;

  if (barLoaded && S.WheelieBarHeight <= 0)
    PitchAboutBar(c, crank, zf);
  else
    PitchAboutAxle(c, zf);

  S.FrontWheelHeight = std::max(S.FrontWheelHeight, 0.0f);
  if (FrontWheelInAir()) {
    S.FrontSpringForce = 0;
    S.FrontWheelLoad = 0;
  } else if (S.ChassisFTravel > 0) {
    S.FrontWheelLoad = c.SpringPreloadTerm * c.InvGravity;
  } else {
    S.FrontWheelLoad = std::max(c.WeightLessLift - S.RearWheelLoad, 0.0f);
    S.FrontSpringForce = S.FrontWheelLoad * S.Gravity;
  }
}

}  // namespace kestrelon
