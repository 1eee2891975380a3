#include "core/expression.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/state.h"

namespace kestrelon {
namespace {

constexpr int MaxOperators = 15;

// The leading number of a text with an optional exponent ("1E3", "2.5e-2"): what a stored
// number without a decimal separator may hold.
double LeadingNumberWithExponent(std::string_view s) {
  const double mantissa = LeadingNumber(s);
  if (mantissa == 0) return 0;  // whatever its exponent ("0E999")
  std::size_t i = s.find_first_not_of(" \t");
  if (s[i] == '+' || s[i] == '-') ++i;
  const std::size_t digitsStart = i;
  while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.')) ++i;
  if (i == digitsStart || i >= s.size()) return mantissa;
  if (s[i] != 'E' && s[i] != 'e' && s[i] != 'D' && s[i] != 'd') return mantissa;
  std::size_t e = i + 1;
  if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
  if (e >= s.size() || !std::isdigit(static_cast<unsigned char>(s[e]))) return mantissa;
  return mantissa * std::pow(10.0, LeadingNumber(s.substr(i + 1)));
}

// One step of the chain, in double; the caller checks the single range.
double Apply(char op, double left, double right) {
  switch (op) {
    case '+': return left + right;
    case '-': return left - right;
    case '*': return left * right;
    case '/': return right == 0 ? std::numeric_limits<double>::infinity() : left / right;
    default: return std::pow(left, right);  // '^'
  }
}

// ParseLocaleNumber before it is held in single precision.
double LocaleNumber(std::string_view text) {
  const std::string s = Trim(text);
  std::size_t p = s.find('.');
  if (p == std::string::npos) p = s.find(',');
  if (p == std::string::npos) return LeadingNumberWithExponent(s);

  const std::string fractionText = Trim(std::string_view(s).substr(p + 1));
  const double fraction =
      LeadingNumber(fractionText) / std::pow(10.0, static_cast<double>(fractionText.size()));
  const double whole = LeadingNumber(std::string_view(s).substr(0, p));
  return !s.empty() && s.front() == '-' ? whole - fraction : whole + fraction;
}

}  // namespace

void EvaluateExpression(std::string_view text, Single& result, Integer& errorCode) {
  result = 0;
  errorCode = 0;
  const std::string s = Trim(text);
  if (s.empty()) {
    errorCode = 1;
    return;
  }

  // Split at the operators outside parentheses; each term is followed by its operator.
  std::vector<std::string> terms;
  std::vector<char> operators;
  int depth = 0;
  std::size_t termStart = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if (depth == 0 && S.OperatorChars.find(c) != std::string::npos) {
      if (static_cast<int>(operators.size()) == MaxOperators) {
        errorCode = 2;
        return;
      }
      terms.push_back(s.substr(termStart, i - termStart));
      operators.push_back(c);
      termStart = i + 1;
    }
  }
  terms.push_back(s.substr(termStart));

  for (const auto& term : terms) {
    if (HasNonNumericChar(term) != 0) {
      errorCode = 1;
      return;
    }
  }

  // Every term and every step's result must fit in single precision.
  const double first = LocaleNumber(terms[0]);
  if (!FitsSingle(first)) {
    errorCode = 1;
    return;
  }
  Single value = static_cast<Single>(first);
  for (std::size_t k = 0; k < operators.size(); ++k) {
    const double term = LocaleNumber(terms[k + 1]);
    const double step = FitsSingle(term) ? Apply(operators[k], value, static_cast<Single>(term))
                                         : std::numeric_limits<double>::infinity();
    if (!FitsSingle(step)) {
      errorCode = 1;
      return;
    }
    value = static_cast<Single>(step);
  }
  result = value;
}

Single ParseLocaleNumber(std::string_view text) {
  const double v = LocaleNumber(text);
  if (FitsSingle(v)) return static_cast<Single>(v);
  return v < 0 ? -std::numeric_limits<Single>::infinity() : std::numeric_limits<Single>::infinity();
}

Integer HasNonNumericChar(std::string_view text) {
  for (const char c : text)
    if (NumericChars.find(c) == std::string_view::npos) return 1;
  return 0;
}

}  // namespace kestrelon
