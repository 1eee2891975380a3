#include "results/history_listing.h"

#include <algorithm>

#include "core/state.h"
#include "platform/ui_seam.h"

namespace kestrelon {

HistoryListing BuildHistoryListing(int offset) {
  HistoryListing h;
  const auto add = [&](int row) { h.Lines.push_back(" " + S.HistoryLines[static_cast<std::size_t>(row)]); };
  const int head = std::clamp<int>(S.HistoryHead, 1, HistorySize);
  const bool wrapped = head >= 2;
  h.LastRow = wrapped ? head - 1 : std::clamp<int>(S.HistoryNext, 1, HistorySize);
  h.ScrollMax = wrapped ? HistorySize - 1 : h.LastRow - 1;
  h.ScrollOffset = offset = std::clamp(offset, 0, h.ScrollMax);
  if (!wrapped) {
    h.FirstRow = offset + head;
  } else {
    const int t = offset + head;
    if (t > HistorySize) {
      h.FirstRow = t - HistorySize;
    } else {
      for (int row = t; row <= HistorySize; ++row) add(row);
      h.FirstRow = 1;
    }
  }
  for (int row = std::max(h.FirstRow, 1); row <= h.LastRow; ++row) add(row);
  return h;
}

int ScrollForKey(int keyCode, int value, int minimum, int maximum) {
  switch (keyCode) {
    case KeyPageUp: return value - minimum < 10 ? minimum : value - 10;
    case KeyPageDown: return maximum - value < 10 ? maximum : value + 10;
    case KeyUp: return value > minimum ? value - 1 : value;
    case KeyDown: return value < maximum ? value + 1 : value;
    default: return value;
  }
}

bool ClearHistoryRecords() {
  if (ui().MsgBox("Are you sure you want to clear all records?", Msg::OKCancel + Msg::Question, "History Log") !=
      Msg::Ok)
    return false;
  for (int row = 1; row <= HistorySize; ++row) S.HistoryLines[static_cast<std::size_t>(row)].clear();
  S.HistoryHead = 1;
  S.HistoryNext = 1;
  return true;
}

}  // namespace kestrelon
