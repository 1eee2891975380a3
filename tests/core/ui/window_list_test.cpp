// The list of open window captions behind the Window menu.
#include "core/window_list.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(WindowListLogic, KeepsOrderRefusesBlanksAndRepeats) {
  WindowList list;
  EXPECT_TRUE(list.Stale());
  list.MarkBuilt();
  list.Add("   ");
  EXPECT_FALSE(list.Stale());
  list.Add("A");
  list.Add("B");
  list.Add("A");
  list.Add("C");
  EXPECT_EQ(list.Captions(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_TRUE(list.Stale());
  list.MarkBuilt();
  list.Remove("b");  // captions match exactly
  EXPECT_FALSE(list.Stale());
  list.Remove("B");
  EXPECT_EQ(list.Captions(), (std::vector<std::string>{"A", "C"}));
  EXPECT_TRUE(list.Stale());
}

}  // namespace
}  // namespace kestrelon
