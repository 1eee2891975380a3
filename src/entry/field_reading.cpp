#include "entry/field_reading.h"

#include "core/state.h"
#include "core/units.h"

namespace kestrelon {

UnitValue ReadUnits(std::string_view text, std::string_view unitType) {
  const Single value = ParseValueWithUnits(text, unitType);
  return {value, S.UnitsParseOK == 1};
}

std::string WithUnitsError(std::string_view message) {
  return std::string(message) + S.UnitsErrorText;
}

bool IsBlank(std::string_view text) { return Trim(text).empty(); }

Verdict ReadUnitField(std::string_view text, std::string_view unitType, Single& field, Floor floor,
                      std::string_view message, int fieldNo) {
  const UnitValue v = ReadUnits(text, unitType);
  field = v.value;
  const bool inRange = floor == Above0 ? v.value > 0 : v.value >= 0;
  if (!v.ok || !inRange) return Refusal{WithUnitsError(message), fieldNo};
  return std::nullopt;
}

}  // namespace kestrelon
