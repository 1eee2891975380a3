#pragma once
// Values typed with a unit code behind the number ("147mm", "4.2PSI", "2*21.5IN"), converted
// into the base unit of the type the caller expects (metres for "length", kilograms for
// "mass", ...), and the display units the program shows its results in.

#include <string>
#include <string_view>

#include "core/numbers.h"

namespace kestrelon {

// Converts the typed text into the base unit of unitType ("length", "mass", "force", "torque",
// "rate", "area", "pressure", "speed", "inertia", "temp", "power", "volume"). Sets
// S.UnitsParseOK (1 accepted, 0 not), S.UnitsErrorText (the message for the user) and
// S.UnitsLastIndex (the unit table row applied, 0 for none); S.UnitCode is the code split off.
// An empty text, "0" and "0MM" are accepted as 0 without a unit. When the number has no code,
// or a code that is not a unit of this type, the result is the number unconverted; on the
// other errors it is 0.
Single ParseValueWithUnits(std::string_view text, std::string_view unitType);

// The codes valid for a unit type, one line each: a line feed, three blanks, the code, three
// blanks and the description in parentheses. Empty for a type no unit has.
std::string UnitTypeList(std::string_view unitType);

// Sets the display labels and factors of lengths, heights, forces and speeds: the metric set
// for "M", the imperial set for anything else.
void ApplyDisplayUnits(std::string_view dUnits);

// Sets the power unit ("BHP", or "KW" for any other) with the torque label and the two
// divisors that go with it.
void ApplyPowerUnit(std::string_view powerUnit);

}  // namespace kestrelon
