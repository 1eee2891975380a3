#pragma once
// A fresh model with the reference tables built, imperial display units and a scripted answerer
// for the entry tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {

// `count` boxes were asked, the last showing `text` (and `title` and `style`, when given).
inline void ExpectAsked(const std::vector<Asked>& asked, size_t count, const std::string& text,
                        const std::string& title = "", int style = -1) {
  ASSERT_EQ(asked.size(), count) << (asked.empty() ? text : asked.back().text);
  EXPECT_EQ(asked.back().text, text);
  EXPECT_EQ(title.empty() ? title : asked.back().title, title);
  EXPECT_EQ(style < 0 ? style : asked.back().style, style);
}

// A refusal with this message (and field, when given).
template <typename V>
void ExpectRefusal(const V& v, const std::string& message, std::optional<int> field = {}) {
  ASSERT_TRUE(v) << message;
  EXPECT_EQ(v->message, message);
  EXPECT_EQ(field ? v->field : field, field);
}

// A figure no Single holds (4E+38): taken as one, it would be an infinity.
inline constexpr const char* BeyondSingle = "400000000000000000000000000000000000000";

// One stored vehicle item: its row and column in `VehicleData`, and its text.
struct StoredItem {
  int row, col;
  const char* text;
};
inline void SetItems(std::initializer_list<StoredItem> items) {
  for (const StoredItem& i : items) S.VehicleData[i.row][i.col] = i.text;
}
inline void ExpectItems(std::initializer_list<StoredItem> items) {
  for (const StoredItem& i : items)
    EXPECT_EQ(S.VehicleData[i.row][i.col], i.text) << "item (" << i.row << "," << i.col << ")";
}

// Texts joined with "|", to check several boxes in one line.
inline std::string Joined(std::initializer_list<std::string> texts) {
  std::string all;
  for (const std::string& t : texts) all += (&t == texts.begin() ? "" : "|") + t;
  return all;
}

// An entry with these {member, text} pairs typed and the rest as a new entry has them.
template <typename E>
E Typed(std::initializer_list<std::pair<std::string E::*, const char*>> texts) {
  E e;
  for (const auto& [member, text] : texts) e.*member = text;
  return e;
}

class EntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    InitTables();
    Cfg.DUnits = "I";
  }
  // An engine curve of `torque` lb-ft over rows lo..hi, entered.
  static void FlatEngine(int lo, int hi, Single torque) {
    S.EngineEntered = True;
    S.MinRPMIndex = lo;
    S.MaxRPMIndex = hi;
    for (int j = lo; j <= hi; ++j) S.PowerCurve[0][j] = torque;
    S.EngineSummary[0][0] = torque;
  }
  ScriptedUi seam;
  ScopedUi scoped{seam};
};

}  // namespace kestrelon::test
