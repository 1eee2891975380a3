#include "simulation/temperatures.h"

#include <cmath>

#include "core/state.h"
#include "simulation/run_context.h"

namespace kestrelon {

void ClutchHeatPhase(RunContext& __restrict c) {
  if (S.ClutchPlateCalc1 <= 0) return;
  const Single slip = std::fabs(S.EngineSpeed - S.DrivelineSpeed) * c.RadPerSecPerRow;
  Single Q = S.ClutchTorqueCapacity * slip * c.StepDt;
  const Single L = (S.ClutchTemp - c.ClutchHeatTemp) * S.ClutchPlateCalc3 * c.StepDt;
  if (S.ClutchPlateCalc2 > 0) {
    Q -= L;
    c.ClutchHeatTemp += L / S.ClutchPlateCalc2;
  }
  S.ClutchTemp += Q / S.ClutchPlateCalc1;
}

void TyreTempPhase(RunContext& __restrict c) {
  if (S.RearTyreHeatMass <= 0 || S.TyreNum <= 0) return;  // no tyre to warm
  const Single drive = S.RearAxleHeight > 0 ? c.WheelTorque / S.RearAxleHeight : 0.0f;
  const Single Hin = (drive * (S.RearWheelSpeed - S.Speed) + S.RearWheelSpeed * c.RollingResistance) * c.TyreHeatInStep;
  // Losses to the air: still air, and more as the tyre turns faster.
  const Single warmer = S.TyreTemp - S.AeroTemp;
  const Single L1 = c.TyreStillCooling * warmer;
  const Single L2 = c.TyreSpeedCooling * warmer * S.RearWheelSpeed;
  S.TyreTemp += (Hin - (L1 + L2)) * c.TyreWarming;
}

}  // namespace kestrelon
