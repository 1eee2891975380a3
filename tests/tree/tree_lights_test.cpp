#include "tree/tree_lights.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// The tree as the racer sees it: small pre-stage and stage bulbs in two rows, then the ambers,
// green and red evenly spaced down the tree, the right lane mirroring the left.
TEST(TreeLightsTest, LanesMirrorEachOtherAndRowsAreEvenlySpaced) {
  for (int b = 0; b < TreeBulbCount; ++b) {
    const BulbPlace& place = PlaceOf(static_cast<TreeBulb>(b));
    EXPECT_EQ(place.diameter, b < 4 ? 372 : 732) << b;
    EXPECT_EQ(place.top, b < 2 ? 360 : b < 4 ? 960 : 1560 + 840 * (b - 4)) << b;
    EXPECT_EQ(place.left[0] + place.left[1] + place.diameter, 2 * 2046) << b;
    EXPECT_EQ(place.left[0], b < 4 ? (b % 2 ? 1440 : 960) : 1080) << b;
  }
}

}  // namespace
}  // namespace kestrelon
