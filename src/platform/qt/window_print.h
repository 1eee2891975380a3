#pragma once
// Prints a window as it looks below its menu bar, scaled to fit the page, as one print job
// (PrintJob): on the program's printer, or a PDF file asked for. A printer that cannot start the
// job gives "Printer not ready", a job that fails "Unexpected Error #..."; either way the job is
// abandoned and the program goes on.

#include <string>
#include <vector>

#include "platform/qt/printer.h"

class QPixmap;
class QWidget;

namespace kestrelon {

// What the page shows: the window below its menu bar, without the menus (the one the print
// command was chosen from would be drawn pressed) and without the `leftOut` controls (a window's
// own buttons), whose places show the window's background.
QPixmap WindowImage(QWidget& window, const std::vector<const QWidget*>& leftOut = {});

// True when the page was printed; `title` names the print command in its messages.
bool PrintWindowImage(QWidget& window, const std::string& title, NotReady notReady = NotReady::Ends,
                      const std::vector<const QWidget*>& leftOut = {});

}  // namespace kestrelon
