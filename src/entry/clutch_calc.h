#pragma once
// The clutch or torque converter section: the drive type and its codes, what the form loads from
// the vehicle texts, the suggested figures of the Defaults button, and what its OK accepts.

#include <string>
#include <string_view>

#include "entry/clutch_entry.h"
#include "entry/field_reading.h"

namespace kestrelon {

// The title of the clutch form's messages, where a refusal names none of its own.
inline constexpr const char* ClutchMessageTitle = "Clutch Setup";

// The layout code of a type entry while the form is open: "C", "L", "S" or "T"; any text other
// than the four entries counts as conventional.
std::string ClutchWorkingCode(std::string_view entryText);
// The code the model and the vehicle texts keep: "N", "L", "S" or "T".
std::string ClutchModelCode(std::string_view entryText);
// The list position of a stored type code.
int ClutchTypeIndex(std::string_view storedCode);

// The form as the vehicle texts fill it. A stored friction material that names no material is
// taken as the "other" material with that text's number as its dry friction coefficient.
ClutchEntry LoadClutchEntry();

// Suggested figures for the current layout from the engine curve, into the boxes; a refusal when
// there is no engine curve yet.
Verdict ClutchDefaults(ClutchEntry& e, std::string_view workingCode);

// The clutch OK up to its acceptance: type, size, specification, capacities or rpm, engagement
// or converter figures; then the texts, the automatic-clutch flag, the inertia and ClutchEntered.
// The entry is updated as the form's boxes would be (capacities and rpm shown by the
// specification). A refusal changes nothing in the model.
Verdict AcceptClutch(ClutchEntry& e);

// Works the clutch's figures out again from the vehicle as it now stands (the capacities of the
// mechanical specification, a converter's coefficients, a slider's capacities), as the clutch
// OK of its stored texts does when the vehicle is opened, writing what that OK writes. Nothing
// before the clutch and the engine are entered; a refusal leaves the model as it was and is
// returned, unsaid.
Verdict WorkOutClutchFigures();

// The same for a command that changed what the clutch works from. A refusal keeps the change:
// the clutch counts as not entered, its form opens for the racer to mend it, and the refusal
// is told under the form's title.
void RecalcClutchFigures();

}  // namespace kestrelon
