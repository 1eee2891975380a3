#pragma once
// Numbers from typed and stored text: a short chain of arithmetic such as "2*21.5" or "37/17",
// one number whose decimal separator may be "." or ",", and the test for anything that is not
// a digit or a separator. None of them depends on the system's locale.

#include <string_view>

#include "core/numbers.h"

namespace kestrelon {

// The characters a term of an expression may hold.
inline constexpr std::string_view NumericChars = "0123456789.,";

// Evaluates the text strictly left to right, without precedence ("2+3*4" is 20), with the
// operators of S.OperatorChars. errorCode: 0 success; 1 an empty text, a term holding anything
// but digits and separators (a parenthesis included), a division by zero or a result outside
// the single range; 2 more than 15 operators. On an error the result is 0.
void EvaluateExpression(std::string_view text, Single& result, Integer& errorCode);

// One number with "." or "," as the decimal separator ("." is looked for first); the fraction
// takes the number's sign, so "-1.5" is -1.5. A number beyond the single range reads as an
// infinity of its sign, which callers can refuse.
Single ParseLocaleNumber(std::string_view text);

// 1 when the text holds a character outside NumericChars, else 0 (also 0 for an empty text).
Integer HasNonNumericChar(std::string_view text);

}  // namespace kestrelon
