#pragma once
// Window letter keys act on the key the racer presses whatever the keyboard layout: the layout's
// letter when it is a Latin one, else the letter printed at that place on a Latin keyboard, so
// that "P" prints the power curve on a Russian layout too.

#include <QKeyEvent>

namespace kestrelon {

// Qt::Key_A .. Qt::Key_Z for a letter key, 0 for any other key.
int LetterKey(const QKeyEvent& event);

}  // namespace kestrelon
