#pragma once
// The program's built-in pictures, drawn in code: the 17 command icons of the main bar, the
// splash picture in full and in 16 colours, and the product logo laid over a chosen picture.

#include <QImage>

namespace kestrelon {

inline constexpr int IconStripWidth = 544;
inline constexpr int IconStripHeight = 32;

// 17 icons of 32 x 32 pixels side by side, in the order of the strip's commands.
QImage IconStripPicture();
// 413 x 328 pixels; the 16-colour version uses only the basic palette.
QImage SplashPicture(bool sixteenColours);
// 284 x 47 pixels.
QImage LogoPicture();

}  // namespace kestrelon
