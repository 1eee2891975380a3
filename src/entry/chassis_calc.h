#pragma once
// The chassis section: its figures as the form holds them, what its OK accepts and derives, the
// centre of gravity given either as a distance or as the rear wheels' share of the weight, and
// the Hard, Medium and Soft front-suspension presets.

#include <string>

#include "entry/field_reading.h"

namespace kestrelon {

enum class DampingChoice { Hard = 0, Medium = 1, Soft = 2, None = 3 };  // list positions
enum class DriveLayout { RWD, AWD, FWD };
enum class SuspensionPreset { Hard, Medium, Soft };

// The chassis form's fields, numbered for the focus after a refusal.
enum ChassisField {
  ChassisWheelbaseField,
  ChassisWeightField,
  ChassisCGLField,
  ChassisCGPField,
  ChassisCGHField,
  ChassisCrankLField,
  ChassisWBLField,
  ChassisWBHField,
  ChassisFTravelField,
  ChassisFRateField,
  ChassisFPrelField,
};

// What the chassis form shows: the texts as typed and the choices made.
struct ChassisEntry {
  std::string Wheelbase, Weight, CGL, CGP, CGH, CrankL, WBL, WBH, FTravel, FRate, FPrel;
  DampingChoice Damping = DampingChoice::Soft;
  DriveLayout Drive = DriveLayout::RWD;
  bool UseWheelieBars = true;
  std::string DriveText;  // the drive code shown after an accepted OK
};

// The form's working values while it is open, SI units.
struct ChassisBase {
  Single Wheelbase = 0, Weight = 0, CGL = 0;
  Integer WheelbaseUnitRow = 0;  // unit table row typed for the wheelbase
  Single CGPercent = 0;          // weight on the rear wheels, percent
};

// Rear wheels' share of the weight in percent, for a C.G. cgl ahead of the rear axle.
Single RearWeightPercent(Single cgl, Single wheelbase);
// A length shown in the unit of a unit table row: "40.0in".
std::string LengthInUnit(Single metres, Integer unitRow);

// Front damping from spring rate (N/m), travel (m) and preload (N); 0 without travel.
Single FrontDampingOf(Single rate, Single travel, Single preload, DampingChoice damping);

struct SuspensionSetting {
  Single Travel = 0, Rate = 0, Preload = 0;  // m, N/m, N
};
// A preset's travel, rate and preload for a wheelbase, weight and C.G. distance.
SuspensionSetting PresetSuspension(SuspensionPreset preset, Single wheelbase, Single weight,
                                   Single cgl);
// The preset's three texts in the display units (DUnits "I" imperial, else metric).
void ShowSuspension(const SuspensionSetting& setting, ChassisEntry& entry);

// The form's load: texts and choices from the vehicle texts, the rear share from the C.G.
void LoadChassis(ChassisEntry& entry, ChassisBase& base);
// Keeping the C.G. distance and the rear share in step while the user types.
void ChassisCGL_LostFocus(ChassisEntry& entry, ChassisBase& base);
void ChassisCGP_LostFocus(ChassisEntry& entry, ChassisBase& base);
void ChassisWheelbase_LostFocus(ChassisEntry& entry, ChassisBase& base);

// A preset button: reads the base figures (or refuses) and fills the suspension texts.
Verdict ApplySuspensionPreset(ChassisEntry& entry, ChassisBase& base, SuspensionPreset preset);

// The OK's checks in order; on acceptance the model, the derived values and the texts.
Verdict AcceptChassis(ChassisEntry& entry, ChassisBase& base);

}  // namespace kestrelon
