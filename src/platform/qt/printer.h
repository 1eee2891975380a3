#pragma once
// The one printer the program prints to. The setup dialog's printer set-up chooses it; every
// print goes to it. Where it writes PDF files (no printer installed, or a PDF chosen in the
// printer set-up), each print asks for its own file.

#include <functional>
#include <string>

class QPainter;
class QPrinter;
class QWidget;

namespace kestrelon {

QPrinter& ProgramPrinter();

// What a print command does when the printer cannot start: end at once, or offer Retry (and
// Cancel, which ends it).
enum class NotReady { Ends, OffersRetry };

// One print job of the window `parent` on the program's printer, under a command's title. A job
// for a PDF file first asks for the file, offering a name no earlier printout has: the window's
// caption numbered on ("History Log 2.pdf"), in the folder a printout was last written to; Cancel
// there ends the job silently. Then it opens a painter on the printer, lets `draw` fill the first
// page and any further ones (ProgramPrinter().newPage()) and ends the document, with the
// hourglass meanwhile. A printer that cannot start says "Printer not ready"; a job that fails says
// "Unexpected Error #..." and is aborted. The program goes on either way, and every job leaves
// the printer's output as it found it: a job written to a PDF file for want of a printer leaves
// the next print to look for the printer again. False when nothing was printed.
bool PrintJob(QWidget* parent, const std::string& title, const std::function<void(QPainter&)>& draw,
              NotReady notReady = NotReady::Ends);

}  // namespace kestrelon
