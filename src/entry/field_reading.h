#pragma once
// How the data forms read a typed field: a refused field names its message and the control that
// takes the focus; a value typed with a unit code comes back in the base unit together with
// whether the unit reading accepted it; a blank field is one that is empty once blanks go.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/numbers.h"

namespace kestrelon {

// A field the form will not accept: the message shown and the field to correct.
struct Refusal {
  Refusal() = default;
  Refusal(std::string message, int field, std::string title = {}, int style = 32)
      : message(std::move(message)), field(field), title(std::move(title)), style(style) {}

  std::string message;
  int field = 0;      // the form's own field number
  std::string title;  // empty: the form's own message title
  int style = 32;     // question icon, OK button
};
using Verdict = std::optional<Refusal>;  // empty = every field accepted

struct UnitValue {
  Single value = 0;
  bool ok = false;  // the unit reading accepted the text
};

// The text converted to the base unit of the unit type ("length", "mass", ...).
UnitValue ReadUnits(std::string_view text, std::string_view unitType);

// The message followed at once by the reason the last unit reading gave.
std::string WithUnitsError(std::string_view message);

bool IsBlank(std::string_view text);

enum class Floor { Above0, AtLeast0, NoFloor };
using enum Floor;
// Reads a field typed with a unit into its model field, which keeps the value even when it is
// then refused: refused when the unit reading fails or the value is below the floor. The message
// is followed by the unit reading's reason.
Verdict ReadUnitField(std::string_view text, std::string_view unitType, Single& field, Floor floor,
                      std::string_view message, int fieldNo);
// Reads a plain number into its model field in the same way: refused when the figure does not
// fit in a Single (hundreds of digits, which would read as infinity) or is below the floor.
Verdict ReadPlainField(std::string_view text, Single& field, Floor floor, std::string_view message,
                       int fieldNo);

}  // namespace kestrelon
