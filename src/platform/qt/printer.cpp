#include "platform/qt/printer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "core/numbers.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

// The folder of the last PDF printout written; the next one is offered there.
QString& LastPdfFolder() {
  static QString folder;
  return folder;
}

SystemPrinters PrintersNow() {
  if (LookUpPrinters) return LookUpPrinters();
  return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

// Whether this job writes a PDF file: one chosen in the printer set-up (a PDF output with its
// file), or any job while the system has no default printer for it. A printer the system no
// longer has (replaced, or missing when the program started) gives way to the default now; one
// that cannot start then says "Printer not ready".
bool WritesPdf(QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) return true;
  const bool native = printer.outputFormat() == QPrinter::NativeFormat;
  const QString name = PrinterNow(native ? printer.printerName() : QString(), PrintersNow());
  if (name.isEmpty()) return true;
  printer.setPrinterName(name);
  return false;
}

// Whether the printer can be asked to start. One writing PDF with no file to write (a default
// printer the toolkit cannot reach leaves it so) cannot start, and asked to it would stay active,
// refusing every later setting and so every later print.
bool CanStart(const QPrinter& printer) {
  return printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

// The first of these folders that exists: the one printed to last, the one of a PDF file chosen
// in the printer set-up, the racer's documents, home.
QString StartFolder(const QPrinter& printer) {
  const QString setupFile = printer.outputFileName();
  for (const QString& folder : {LastPdfFolder(), setupFile.isEmpty() ? QString() : QFileInfo(setupFile).absolutePath(),
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)})
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QDir::homePath();
}

// The window's caption numbered on, with the first number whose file the folder lacks.
QString OfferedPdf(const QString& folder, QString caption) {
  caption.replace(QLatin1Char('/'), QLatin1Char('-'));
  if (caption.trimmed().isEmpty()) caption = QStringLiteral("Printout");
  constexpr int MaxNumber = 9999;  // past it the last name is offered, and the dialog asks to overwrite
  QString path;
  for (int n = 1; n <= MaxNumber; ++n) {
    path = QDir(folder).filePath(QStringLiteral("%1 %2.pdf").arg(caption).arg(n));
    if (!QFileInfo::exists(path)) break;
  }
  return path;
}

// The PDF file of one print job; empty when the racer cancels.
QString AskPdfFile(QWidget* parent, const QString& offered) {
  QFileDialog dialog(parent, QStringLiteral("Print to PDF file"));
  dialog.setObjectName(QStringLiteral("PdfFileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setDirectory(QFileInfo(offered).absolutePath());
  dialog.selectFile(QFileInfo(offered).fileName());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace

std::function<SystemPrinters()> LookUpPrinters;

QString PrinterNow(const QString& remembered, const SystemPrinters& now) {
  return now.names.contains(remembered) ? remembered : now.defaultName;
}

QPrinter& ProgramPrinter() {
  static QPrinter* printer = new QPrinter;  // lives as long as the program
  return *printer;
}

bool PrintJob(QWidget* parent, const std::string& title, const std::function<void(QPainter&)>& draw,
              NotReady notReady) {
  QPrinter& printer = ProgramPrinter();
  const QString caption = parent ? parent->window()->windowTitle().trimmed() : QString();
  const bool toPdf = WritesPdf(printer);
  // A PDF file is the job's alone: the printer's output is put back after every job, so that
  // the next print asks for its own file, or goes to a printer that has come back meanwhile.
  const QPrinter::OutputFormat formatBefore = printer.outputFormat();
  const QString fileBefore = printer.outputFileName();
  const auto putBack = [&](bool printed) {
    printer.setOutputFileName(fileBefore);
    printer.setOutputFormat(formatBefore);
    return printed;
  };
  QString pdf;
  if (toPdf) {
    pdf = AskPdfFile(parent, OfferedPdf(StartFolder(printer), caption));
    if (pdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
  }
  printer.setDocName(caption);
  QPainter painter;
  while (!CanStart(printer) || !painter.begin(&printer)) {
    if (notReady == NotReady::Ends) {
      ui().MsgBox("Printer not ready", Msg::OKOnly + Msg::Exclamation, title);
      return putBack(false);
    }
    if (ui().MsgBox("Printer not ready", Msg::RetryCancel + Msg::Exclamation, title) != Msg::Retry)
      return putBack(false);
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
    return putBack(false);
  }
  if (!pdf.isEmpty()) LastPdfFolder() = QFileInfo(pdf).absolutePath();
  return putBack(true);
}

}  // namespace kestrelon
