#pragma once
// The history window's listing of the history ring: from the line a scroll offset away from the
// oldest one to the newest, each line after one blank; the scroll range that goes with it; the
// paging keys; and clearing the ring after asking.

#include <string>
#include <vector>

namespace kestrelon {

struct HistoryListing {
  std::vector<std::string> Lines;  // each " " + a ring row
  int FirstRow = 0;                // ring row the listing (or its second part) starts with
  int LastRow = 0;                 // last ring row of the listing
  int ScrollMax = 0;               // largest scroll offset
  int ScrollOffset = 0;            // the offset listed from, within 0..ScrollMax
};

// While the ring has not wrapped, the listing ends with the next free row, which is empty. An
// offset beyond the lines there are (kept from before a Clear) lists from the last one.
HistoryListing BuildHistoryListing(int scrollOffset);

// Key codes the listing pages with: Page Up, Page Down, Up and Down arrows.
inline constexpr int KeyPageUp = 33, KeyPageDown = 34, KeyUp = 38, KeyDown = 40;
// The scroll value after a key; keys other than the four leave it.
int ScrollForKey(int keyCode, int value, int minimum, int maximum);

// Asks "Are you sure you want to clear all records?"; on OK empties all 500 rows and puts both
// ring positions back to 1. True when cleared.
bool ClearHistoryRecords();

}  // namespace kestrelon
