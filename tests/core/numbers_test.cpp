#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <tuple>

namespace kestrelon {
namespace {

TEST(Numbers, WholeNumbersRoundHalfToEven) {
  // Out of range values stay at the ends of the range instead of wrapping.
  for (const auto& [value, whole] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.5000001, 3},
                                     {40000.0, 32767}, {-40000.0, -32768}, {std::nan(""), 0}})
    EXPECT_EQ(CInt(value), whole) << value;
  EXPECT_EQ(std::tuple(CLng(0.5), CLng(1.5), CLng(6549.5)), std::tuple(0, 2, 6550));
}

TEST(Numbers, IntegerDivisionRoundsOperandsThenTruncates) {
  // Each operand rounds first (2.5 to 2); a divisor rounding to 0 gives 0, no crash.
  for (const auto& [a, b, q] : std::initializer_list<std::tuple<double, double, Long>>{
           {7, 2, 3}, {-7, 2, -3}, {2.5, 1, 2}, {7, 2.5, 3}, {5, 0.4, 0}})
    EXPECT_EQ(IntDiv(a, b), q) << a << " \\ " << b;
}

TEST(Numbers, LeadingNumberRule) {
  // "," is not a decimal point here.
  const std::pair<const char*, double> rows[] = {
      {"  42.5mm", 42.5}, {"-3", -3}, {"+.5", 0.5}, {"1.2.3", 1.2}, {"1,5", 1},
      {"abc", 0},         {"", 0},    {"-", 0},     {"1e5", 1}};
  for (const auto& [text, expected] : rows) EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << text;
}

TEST(Numbers, PlainNumbersSkipBlanksAnywhereWhereTheLeadingNumberStops) {
  const std::tuple<const char*, double, double> rows[] = {
      // text, plain number, leading number
      {" 1 2.5x", 12.5, 1}, {"8 050", 8050, 8}, {"- 500", -500, 0}, {"\t3\t0", 30, 3},
      {"1 .5", 1.5, 1},     {"abc", 0, 0},      {"", 0, 0},         {"  ", 0, 0}};
  for (const auto& [text, plain, leading] : rows)
    EXPECT_EQ(std::tuple(PlainNumber(text), LeadingNumber(text)), std::tuple(plain, leading)) << text;
}

TEST(Numbers, IntegerRangeOfARoundedValue) {
  EXPECT_EQ(std::tuple(FitsInteger(32767.4), FitsInteger(32767.5), FitsInteger(-32768.4),
                       FitsInteger(-32768.6), FitsInteger(40000)),
            std::tuple(true, false, true, false, false));
  EXPECT_EQ(std::tuple(FitsSingle(-3.4028234663852886e38), FitsSingle(3.5e38), FitsSingle(HUGE_VAL), FitsSingle(NAN)),
            std::tuple(true, false, false, false));
}

TEST(Numbers, PrintedNumbersHaveLeadingBlankAndNoLeadingZero) {
  const std::pair<float, const char*> singles[] = {
      {0.5f, " .5"}, {-0.25f, "-.25"}, {0.0f, " 0"}, {-0.0f, " 0"}, {3.2808333f, " 3.280833"},
      {1234567.0f, " 1234567"}, {12345678.0f, " 1.234568E+07"}, {0.0001f, " .0001"}, {0.00001f, " 1E-05"},
      {1500.0f, " 1500"}};
  for (const auto& [value, text] : singles) EXPECT_EQ(Str(value), text);
  EXPECT_EQ(Str(6500) + "|" + Str(-3) + "|" + Str(0.1) + "|" + Str(1.0 / 3.0), " 6500|-3| .1| .333333333333333");
  EXPECT_EQ(NumText(162.1f) + "|" + NumText(-0.5f), "162.1|-.5");
}

TEST(Numbers, TrimRemovesBlanksOnly) {
  EXPECT_EQ(std::tuple(Trim("  a b  "), Trim("\ta\t"), LTrim("  x "), RTrim("  x "), Trim("   "), UCase("mm")),
            std::tuple("a b", "\ta\t", "x ", "  x", "", "MM"));
  EXPECT_TRUE(EqualsNoCase("wcd", "WCD"));
}

TEST(Numbers, UpperCaseCoversTheCodePageWhileFileNamesCompareByAsciiLetters) {
  // Every Windows-1252 letter with an upper case, and the signs that have none.
  EXPECT_EQ(UCase("dr\xE4gster \xE0\xFE \x9A\x9C\x9E\xFF \xF7\xDF\xB5"),
            "DR\xC4GSTER \xC0\xDE \x8A\x8C\x8E\x9F \xF7\xDF\xB5");
  // File names are the file system's UTF-8: "\xC3\xA4" and "\xC3\x84" are different names.
  EXPECT_FALSE(EqualsNoCase("\xC3\xA4.VCD", "\xC3\x84.vcd"));
  EXPECT_TRUE(EqualsNoCase("\xC3\xA4.VCD", "\xC3\xA4.vcd"));
}

TEST(Numbers, FormatPatterns) {
  struct Row {
    double value;
    const char *pattern, *expected;
  };
  // A 15-digit decimal value rounds half up.
  const Row rows[] = {
      {12.345, "####0.00", "12.35"}, {0.0, "####0.00", "0.00"}, {1234.5, "##0.00", "1234.50"},
      {1.2345, "#0.000", "1.235"}, {0.5, "0.000", "0.500"}, {0.5, "#.000", ".500"},
      {2.5, "###.0##", "2.5"}, {2.1234, "###.0##", "2.123"}, {12345.67, "#####.0", "12345.7"},
      {0.125, "0.00", "0.13"}, {2.675, "0.00", "2.68"}, {9.999, "0.00", "10.00"},
      {0.996, "#.00", "1.00"}, {-1.5, "0.0", "-1.5"}, {-0.001, "0.00", "0.00"},
      {0.004, "#.00", ".00"}, {1234567, "#,##0", "1,234,567"}, {5, "#.##", "5."},
      {3, "00", "03"}, {1.96, "0.0", "2.0"}, {0.05, "0.0", "0.1"}};
  for (const Row& r : rows) EXPECT_EQ(Format(r.value, r.pattern), r.expected) << r.pattern;
  EXPECT_EQ(Format(13.256f, "##0.00s"), "13.26s");
}

}  // namespace
}  // namespace kestrelon
