#pragma once
// The one printer the program prints to. The setup dialog's printer set-up chooses it; every
// print goes to it. On a machine without a printer, printing goes to a PDF file the user names.

class QPrinter;
class QWidget;

namespace kestrelon {

QPrinter& ProgramPrinter();

// Makes the printer ready for one print: without an installed printer it asks for the PDF file
// to write. False when the user cancelled.
bool ReadyToPrint(QWidget* parent);

}  // namespace kestrelon
