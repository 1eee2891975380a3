#include "platform/qt/printer.h"

#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/numbers.h"
#include "platform/ui_seam.h"

namespace kestrelon {

QPrinter& ProgramPrinter() {
  static QPrinter* printer = new QPrinter;  // lives as long as the program
  return *printer;
}

bool ReadyToPrint(QWidget* parent) {
  QPrinter& printer = ProgramPrinter();
  if (!printer.outputFileName().isEmpty() || !QPrinterInfo::availablePrinters().isEmpty())
    return true;
  const QString file =
      QFileDialog::getSaveFileName(parent, QStringLiteral("Print to PDF file"),
                                   printer.outputFileName(), QStringLiteral("PDF files (*.pdf)"));
  if (file.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  return true;
}

bool PrintJob(QWidget* parent, const std::string& title, const std::function<void(QPainter&)>& draw) {
  if (!ReadyToPrint(parent)) return false;
  QPrinter& printer = ProgramPrinter();
  QPainter painter;
  if (!painter.begin(&printer)) {
    ui().MsgBox("Printer not ready", Msg::OKOnly + Msg::Exclamation, title);
    return false;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  draw(painter);
  const bool failed = printer.printerState() == QPrinter::Error;
  if (failed) printer.abort();
  const bool ended = painter.end();
  QApplication::restoreOverrideCursor();
  if (failed || !ended) {
    ui().MsgBox("Unexpected Error #" + Str(static_cast<int>(QPrinter::Error)) + " : The print job failed",
                Msg::Critical, title);
    return false;
  }
  return true;
}

}  // namespace kestrelon
