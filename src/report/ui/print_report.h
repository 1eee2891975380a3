#pragma once
// The report on the program's printer, one print job with page breaks.

class QWidget;

namespace kestrelon {

// A printer that cannot start says "Printer not ready"; a job that fails says so with its
// error. Neither ends the program.
void PrintPerformanceData(QWidget* parent);

}  // namespace kestrelon
