#include "platform/qt/text.h"

#include <QFile>

#include "platform/windows_1252.h"

namespace kestrelon {

QString QText(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) out.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))));
  return out;
}

std::string StdText(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar ch : text) out += UnicodeToCp1252(ch.unicode());
  return out;
}

QString QPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string StdPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace kestrelon
