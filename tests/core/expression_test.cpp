#include "core/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <tuple>

#include "core/state.h"

namespace kestrelon {
namespace {

struct Outcome {
  Single value;
  Integer error;
};

Outcome Evaluate(const std::string& text) {
  Single value = 99;
  Integer error = 99;
  EvaluateExpression(text, value, error);
  return {value, error};
}

// n operators "+" between n + 1 terms.
std::string Chain(int operators, const std::string& term) {
  std::string s = term;
  for (int i = 0; i < operators; ++i) s += "+" + term;
  return s;
}

class Expression : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
};

TEST_F(Expression, EvaluatesStrictlyLeftToRightWithEmptyTermsAsZero) {
  // "5*-3" is (5 x 0) - 3.
  for (const auto& [text, value] : std::initializer_list<std::pair<const char*, Single>>{
           {"2+3*4", 20}, {"2^3^2", 64}, {"10/4", 2.5f}, {"1,5+1.5", 3}, {" 0 ", 0},
           {"-5", -5}, {"5*-3", -3}, {"5+", 5}, {"5*", 0}}) {
    const Outcome o = Evaluate(text);
    EXPECT_FLOAT_EQ(o.value, value) << text;
    EXPECT_EQ(o.error, 0) << text;
  }
}

TEST_F(Expression, AcceptsFifteenOperatorsAndNoMore) {
  EXPECT_EQ(std::tuple(Evaluate(Chain(15, "1")).value, Evaluate(Chain(15, "1")).error),
            std::tuple(16, 0));
  EXPECT_EQ(Evaluate(Chain(16, "1")).error, 2);
  // Too many operators is found before any term is examined.
  EXPECT_EQ(Evaluate(Chain(16, "X")).error, 2);
  // Operators inside parentheses do not count; the parenthesised term is then refused.
  EXPECT_EQ(Evaluate("(" + Chain(20, "1") + ")").error, 1);
  // Once the parenthesis closes, operators count again.
  EXPECT_EQ(Evaluate("(1)+" + Chain(15, "1")).error, 2);
}

TEST_F(Expression, ForeignTextAndArithmeticFaultsAreErrorsNotCrashes) {
  for (const char* text :
       {"", "   ", "2 + 3", "1e3", "12A", "(2+3)", "2*(3+4)", "1/0", "0/0", "10^39", "-8^,5",
        "300000000000000000000000000000000000000*10",
        "99999999999999999999999999999999999999999"}) {
    const Outcome o = Evaluate(text);
    EXPECT_EQ(o.error, 1) << text;
    EXPECT_EQ(o.value, 0) << text;
  }
}

TEST(LocaleNumber, EitherSeparatorAndTheSignOfTheNumber) {
  for (const auto& [text, expected] :
       std::initializer_list<std::pair<const char*, Single>>{{"1,5", 1.5f},
                                                             {"1.5", 1.5f},
                                                             {"-0.25", -0.25f},
                                                             {"-,25", -0.25f},
                                                             {"12,", 12},
                                                             {",5", 0.5f},
                                                             {" 0,250 ", 0.25f},
                                                             {"abc", 0},
                                                             {"1E3", 1000},
                                                             {"25e-1", 2.5f},
                                                             {"1x3", 1}})
    EXPECT_FLOAT_EQ(ParseLocaleNumber(text), expected) << text;
  EXPECT_EQ(ParseLocaleNumber("0E999"), 0);  // zero stays zero, not a NaN
}

TEST(LocaleNumber, OnlyTheFirstSeparatorCounts) {
  // "." is looked for before ",": the integer part "1,234" reads as 1.
  EXPECT_FLOAT_EQ(ParseLocaleNumber("1,234.5"), 1.5f);
  // The whole text after the separator is read and its length counted: 1 + 25.5 / 10^4.
  EXPECT_FLOAT_EQ(ParseLocaleNumber("1.25.5"), 1.00255f);
}

TEST(LocaleNumber, BeyondTheSingleRangeIsInfinite) {
  EXPECT_TRUE(std::isinf(ParseLocaleNumber("1E39")));
  EXPECT_LT(ParseLocaleNumber("-1E39"), 0);
}

TEST(NonNumericChar, DigitsAndSeparatorsOnly) {
  for (const char* text : {"", "12.5", "1,5"}) EXPECT_EQ(HasNonNumericChar(text), 0) << text;
  for (const char* text : {"12.5A", "-1", " 1"}) EXPECT_EQ(HasNonNumericChar(text), 1) << text;
}

}  // namespace
}  // namespace kestrelon
