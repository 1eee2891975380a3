// The history window's listing of the ring, its paging keys, Clear, the printed heading and
// rows, and the listing's font kept in the settings.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/settings.h"
#include "core/state.h"
#include "results/history_font.h"
#include "results/history_listing.h"
#include "results/history_print.h"
#include "simulation/history_log.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

class History : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
  static void AddLines(int n) {
    for (int i = 1; i <= n; ++i) AddHistoryLine("line " + std::to_string(i));
  }
};

TEST_F(History, EmptyRingListsOneBlankLine) {
  const HistoryListing h = BuildHistoryListing(0);
  EXPECT_EQ(h.Lines, std::vector<std::string>{" "});
  EXPECT_EQ(h.ScrollMax, 0);
}

TEST_F(History, ThreeLinesAndTheNextFreeRow) {
  AddLines(3);
  HistoryListing h = BuildHistoryListing(0);
  EXPECT_EQ(h.Lines, (std::vector<std::string>{" line 1", " line 2", " line 3", " "}));
  EXPECT_EQ(h.ScrollMax, 3);
  h = BuildHistoryListing(3);
  EXPECT_EQ(h.Lines, std::vector<std::string>{" "});
  // An offset kept from a longer history lists from the last line there is.
  h = BuildHistoryListing(10);
  EXPECT_EQ(h.Lines, std::vector<std::string>{" "});
}

TEST_F(History, FullRingBeforeAndAfterItWraps) {
  AddLines(500);
  HistoryListing h = BuildHistoryListing(0);
  ASSERT_EQ(h.Lines.size(), 500u);
  EXPECT_EQ(h.Lines.front(), " line 1");
  EXPECT_EQ(h.Lines.back(), " line 500");
  EXPECT_EQ(h.ScrollMax, 499);

  // 699 lines: the oldest is row 200, holding line 200.
  for (int i = 501; i <= 699; ++i) AddHistoryLine("line " + std::to_string(i));
  ASSERT_EQ(S.HistoryHead, 200);
  h = BuildHistoryListing(350);  // 550 past the start: rows 50 to 199
  EXPECT_EQ(h.FirstRow, 50);
  EXPECT_EQ(h.LastRow, 199);
  ASSERT_EQ(h.Lines.size(), 150u);
  EXPECT_EQ(h.Lines.front(), " line 550");
  EXPECT_EQ(h.Lines.back(), " line 699");
  EXPECT_EQ(h.ScrollMax, 499);
  h = BuildHistoryListing(0);
  ASSERT_EQ(h.Lines.size(), 500u);
  EXPECT_EQ(h.Lines.front(), " line 200");
  EXPECT_EQ(h.Lines.back(), " line 699");
}

TEST(HistoryKeys, PagesByTenArrowsByOne) {
  // {key, value, result} on a range of 0..499
  for (const auto& [key, value, result] :
       {std::tuple{KeyPageDown, 0, 10}, {KeyPageDown, 493, 499}, {KeyPageDown, 489, 499}, {KeyPageDown, 488, 498},
        {KeyPageUp, 25, 15}, {KeyPageUp, 6, 0}, {KeyDown, 499, 499}, {KeyDown, 3, 4}, {KeyUp, 0, 0},
        {KeyUp, 3, 2}, {35, 7, 7}, {36, 7, 7}, {37, 7, 7}, {39, 7, 7}})
    EXPECT_EQ(ScrollForKey(key, value, 0, 499), result) << key << " " << value;
}

TEST_F(History, ClearAsksThenEmptiesTheWholeRing) {
  test::ScriptedUi seam;
  test::ScopedUi guard(seam);
  AddLines(650);
  seam.answers = {Msg::Cancel, Msg::Ok};
  EXPECT_FALSE(ClearHistoryRecords());
  EXPECT_EQ(S.HistoryLines[1], "line 501");
  EXPECT_TRUE(ClearHistoryRecords());
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[1].text, "Are you sure you want to clear all records?");
  EXPECT_EQ(seam.asked[1].title, "History Log");
  EXPECT_EQ(seam.asked[1].style, Msg::OKCancel + Msg::Question);
  for (int row = 1; row <= HistorySize; ++row) EXPECT_TRUE(S.HistoryLines[row].empty()) << row;
  EXPECT_EQ(S.HistoryHead, 1);
  EXPECT_EQ(S.HistoryNext, 1);
  AddHistoryLine("next run");
  EXPECT_EQ(S.HistoryLines[1], "next run");
}

TEST_F(History, PrintHeadingAndRowsOldestFirst) {
  EXPECT_EQ(HistoryPrintHeading("Westfld", "2026-01-31"), "HISTORY LOG FOR WESTFLD on 2026-01-31");
  EXPECT_EQ(HistoryPrintHeading("", "2026-01-31"), "HISTORY LOG     Date 2026-01-31");

  AddLines(3);
  EXPECT_EQ(HistoryPrintRows(), (std::vector<std::string>{"line 1", "line 2", "line 3", ""}));
  for (int i = 4; i <= 505; ++i) AddHistoryLine("line " + std::to_string(i));
  // 505 lines: rows 1..5 hold lines 501..505, so the oldest is row 6.
  const std::vector<std::string> rows = HistoryPrintRows();
  ASSERT_EQ(rows.size(), 500u);
  EXPECT_EQ(rows.front(), "line 6");
  EXPECT_EQ(rows.back(), "line 505");
}

TEST(HistoryFontSettings, StoredFontComesBackUntilAValueIsRefused) {
  Settings c;
  HistoryFont font;
  RestoreHistoryFont(c, font);  // nothing stored: the design font stays
  EXPECT_EQ(font.Name, "Courier");
  EXPECT_FLOAT_EQ(font.Size, 9.6f);

  const HistoryFont chosen{"DejaVu Sans Mono", true, false, 255, 12, true, true};
  StoreHistoryFont(c, chosen);
  EXPECT_EQ(c.HistColor, "255");
  EXPECT_EQ(c.HistFontSize, "12");
  HistoryFont back;
  RestoreHistoryFont(c, back);
  EXPECT_EQ(back.Name, chosen.Name);
  EXPECT_EQ(std::tie(back.Bold, back.Underline, back.Colour, back.Italic, back.StrikeThru),
            std::tie(chosen.Bold, chosen.Underline, chosen.Colour, chosen.Italic, chosen.StrikeThru));
  EXPECT_FLOAT_EQ(back.Size, 12);

  // A colour that is not a number is passed over; a size out of range drops the rest.
  c.HistColor = "unknown";
  c.HistFontSize = "-3";
  HistoryFont partial;
  RestoreHistoryFont(c, partial);
  EXPECT_EQ(partial.Name, chosen.Name);
  EXPECT_EQ(partial.Colour, 0);
  EXPECT_TRUE(partial.Italic);
  EXPECT_FLOAT_EQ(partial.Size, 9.6f);
  EXPECT_FALSE(partial.StrikeThru);
}

}  // namespace
}  // namespace kestrelon
