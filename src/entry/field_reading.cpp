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

namespace {

bool AboveFloor(Single v, Floor floor) {
  return floor == NoFloor || (floor == Above0 ? v > 0 : v >= 0);
}

}  // namespace

Verdict ReadUnitField(std::string_view text, std::string_view unitType, Single& field, Floor floor,
                      std::string_view message, int fieldNo) {
  const UnitValue v = ReadUnits(text, unitType);
  field = v.value;
  if (!v.ok || !AboveFloor(v.value, floor)) return Refusal{WithUnitsError(message), fieldNo};
  return std::nullopt;
}

Verdict ReadPlainField(std::string_view text, Single& field, Floor floor, std::string_view message,
                       int fieldNo) {
  const double v = PlainNumber(text);
  const bool fits = FitsSingle(v);
  field = fits ? static_cast<Single>(v) : 0;
  if (!fits || !AboveFloor(field, floor)) return Refusal{std::string(message), fieldNo};
  return std::nullopt;
}

}  // namespace kestrelon
