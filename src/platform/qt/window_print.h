#pragma once
// Prints a window as it looks below its menu bar, scaled to fit the page, as one print job
// (PrintJob): on the program's printer, or a PDF file asked for. A printer that cannot start the
// job gives "Printer not ready", a job that fails "Unexpected Error #..."; either way the job is
// abandoned and the program goes on.

#include <string>

class QWidget;

namespace kestrelon {

// True when the page was printed; `title` names the print command in its messages.
bool PrintWindowImage(QWidget& window, const std::string& title);

}  // namespace kestrelon
