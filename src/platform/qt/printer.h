#pragma once
// The one printer the program prints to. The setup dialog's printer set-up chooses it; every
// print goes to it. Where it writes PDF files (no printer installed, or a PDF chosen in the
// printer set-up), each print asks for its own file.

#include <QStringList>
#include <functional>
#include <string>

class QPainter;
class QPrinter;
class QWidget;

namespace kestrelon {

QPrinter& ProgramPrinter();

// The printers the system has as a print looks for them: their names and the default one's
// (empty when there is none). Left empty, the system is asked at each print; a test stands in
// for printers added, taken away or made the default.
struct SystemPrinters {
  QStringList names;
  QString defaultName;
};
extern std::function<SystemPrinters()> LookUpPrinters;

// The printer a print goes to: the one printed to (`remembered`, empty for none) while the system
// still has it, else the system's default now; empty when there is none.
QString PrinterNow(const QString& remembered, const SystemPrinters& now);

// What a print command does when the printer cannot start: end at once, or offer Retry (and
// Cancel, which ends it).
enum class NotReady { Ends, OffersRetry };

// One print job of the window `parent` on the program's printer, under a command's title. A job
// for a PDF file first asks for the file, offering a name no earlier printout has: the window's
// caption numbered on ("History Log 2.pdf"), in the folder a printout was last written to; Cancel
// there ends the job silently. Then it opens a painter on the printer, lets `draw` fill the first
// page and any further ones (ProgramPrinter().newPage()) and ends the document, with the
// hourglass meanwhile. A printer that cannot start says "Printer not ready" and is left as the job
// found it; a job that fails says "Unexpected Error #..." and is aborted. The program goes on
// either way, and every job leaves the printer's output as it found it: a job written to a PDF
// file for want of a printer leaves the next print to look for the printer again. Each job looks
// for its printer: the one printed to while the system still has it, else the system's default
// now, else a PDF file as above. False when nothing was printed.
bool PrintJob(QWidget* parent, const std::string& title, const std::function<void(QPainter&)>& draw,
              NotReady notReady = NotReady::Ends);

}  // namespace kestrelon
