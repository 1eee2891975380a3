// Typed values with unit codes and the expression evaluator on any text (the input's first byte
// picks the unit type): whatever is accepted is a finite number of the single range.
#include <array>
#include <cmath>

#include "core/expression.h"
#include "core/state.h"
#include "core/units.h"
#include "fuzz_support.h"

using namespace kestrelon;

namespace {

constexpr std::array<const char*, 13> UnitTypes = {"length", "mass",    "force", "torque", "rate",  "area",  "pressure",
                                                   "speed",  "inertia", "temp",  "power",  "volume", "none"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  fuzz::FreshModel();
  const std::string_view text = fuzz::AsText(data + 1, size - 1);

  const Single value = ParseValueWithUnits(text, UnitTypes[data[0] % UnitTypes.size()]);
  fuzz::Check(S.UnitsParseOK == 0 || S.UnitsParseOK == 1, "the parse flag is 1 or 0");
  fuzz::Check(S.UnitsParseOK == 0 || std::isfinite(value), "an accepted typed value is finite");

  Single result = 0;
  Integer error = -1;
  EvaluateExpression(text, result, error);
  fuzz::Check(error >= 0 && error <= 2, "the evaluator gives one of its error codes");
  fuzz::Check(std::isfinite(result) && (error == 0 || result == 0), "an expression gives a finite number, 0 on error");

  const Integer nonNumeric = HasNonNumericChar(text);
  fuzz::Check(nonNumeric == 0 || nonNumeric == 1, "the character test gives 1 or 0");
  (void)ParseLocaleNumber(text);
  return 0;
}
