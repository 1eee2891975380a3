#include "results/cascade_gradient.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/expression.h"
#include "core/numbers.h"
#include "core/state.h"
#include "platform/ui_seam.h"

namespace kestrelon {

namespace {

constexpr float Steepest = 50;

// An optional sign, then digits with at most one decimal point ("." or ","), blanks around.
bool IsNumber(std::string_view text) {
  const std::string t = Trim(text);
  std::size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  int digits = 0, points = 0;
  for (; i < t.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(t[i])))
      ++digits;
    else if ((t[i] == '.' || t[i] == ',') && ++points == 1)
      continue;
    else
      return false;
  }
  return digits > 0;
}

}  // namespace

std::string GradientDialogText() {
  std::string text = NumText(S.CascadeGradient);
  // The dialog shows a whole zero before the point: "0.5", "-0.5".
  if (text.rfind(".", 0) == 0) text.insert(0, "0");
  if (text.rfind("-.", 0) == 0) text.insert(1, "0");
  return text;
}

GradientAnswer ApplyGradientAnswer(std::string_view typed) {
  if (!IsNumber(typed)) {
    ui().MsgBox("Percentage gradient must be a number", Msg::OKOnly + Msg::Exclamation, "Cascade Graph");
    return GradientAnswer::Refused;
  }
  const Single value = ParseLocaleNumber(typed);
  const bool changed = value != S.CascadeGradient;
  S.CascadeGradient = std::clamp(value, -Steepest, Steepest);
  return changed ? GradientAnswer::Changed : GradientAnswer::Unchanged;
}

}  // namespace kestrelon
