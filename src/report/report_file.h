#pragma once
// The report as a text file: one character per column, lines ending in CR LF, sizes and fonts
// ignored. The file is written whole or not at all.

#include <string>

#include "report/report_ops.h"

namespace kestrelon {

// The bytes of the file for a list of operations.
std::string ReportText(const ReportOps& ops);

// Writes the report to fileName as passed. A path that cannot be written is reported ("Drive or
// path does not exist", or the unexpected error), nothing is written and false is returned.
bool FilePerformanceData(const std::string& fileName);

}  // namespace kestrelon
