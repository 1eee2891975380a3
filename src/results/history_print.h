#pragma once
// The printed history log: a heading naming the vehicle and the date, then every line of the
// ring, oldest first, whatever the window's scroll position.

#include <string>
#include <vector>

namespace kestrelon {

// "HISTORY LOG FOR WESTFLD on 2026-01-31", or "HISTORY LOG     Date 2026-01-31" without a
// vehicle name; the date as yyyy-mm-dd.
std::string HistoryPrintHeading(const std::string& vehicleName, const std::string& date);

// The ring's rows as stored: while not wrapped rows 1 to HistoryNext (at most 500), else from
// the oldest row round to the newest.
std::vector<std::string> HistoryPrintRows();

}  // namespace kestrelon
