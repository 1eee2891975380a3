#pragma once
// Context help: every Help button and the Help menu open the page of their context id in the
// program's one help window. The pages ship inside the program, one per context id, with an
// index page (the contents) that lists them all.
//
// The help window has Back, Forward, Index and Close; Escape closes it. Opened while a modal
// dialog is up, it belongs to that dialog, so it can be read, scrolled and closed while the
// dialog waits.

class QTextBrowser;

namespace kestrelon {

// The contents page: what the program is and a link to every window's page.
inline constexpr int HelpContentsTopic = 19;

// Opens (or turns) the help window to the page of the context id; a missing page is reported.
void ShowHelpTopic(int contextId);
// Whether the program has a page for the context id.
bool HelpPageExists(int contextId);
// The page text of the help window, while it exists; nullptr otherwise.
QTextBrowser* HelpWindow();
// Closes the help window (the program's end).
void CloseAllHelp();

}  // namespace kestrelon
