#include "core/units.h"

#include <cmath>

#include "core/expression.h"
#include "core/state.h"
#include "core/tables.h"

namespace kestrelon {
namespace {

constexpr std::string_view UnitCodeChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ/-";

}  // namespace

Single ParseValueWithUnits(std::string_view text, std::string_view unitType) {
  S.UnitsErrorText.clear();
  S.UnitsLastIndex = 0;
  std::string s = Trim(UCase(text));
  // Leading zeros go, so that "0" and "0MM" read as zero and "0.25" as ".25".
  const std::size_t zeros = s.find_first_not_of('0');
  const bool zeroDropped = zeros != 0;
  s.erase(0, zeros == std::string::npos ? s.size() : zeros);
  S.UnitsParseOK = 0;
  if (s.empty()) {
    S.UnitsParseOK = 1;
    return 0;
  }

  // The unit code is the trailing run of letters, "/" and "-".
  const std::size_t lastOther = s.find_last_not_of(UnitCodeChars);
  if (lastOther == std::string::npos) {
    if (zeroDropped) {
      S.UnitsParseOK = 1;
    } else {
      S.UnitsErrorText = "No value specified with units";
    }
    return 0;
  }

  Single value = 0;
  Integer error = 0;
  EvaluateExpression(Trim(std::string_view(s).substr(0, lastOther + 1)), value, error);
  if (error != 0) {
    S.UnitsErrorText = "Indeterminate value specified with units";
    return 0;
  }
  S.UnitCode = s.substr(lastOther + 1);

  if (S.UnitCode.empty()) {
    S.UnitsErrorText = "\nNo unit type provided\n\nValid Unit types are as follows;\n" +
                       UnitTypeList(unitType);
    return value;
  }
  for (int row = 1; row < UnitRows; ++row) {
    const UnitRecord& unit = Tbl.UnitTable[row];
    if (UCase(unit.Code) == S.UnitCode && unit.Type == unitType) {
      const Single converted = (value + unit.Offset) * unit.Factor;
      // A number that only overflows once converted is as unusable as one that cannot be read.
      if (!std::isfinite(converted)) {
        S.UnitsErrorText = "Indeterminate value specified with units";
        return 0;
      }
      S.UnitsParseOK = 1;
      S.UnitsLastIndex = static_cast<Integer>(row);
      return converted;
    }
    if (unit.Code == "ZZZ") break;
  }
  S.UnitsErrorText = "\nUnrecognised or invalid unit type : " + S.UnitCode +
                     "\nValid Unit types are -\n" + UnitTypeList(unitType);
  return value;
}

std::string UnitTypeList(std::string_view unitType) {
  std::string list;
  for (int row = 1; row < UnitRows; ++row) {
    const UnitRecord& unit = Tbl.UnitTable[row];
    if (unit.Type == unitType) list += "\n   " + unit.Code + "   (" + unit.Description + ")";
  }
  return list;
}

void ApplyDisplayUnits(std::string_view dUnits) {
  if (dUnits == "M") {
    S.LengthUnit = "m";
    S.LengthUnitName = "metres";
    S.LengthFactor = 1.0f;
    S.SmallLengthUnit = "cm";
    S.SmallLengthFactor = 100.0f;
    S.ForceUnit = "N";
    S.ForceFactor = 9.81f;
    S.SpeedUnit = "kph";
    S.SpeedFactor = 0.2778f;
  } else {
    const AppState imperial;
    S.LengthUnit = imperial.LengthUnit;
    S.LengthUnitName = imperial.LengthUnitName;
    S.LengthFactor = imperial.LengthFactor;
    S.SmallLengthUnit = imperial.SmallLengthUnit;
    S.SmallLengthFactor = imperial.SmallLengthFactor;
    S.ForceUnit = imperial.ForceUnit;
    S.ForceFactor = imperial.ForceFactor;
    S.SpeedUnit = imperial.SpeedUnit;
    S.SpeedFactor = imperial.SpeedFactor;
  }
}

void ApplyPowerUnit(std::string_view powerUnit) {
  if (powerUnit == "BHP") {
    S.PowerUnit = "BHP";
    S.TorqueUnits = "lb/ft";
    S.TorqueUnitDivisor = 1.0f;
    S.PowerUnitDivisor = 1.0f;
  } else {
    S.PowerUnit = "KW";
    S.TorqueUnits = "N/m";
    S.TorqueUnitDivisor = 0.7371f;
    S.PowerUnitDivisor = 1.340183f;
  }
}

}  // namespace kestrelon
