#include "platform/qt/printer.h"

#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>

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

}  // namespace kestrelon
