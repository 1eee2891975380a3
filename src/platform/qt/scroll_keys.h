#pragma once
// The keys that move a scroll bar (the arrows, Page Up, Page Down, Home and End), for a window
// whose scroll bar never takes the focus: the window hands them on to it.

class QKeyEvent;
class QScrollBar;

namespace kestrelon {

// Moves the bar as the key moves a scroll bar that has the focus, Left a step back towards the
// start and Right a step on. False, the bar unmoved, for any other key, or while the bar is hidden
// or disabled.
bool ScrollByKey(QScrollBar& bar, QKeyEvent* event);

}  // namespace kestrelon
