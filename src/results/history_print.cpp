#include "results/history_print.h"

#include <algorithm>

#include "core/numbers.h"
#include "core/state.h"

namespace kestrelon {

std::string HistoryPrintHeading(const std::string& vehicleName, const std::string& date) {
  if (vehicleName.empty()) return "HISTORY LOG     Date " + date;
  return "HISTORY LOG FOR " + UCase(vehicleName) + " on " + date;
}

std::vector<std::string> HistoryPrintRows() {
  std::vector<std::string> rows;
  const auto add = [&](int row) { rows.push_back(S.HistoryLines[static_cast<std::size_t>(row)]); };
  const int head = std::clamp<int>(S.HistoryHead, 1, HistorySize);
  if (head < 2) {
    for (int row = 1; row <= std::min<int>(S.HistoryNext, HistorySize); ++row) add(row);
  } else {
    for (int row = head; row <= HistorySize; ++row) add(row);
    for (int row = 1; row < head; ++row) add(row);
  }
  return rows;
}

}  // namespace kestrelon
