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

  // A renamed window keeps its place; the same name again changes nothing.
  list.MarkBuilt();
  list.Rename("A", "A");
  EXPECT_FALSE(list.Stale());
  list.Rename("A", "A2");
  EXPECT_EQ(list.Captions(), (std::vector<std::string>{"A2", "C"}));
  EXPECT_TRUE(list.Stale());
  list.Rename("A2", "C");  // a name listed already: withdrawn as at an unload
  list.Rename("B", "D");   // an unlisted window: listed as at a load
  EXPECT_EQ(list.Captions(), (std::vector<std::string>{"C", "D"}));
}

}  // namespace
}  // namespace kestrelon
