// Set Gradient's answer: numbers with "." or "," held to -50..50, text that is not a number
// refused with the gradient kept, and the value the dialog opens with.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/state.h"
#include "results/cascade_gradient.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

TEST(SetGradient, AnswersHeldToFiftyPercentEitherWay) {
  test::ScriptedUi seam;
  test::ScopedUi guard(seam);
  // {gradient before, typed, answer, gradient after}
  for (const auto& [before, typed, answer, after] :
       {std::tuple{0.0f, "75", GradientAnswer::Changed, 50.0f},
        {0.0f, "-80", GradientAnswer::Changed, -50.0f},
        {0.0f, " 2,5 ", GradientAnswer::Changed, 2.5f},
        {1.0f, "-0.5", GradientAnswer::Changed, -0.5f},
        {5.0f, "5", GradientAnswer::Unchanged, 5.0f},
        {5.0f, "5.0", GradientAnswer::Unchanged, 5.0f},
        {5.0f, "abc", GradientAnswer::Refused, 5.0f},
        {5.0f, "", GradientAnswer::Refused, 5.0f},
        {5.0f, "1.2.3", GradientAnswer::Refused, 5.0f},
        {5.0f, "-", GradientAnswer::Refused, 5.0f},
        {5.0f, "10%", GradientAnswer::Refused, 5.0f}}) {
    S = SharedState{};
    S.CascadeGradient = before;
    seam.asked.clear();
    EXPECT_EQ(ApplyGradientAnswer(typed), answer) << typed;
    EXPECT_EQ(S.CascadeGradient, after) << typed;
    if (answer == GradientAnswer::Refused) {
      ASSERT_EQ(seam.asked.size(), 1u) << typed;
      EXPECT_EQ(seam.asked[0].text, "Percentage gradient must be a number");
      EXPECT_EQ(seam.asked[0].title, "Cascade Graph");
      EXPECT_EQ(seam.asked[0].style, Msg::OKOnly + Msg::Exclamation);
    } else {
      EXPECT_TRUE(seam.asked.empty()) << typed;
    }
  }
}

TEST(SetGradient, DialogOpensWithTheGradientAsANumber) {
  for (const auto& [gradient, text] :
       {std::pair{0.0f, "0"}, {2.5f, "2.5"}, {3.0f, "3"}, {0.5f, "0.5"}, {-0.5f, "-0.5"}, {-50.0f, "-50"}}) {
    S.CascadeGradient = gradient;
    EXPECT_EQ(GradientDialogText(), text);
  }
}

}  // namespace
}  // namespace kestrelon
