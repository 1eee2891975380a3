#pragma once
// The program's pictures: the built-in ones, drawn in code (the 17 command icons of the main bar,
// the splash picture in full and in 16 colours, and the product logo laid over a chosen picture),
// and the picture file the racer chose for the splash.

#include <QImage>
#include <string>

namespace kestrelon {

inline constexpr int IconStripWidth = 544;
inline constexpr int IconStripHeight = 32;

// 17 icons of 32 x 32 pixels side by side, in the order of the strip's commands.
QImage IconStripPicture();
// 413 x 328 pixels; the 16-colour version uses only the basic palette.
QImage SplashPicture(bool sixteenColours);
// 284 x 47 pixels.
QImage LogoPicture();

// The picture in the file at path, read only from a regular file as every file the program
// reads: a FIFO would keep the window from ever opening while it waits for a writer, and a
// device need never end. A null image when the file cannot be read or holds no picture.
QImage PictureFile(const std::string& path);

}  // namespace kestrelon
