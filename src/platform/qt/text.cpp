#include "platform/qt/text.h"

#include <QFile>
#include <array>

namespace kestrelon {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unused codes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString QText(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const char16_t high = byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : 0;
    out.append(QChar(high ? high : byte));
  }
  return out;
}

std::string StdText(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    char byte = '?';
    if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
      byte = static_cast<char>(u);
    } else {
      for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == u) byte = static_cast<char>(0x80 + i);
    }
    out += byte;
  }
  return out;
}

QString QPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string StdPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace kestrelon
