#pragma once
// The one printer the program prints to. The setup dialog's printer set-up chooses it; every
// print goes to it. On a machine without a printer, printing goes to a PDF file the user names.

#include <functional>
#include <string>

class QPainter;
class QPrinter;
class QWidget;

namespace kestrelon {

QPrinter& ProgramPrinter();

// Makes the printer ready for one print: without an installed printer it asks for the PDF file
// to write. False when the user cancelled.
bool ReadyToPrint(QWidget* parent);

// One print job on the program's printer under a command's title: readies the printer, opens a
// painter on it, lets `draw` fill the first page and any further ones (ProgramPrinter().newPage())
// and ends the document, with the hourglass meanwhile. A printer that cannot start says "Printer
// not ready"; a job that fails says "Unexpected Error #..." and is aborted. The program goes on
// either way. False when nothing was printed.
bool PrintJob(QWidget* parent, const std::string& title, const std::function<void(QPainter&)>& draw);

}  // namespace kestrelon
