#pragma once
// The transmission section: ratios typed as numbers, expressions or tooth pairs, the live table
// of overall ratios and road speeds, and what the OK accepts (drive ratios, efficiency, the gear
// ratios in falling order, upshift settings per gear, the starting gear, power shifts).

#include <array>
#include <string>

#include "core/state/vehicle_model.h"
#include "entry/field_reading.h"

namespace kestrelon {

inline constexpr int GearRows = 8;

// Fields of the transmission form; a gear's field adds its row (0..7) to the column's base.
enum GearsField {
  TransPrimaryField,
  TransFinalField,
  GearUpshiftDefaultField,
  GearsTransEffField,
  TransStartField,
  GearInternalField = 10,
  GearRPMField = 20,
  GearChangeField = 30,
  GearSecField = 40,
};

// What the transmission form shows. Row i belongs to gear i + 1.
struct GearsEntry {
  std::string Primary, Final, Start, Eff, UpshiftDefault;
  std::array<std::string, GearRows> Internal{}, RPM{}, Change{}, Sec{};
  std::array<bool, GearRows> Lockup{};
  bool PowerShift = false;
  // The table's labels: overall ratio ("3.500:1") and road speed per row, " " when none.
  std::array<std::string, GearRows> OverallCaption{}, SpeedCaption{};
  // The engine speed row the speed column is worked out at, and above which an upshift is
  // questioned: the top of the engine curve, or 100 without a curve.
  Integer DisplayRPMIndex = 100;
  Integer RatioErrorCode = 0;  // of the last ratio read
};

struct RatioReading {
  Single value = 0;
  Integer errorCode = 0;  // 0 read, above 0 the expression could not be read
  std::string text;       // the text to show back in the box
};
// One ratio: a number or expression ("37/17"), or a tooth pair "a:b" giving b/a ("3.5:1" is 3.5).
RatioReading ParseRatio(const std::string& text);

// The engine speed in gear g (1..8) at which the tyre reaches its grown diameter, from the
// gear's overall ratio and the tyre's growth figures; 0 without tyre growth. The run, the
// report, the cascade, the wheelie threshold and the estimate's gearing rule read it.
void WorkOutGearGrowthRPM(int g);
// The same for every gear, as the tyre's growth figures change.
void WorkOutGearGrowthRPM();
// Every gear's overall ratio from the drive ratios and its internal ratio, with its growth
// speed, as the transmission form works them out: for a final drive changed outside the form.
void WorkOutOverallRatios();

// The engine speed row of the speed column.
Integer DisplayRPMIndexNow();
// The heading of the speed column: "MPH at  80" or "Km/h at  80", then "00 RPM".
std::string GearSpeedHeading(Integer displayRPMIndex);

// Recalculates the rows of the gear table: row 0..7 alone, 100 all rows, above 100 all rows
// with the gear count, refusing a ratio that cannot be read.
Verdict RecalcGearTable(GearsEntry& entry, int gear);

// The speed column again, at the entry's engine speed row and in the units in force, in each row
// that shows an overall ratio.
void ShowGearSpeeds(GearsEntry& entry);

void LoadGears(GearsEntry& entry);
// Leaving a drive-ratio box: the ratio into the model and the table, or its refusal.
Verdict TransPrimary_LostFocus(GearsEntry& entry);
Verdict TransFinal_LostFocus(GearsEntry& entry);

// The OK's checks in order. keyboardAccept (F2) skips the question about an upshift above the
// top of the curve. On acceptance the model, the texts and, when the primary ratio changed, the
// clutch capacities.
Verdict AcceptGears(GearsEntry& entry, bool keyboardAccept);
// The model values the transmission form's boxes and check box write as the racer leaves them
// (drive ratios, the gear table, power shifts): taken when the form opens, put back by its
// Cancel so that the model keeps describing the vehicle's texts.
class GearingValues {
 public:
  GearingValues();  // takes them now
  void Restore() const;

 private:
  Single transPrimary_, transFinal_, gearCount_;
  std::array<Single, GearSlots> internal_, overall_, growthRPM_;
  Integer powerShift_;
};


}  // namespace kestrelon
