#pragma once
// The program's font dialog: the font chooser with the text colour taken from the 16-colour
// palette, or kept as it is when it lies outside it. Escape or Enter anywhere in the dialog ends
// it as Cancel or OK.

#include <QColor>
#include <QFont>

class QWidget;

namespace kestrelon {

// Offers the font and colour; on OK they hold the choice and the result is true.
bool ChooseFontAndColour(QWidget* parent, QFont& font, QColor& colour);

}  // namespace kestrelon
