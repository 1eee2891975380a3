#pragma once
// The nitrous section: two stages, each with the gear it starts in and a delay, the atmospheric
// correction, an optional progressive build-up by rpm or by time, and the three bottle pressures
// both stages share.

#include <array>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "entry/field_reading.h"

namespace kestrelon {

// The nitrous form's fields, numbered for the focus after a refusal; the per-stage boxes add
// the stage (1 or 2).
enum NitrousField {
  NitrousSG1Field,
  NitrousDT1Field,
  NitrousSG2Field,
  NitrousDT2Field,
  NStartRPMField = 4,   // + stage
  NStartPowerField = 7,
  NFinalPowerField = 10,
  NFinalRPMField = 13,
  NProgTimeField = 16,
  N2PowerPressureField = 19,
  N2RunPressureField,
  N2DropPressureField,
  NitrousNotInUseField,  // a plain message, the focus stays where it was
};

// What one stage's controls hold.
struct NitrousStageEntry {
  bool UseStage = false;
  bool Correct = false;
  bool Prog = false;
  bool Calculate = false;
  std::string StartRPM, StartPower, FinalPower, FinalRPM, ProgTime;
};

// What the nitrous form holds; Stage[1] and Stage[2] (element 0 unused).
struct NitrousEntry {
  std::string SG1, DT1, SG2, DT2;
  std::array<NitrousStageEntry, 3> Stage;
  std::string PowerPressure, RunPressure, DropPressure;
};

// A typed gear: the leading number to the nearest whole number, halves to the even one.
Integer NitrousGear(std::string_view text);
// A typed engine speed as a curve row: rpm to the nearest whole number, / 100 truncated.
Long RpmRow(std::string_view text);

// What the nitrous form sets (the stage gears and delays, the corrections, the progressive
// records and the bottle pressures) back to the values the program starts with.
void ClearNitrousEntry();

// Without a first-stage curve both stages are out of use: the nitrous form's reset, and the
// calculator's set-up of both stages cleared, as the calculator then builds no stage.
void PutNitrousOutOfUse();

// The nitrous model as the form's OK enters it from the vehicle's texts, without a word and
// without writing the texts; a refusal leaves the model as it was.
void EnterNitrousFromTexts();

// The form as the vehicle texts fill it; a stage without a curve loads unused and not
// progressive.
NitrousEntry LoadNitrousEntry();

// The nitrous OK: stage gears and delays, corrections, the progressive records and the bottle
// pressures; then the texts and NitrousEntered. A refusal changes nothing.
Verdict AcceptNitrous(const NitrousEntry& e);

// True when the nitrous OK of the vehicle texts, as the form loads them now, would leave the
// model as it is; the model and the texts are left as they are either way.
bool NitrousTextsGiveTheModel();

}  // namespace kestrelon
