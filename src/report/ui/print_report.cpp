#include "report/ui/print_report.h"

#include <QPainter>
#include <QPrinter>

#include "platform/qt/printer.h"
#include "platform/qt/qt_canvas.h"
#include "report/performance_report.h"
#include "report/report_drawing.h"

namespace kestrelon {

void PrintPerformanceData(QWidget* parent) {
  PrintJob(parent, "Print Performance Data", [](QPainter& painter) {
    QtCanvas page(painter);
    DrawReport(page, PerformanceReport(ReportSink::Printer, PrinterSizes),
               [] { return ProgramPrinter().newPage(); });
  });
}

}  // namespace kestrelon
