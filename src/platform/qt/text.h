#pragma once
// Program texts are kept as the bytes they were typed or read (Windows-1252); windows show them
// as Qt strings. These two turn one into the other at the window's edge.

#include <QString>
#include <string>
#include <string_view>

namespace kestrelon {

QString QText(std::string_view text);
std::string StdText(const QString& text);

// File paths are the file system's own bytes.
QString QPath(const std::string& path);
std::string StdPath(const QString& path);

}  // namespace kestrelon
