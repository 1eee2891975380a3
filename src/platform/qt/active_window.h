#pragma once
// Keeps the program's active window one the racer can see.
//
// The window system may activate a window after the program has hidden it again: the run's
// progress window shows and hides within a run, and the activation its showing asked for can
// arrive once it has gone. The toolkit would then hold that hidden window as the active one,
// and the keys the window system sends to it: the bar's menu letters would open nothing, and
// Esc would press the hidden window's Cancel. The window system sends no new activation to the
// window that really has its focus, so the program mends it itself:
//   - a window that is activated while hidden hands the activation, once the activation is
//     through, to the window the racer works in: the window that holds the program's input,
//     else the visible window activated last. A window shown again meanwhile keeps it, and one
//     the desktop has activated meanwhile (or another program's) is left with it;
//   - a key that reaches a hidden window goes to that window instead, but for a drop-down list
//     or menu the key itself closed (Enter in an open list only chooses the item, Esc only
//     closes the list).
// A window that hides while it is the active one needs nothing: the toolkit stops holding it as
// the active one as it hides, and the window system chooses the next.

namespace kestrelon {

// Installs the keeper on the application, once; every window of the program asks for it as it
// is made.
void KeepActiveWindowVisible();

}  // namespace kestrelon
