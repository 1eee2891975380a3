#include "report/ui/print_report.h"

#include <QPainter>
#include <QPrinter>

#include "files/file_exists.h"
#include "platform/qt/printer.h"
#include "platform/qt/qt_canvas.h"
#include "platform/ui_seam.h"
#include "report/performance_report.h"
#include "report/report_drawing.h"

namespace kestrelon {

void PrintPerformanceData(QWidget* parent) {
  static const char* const title = "Print Performance Data";
  if (!ReadyToPrint(parent)) return;
  QPrinter& printer = ProgramPrinter();
  QPainter painter;
  if (!painter.begin(&printer)) {
    ui().MsgBox("Printer not ready", Msg::OKOnly | Msg::Exclamation, title);
    return;
  }
  ui().SetBusyCursor(true);
  QtCanvas page(painter);
  DrawReport(page, PerformanceReport(ReportSink::Printer, PrinterSizes),
             [&printer] { return printer.newPage(); });
  const bool ended = painter.end();
  ui().SetBusyCursor(false);
  if (!ended || printer.printerState() == QPrinter::Error)
    ui().MsgBox(UnexpectedErrorText(static_cast<int>(QPrinter::Error), "The print job failed"),
                Msg::OKOnly | Msg::Critical, title);
}

}  // namespace kestrelon
