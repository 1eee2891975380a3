#pragma once
// What the clutch form holds: the drive type, the size, the capacities or rpm figures, the
// engagement profile, the converter figures and the mechanical specification, as typed and as
// picked. The clutch logic reads and fills it as the form's controls would.

#include <string>

#include "core/tables.h"

namespace kestrelon {

// The clutch form's fields, numbered for the focus and the title of a refusal.
enum ClutchField {
  ClutchDiameterField,
  ClutchWeightField,
  ClutchTorqueStaticField,
  ClutchTorqueLockedField,
  BiteRPMField,
  LockupRPMField,
  ClutchEngageInitialField,
  ClutchEngageInitialPCField,
  ClutchEngageFinalField,
  ConverterSlipField,
  ConverterMultField,
  ClutchFrictionsField,
  ClutchODField,
  ClutchIDField,
  ClutchMaterialField,
  ClutchFrictionCoeffField,  // a material whose coefficient is unusable: focus on the material
  ClutchBaseMaterialField,
  ClutchFrictionThicknessField,
  ClutchPressureThicknessField,
  ClutchSpringField,
  ClutchAGField,
  ClutchArmsField,
  ClutchArmPLField,
  ClutchArmWLField,
  ClutchPCDField,
  ClutchArmWeightField,
  ClutchTotalWeightField,
  ClutchNoFocusField,  // the focus stays where it was
};

// The four entries of the type list, in list order.
inline constexpr const char* ClutchTypeEntries[4] = {"Conventional", "Lockup", "Slider",
                                                      "Torque converter"};

struct ClutchEntry {
  std::string TypeText = ClutchTypeEntries[0];  // the picked entry's text
  std::string Diameter, Weight;
  std::string TorqueStatic, TorqueLocked;
  std::string BiteRPM, LockupRPM;
  std::string EngageInitial, EngageInitialPC, EngageFinal;
  std::string ConverterSlip, ConverterMult;
  bool Feather = false;         // automatic clutch
  bool UseSpec = false;         // the mechanical specification is ticked
  std::string Frictions, OD, ID;
  int Material = 0;             // clutch material rows picked in the two lists
  int BaseMaterial = 0;
  // A stored friction material that names no material, as stored: the vehicle's own dry friction
  // coefficient for the "other" material. Empty when the stored text names a material.
  std::string OtherFriction;
  bool Wet = false;
  std::string FrictionThickness, PressureThickness, Spring, AG;
  std::string Arms, ArmPL, ArmWL, PCD, ArmWeight, TotalWeight;

  // The "other" material is picked with a coefficient of the vehicle's own.
  bool OwnFriction() const { return Material == OtherClutchMaterial && !OtherFriction.empty(); }
};

}  // namespace kestrelon
