#include "tree/space_bar.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(SpaceBarTest, HeldKeyRepeatsGiveOnePressAndOneReleaseAtItsTime) {
  SpaceBar space;
  EXPECT_TRUE(space.Press());
  EXPECT_FALSE(space.Press());  // a repeat marked as such
  // Unmarked release and press pairs while the key is held.
  for (double t = 0.66; t < 2; t += 0.04) {
    space.Release(t);
    EXPECT_FALSE(space.ReleasedBy(t + 0.001));
    EXPECT_FALSE(space.Press());
  }
  space.Release(2.5);
  EXPECT_DOUBLE_EQ(*space.Deadline(), 2.6);
  EXPECT_FALSE(space.ReleasedBy(2.59));
  EXPECT_DOUBLE_EQ(*space.ReleasedBy(2.6), 2.5);
  EXPECT_FALSE(space.Deadline());
  EXPECT_TRUE(space.Press());  // a new press after a real release
  // The window left while a release is confirmed: it counts, and the bar starts afresh.
  space.Release(3);
  EXPECT_DOUBLE_EQ(*space.Leave(), 3);
  EXPECT_TRUE(space.Press());
}

TEST(SpaceBarTest, ReleaseWithoutPressIsIgnored) {
  SpaceBar space;
  space.Release(1);
  EXPECT_FALSE(space.Deadline());
}

}  // namespace
}  // namespace kestrelon
