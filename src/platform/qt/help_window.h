#pragma once
// Context help: every Help button and the Help menu open the page of their context id in the
// program's one help window. The pages ship inside the program, one per context id.

class QTextBrowser;

namespace kestrelon {

// Opens (or turns) the help window to the page of the context id; a missing page is reported.
void ShowHelpTopic(int contextId);
// The help window, while it exists; nullptr otherwise.
QTextBrowser* HelpWindow();
// Closes the help window (the program's end).
void CloseAllHelp();

}  // namespace kestrelon
