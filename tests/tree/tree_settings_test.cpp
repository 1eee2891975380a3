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
  TreeFields Fields(std::string rollout, std::string delay, std::string handicap) {
    TreeFields f;
    f.rollout = std::move(rollout);
    f.delay = std::move(delay);
    f.handicap = std::move(handicap);
    f.useDelay = f.useHandicap = true;
    return f;
  }
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
    const TreeFieldCheck check = ReadTreeSettings(Fields(c.rollout, c.delay, c.handicap));
    EXPECT_EQ(check.accepted, c.message == nullptr) << c.rollout << c.delay << c.handicap;
    EXPECT_EQ(check.refused, c.refused);
    if (c.message) {
      ASSERT_EQ(ui.asked.size(), 1u);
      EXPECT_EQ(ui.asked[0].text, c.message);
      EXPECT_EQ(ui.asked[0].title, "Practice Tree");
      EXPECT_EQ(ui.asked[0].style, Msg::OKOnly | Msg::Question);
    } else {
      EXPECT_TRUE(ui.asked.empty());
    }
  }
}

TEST_F(TreeSettingsTest, RefusedDelayReadsNothingAfterIt) {
  Cfg.HandicapTime = 3;
  ReadTreeSettings(Fields("0", "25", "1"));
  EXPECT_EQ(Cfg.HandicapTime, 3);
}

TEST_F(TreeSettingsTest, UntickedBoxesReadZeroAndChoicesAreKept) {
  TreeFields f = Fields("0.25", "1.5", "2");
  f.useDelay = false;
  f.treeType = 2;
  f.lane = 1;
  const TreeFieldCheck check = ReadTreeSettings(f);
  ASSERT_TRUE(check.accepted);
  EXPECT_EQ(Cfg.DelayTime, 0);
  EXPECT_EQ(Cfg.UseDelay, False);
  EXPECT_FLOAT_EQ(Cfg.HandicapTime, 2);
  EXPECT_EQ(Cfg.TreeType, 2);
  EXPECT_EQ(Cfg.LanePointer, 1);
  EXPECT_DOUBLE_EQ(check.run.treeDelay, 0.4);
  EXPECT_EQ(check.run.lane, 1);
  EXPECT_FLOAT_EQ(static_cast<float>(check.run.rollout), 0.25f);
}

TEST_F(TreeSettingsTest, CommaReadsAsTheDecimalPoint) {
  EXPECT_DOUBLE_EQ(TreeTimeValue(",500"), 0.5);
  EXPECT_DOUBLE_EQ(TreeTimeValue("1,25 s"), 1.25);
  EXPECT_DOUBLE_EQ(TreeTimeValue(" .200"), 0.2);
  ReadTreeSettings(Fields("0", ",500", "0"));
  EXPECT_FLOAT_EQ(Cfg.DelayTime, 0.5f);
}

}  // namespace
}  // namespace kestrelon
