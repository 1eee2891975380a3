#pragma once
// Program texts are kept as the bytes they were typed or read (Windows-1252); windows show them
// as Qt strings. These two turn one into the other at the window's edge.

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace kestrelon {

QString QText(std::string_view text);
std::string StdText(const QString& text);

// Text of a line edit as program text, and back. A box's text is read as its line in a file will
// hold it (a NUL or line end pasted in reads as a blank), so that the session and the file its
// save writes read the same figure or description.
std::string BoxText(const QLineEdit* box);
void SetBoxText(QLineEdit* box, const std::string& text);

// File paths are the file system's own bytes.
QString QPath(const std::string& path);
std::string StdPath(const QString& path);

}  // namespace kestrelon
