#pragma once
// Set Gradient's two halves around the one-value dialog: the value it opens with, and what the
// typed answer does to CascadeGradient. A number (with "." or "," as the decimal point) is held
// to -50..50 percent; text that is not a number is refused with a message and the gradient kept.

#include <string>
#include <string_view>

namespace kestrelon {

// The gradient as the dialog shows it first: "2.5", "0", "-12".
std::string GradientDialogText();

enum class GradientAnswer { Unchanged, Changed, Refused };
GradientAnswer ApplyGradientAnswer(std::string_view typed);

}  // namespace kestrelon
