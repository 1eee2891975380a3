#include "simulation/clutch_capacity.h"

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/ui_seam.h"

namespace kestrelon {

namespace {

// Clamping force of all bob-weight arms for a pitch circle diameter; an arm without length
// has no leverage and adds nothing.
Single ArmForce(Single pcd, Single w) {
  const Single arms = S.ClutchArms;
  if (S.ClutchArmPL <= 0 || S.ClutchArmPL + S.ClutchArmWL <= 0) return 0;
  const Single a = w * w * pcd / 2;  // centripetal acceleration at the weights
  const Single A = S.ClutchArmWeight * a * S.ClutchArmWL / (2 * (S.ClutchArmPL + S.ClutchArmWL));
  const Single B = S.ClutchTotalWeight * a / arms;
  return (A / 2 + B) * arms * S.ClutchArmWL / S.ClutchArmPL;
}

}  // namespace

void CalcClutchCapacity() {
  if (S.TransmissionEntered == False) S.TransPrimary = 1.0f;
  const bool imperial = Cfg.PUnits == "I";
  S.TorqueUnitFactor = imperial ? 1.3567f : 1.0f;
  S.TorqueFactorUnit = imperial ? "lb/ft" : "N/m";
  if (!(S.ClutchFrictions > 0 && S.ClutchUseSpec != False)) return;

  // Torque at the crank per newton of clamping force.
  const Single P = S.ClutchFrictions * S.ClutchFrictionCoeff * (S.ClutchID + S.ClutchOD) / (2 * S.TransPrimary);
  S.ClutchTorqueStatic = P * S.ClutchSpring;
  S.ClutchStaticCopy = P * S.ClutchSpringCopy;
  S.VehicleData[6][8] = Format(S.ClutchTorqueStatic / S.TorqueUnitFactor, "####0.00") + S.TorqueFactorUnit;

  if (S.ClutchArms > 0) {
    const Single w = S.MaxRPMIndex * 10 * Pi / (3 * S.TransPrimary);  // rad/s at the clutch
    const Single F = ArmForce(S.ClutchPCD, w);
    S.ClutchTorqueLocked = P * F;
    S.ClutchLockedCopy = P * ArmForce(S.ClutchPCDCopy, w);
    // Spring and weights together; with no force from the weights that is the spring alone.
    const Single total = F > 0 ? (S.ClutchSpring + F) * S.ClutchTorqueLocked / F : P * S.ClutchSpring;
    S.VehicleData[6][9] = Format(total / S.TorqueUnitFactor, "####0.00") + S.TorqueFactorUnit;
  }
  ui().ShowClutchCapacities(S.VehicleData[6][8], S.VehicleData[6][9]);
}

}  // namespace kestrelon
