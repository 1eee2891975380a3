// The program reads and writes numbers and compares names the same way whatever the desktop's
// locale: a German desktop writes decimals with a comma, a Turkish one has no ASCII capital for
// "i". Each test switches the process's locale as such a session would have it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "core/expression.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "scoped_env.h"
#include "support/scoped_locale.h"

namespace kestrelon {
namespace {

class CommaDecimalDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(locale.Use("de_DE.UTF-8"));
    S = SharedState{};
  }
  test::ScopedLocale locale;
};

TEST_F(CommaDecimalDesktop, PlainAndTypedNumbersReadWithTheProgramsOwnRules) {
  // The leading-number rule takes only "."; a typed value takes either separator.
  EXPECT_EQ(std::tuple(LeadingNumber(".36"), LeadingNumber("15.5 s"), LeadingNumber("0,36"), PlainNumber(" 756.93 ")),
            std::tuple(0.36, 15.5, 0.0, 756.93));
  EXPECT_EQ(std::tuple(ParseLocaleNumber("0.36"), ParseLocaleNumber("0,36"), ParseLocaleNumber("25E-1")),
            std::tuple(0.36f, 0.36f, 2.5f));
  Single value = 0;
  Integer error = 1;
  EvaluateExpression("2*21.5", value, error);
  EXPECT_EQ(std::tuple(value, error), std::tuple(43.0f, Integer{0}));
  InitTables();
  EXPECT_FLOAT_EQ(ParseValueWithUnits("1.5MM", "length"), 0.0015f);
  EXPECT_EQ(S.UnitsParseOK, 1);
}

TEST_F(CommaDecimalDesktop, NumbersAreWrittenWithAPoint) {
  EXPECT_EQ(std::tuple(Str(0.36f), Str(1234.5678), Str(1.5e-7f), Format(1234.5, "#,##0.00"), Format(0.25, "#.000")),
            std::tuple(" .36", " 1234.5678", " 1.5E-07", "1,234.50", ".250"));
}

TEST_F(CommaDecimalDesktop, SettingsReadBackWhatTheyWrote) {
  test::TempFolder dir;
  SettingsFiles files;
  files.Store = dir / "Kestrelon.ini";
  Cfg = Settings{};
  Cfg.DelayTime = 1.5f;
  Cfg.HandicapTime = 0.25f;
  ASSERT_TRUE(SaveSettings(files).ok());
  EXPECT_NE(test::FileText(files.Store).find("DelayTime=1.500\n"), std::string::npos);
  Cfg = Settings{};
  LoadSettings(files);
  EXPECT_EQ(std::tuple(Cfg.DelayTime, Cfg.HandicapTime), std::tuple(1.5f, 0.25f));
}

TEST(LeadingNumberDigits, MoreDigitsThanADoubleHoldsStayInItsRange) {
  // A whole part past the double range is infinite; a fraction below it is zero.
  EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
  EXPECT_EQ(LeadingNumber("-." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(LeadingNumber("000." + std::string(30, '0') + "5"), 5e-31);
}

TEST(TurkishDesktop, NamesAndCodesFoldAsciiLettersOnly) {
  test::ScopedLocale locale;
  ASSERT_TRUE(locale.Use("tr_TR.UTF-8"));
  EXPECT_EQ(std::tuple(EqualsNoCase("MINI.vcd", "mini.VCD"), EqualsNoCase("imp", "IMP"),
                       EqualsNoCase("\xFD", "I")),
            std::tuple(true, true, false));
  EXPECT_EQ(std::tuple(UCase("mini"), LCase("MINI AZ@[ \xC4\x8A"), LCase(UCase("pint \xE4\x9A\xFF"))),
            std::tuple("MINI", "mini az@[ \xE4\x9A", "pint \xE4\x9A\xFF"));
  S = SharedState{};
  InitTables();
  EXPECT_FLOAT_EQ(ParseValueWithUnits("2pint", "volume"), 1.1343f);
}

}  // namespace
}  // namespace kestrelon
