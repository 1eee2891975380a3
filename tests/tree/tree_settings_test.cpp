#include "tree/tree_settings.h"

#include <gtest/gtest.h>

#include "core/settings.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

using test::ScopedUi;
using test::ScriptedUi;

class TreeSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { Cfg = Settings{}; }
  ScriptedUi ui;
  ScopedUi scoped{ui};
};

TEST_F(TreeSettingsTest, BoxesAreCheckedInOrderWithTheirMessages) {
  struct Case {
    const char *rollout, *delay, *handicap;
    const char* message;  // nullptr: accepted
    TreeField refused;
  };
  const Case cases[] = {
      {"1", "0", "0", nullptr, TreeField::None},
      {"0", "20", "-20", nullptr, TreeField::None},
      {".2", "0", "20", nullptr, TreeField::None},
      {"1.001", "0", "0", "Rollout time too long", TreeField::Rollout},
      {"-0.001", "0", "0", "Cannot have a negative rollout time", TreeField::Rollout},
      {"0", "-1", "0", "Cannot have a negative delay", TreeField::Delay},
      {"0", "20.001", "0", "Delay time too long", TreeField::Delay},
      {"0", "0", "20.001", "Handicap time is too long", TreeField::Handicap},
      {"0", "0", "-20.001", "Handicap time is too long", TreeField::Handicap},
      {"abc", "x", "", nullptr, TreeField::None},  // no leading number reads 0
  };
  for (const Case& c : cases) {
    ui.asked.clear();
    Cfg.HandicapTime = 3;
    const TreeFieldCheck check = ReadTreeSettings({c.rollout, c.delay, c.handicap, true, true});
    EXPECT_EQ(check.accepted, c.message == nullptr) << c.rollout << c.delay << c.handicap;
    EXPECT_EQ(check.refused, c.refused);
    if (c.message) {
      ASSERT_EQ(ui.asked.size(), 1u);
      EXPECT_EQ(ui.asked[0].text, c.message);
      EXPECT_EQ(ui.asked[0].title, "Practice Tree");
      EXPECT_EQ(ui.asked[0].style, Msg::OKOnly | Msg::Question);
      if (c.refused != TreeField::Handicap) {
        EXPECT_EQ(Cfg.HandicapTime, 3);  // not read after a refusal
      }
    } else {
      EXPECT_TRUE(ui.asked.empty());
    }
  }
}

TEST_F(TreeSettingsTest, UntickedBoxesReadZeroAndChoicesAreKept) {
  const TreeFieldCheck check = ReadTreeSettings({"0.25", "1.5", "2", false, true, 2, 1});
  ASSERT_TRUE(check.accepted);
  EXPECT_EQ(Cfg.DelayTime, 0);
  EXPECT_FLOAT_EQ(Cfg.HandicapTime, 2);
  EXPECT_EQ(Cfg.LanePointer, 1);
  EXPECT_FLOAT_EQ(static_cast<float>(check.run.rollout), 0.25f);
  // Sportsman, Pro (.500), Pro (.400): the last amber to the green is 0.5, 0.5 and 0.4 s.
  for (const int type : {0, 1, 2}) {
    EXPECT_EQ(ReadTreeSettings({"0", "0", "0", false, false, type, 0}).run.treeDelay, type == 2 ? 0.4 : 0.5);
    EXPECT_EQ(Cfg.TreeType, type);
  }
}

TEST_F(TreeSettingsTest, CommaReadsAsTheDecimalPoint) {
  EXPECT_DOUBLE_EQ(TreeTimeValue(",500"), 0.5);
  EXPECT_DOUBLE_EQ(TreeTimeValue("1,25 s"), 1.25);
  EXPECT_DOUBLE_EQ(TreeTimeValue(" .200"), 0.2);
}

}  // namespace
}  // namespace kestrelon
