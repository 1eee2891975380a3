// Program text (Windows-1252) against the file system's UTF-8 names and Qt's Unicode.
#include "platform/windows_1252.h"

#include <gtest/gtest.h>

#include "platform/qt/text.h"

namespace kestrelon {
namespace {

TEST(Windows1252, PathsKeepTheirCharactersAsProgramText) {
  const std::pair<const char*, const char*> rows[] = {
      {"/data/Donn\xC3\xA9" "es/CAR.WCD", "/data/Donn\xE9" "es/CAR.WCD"},  // é
      {"/d/\xE2\x82\xAC.WCD", "/d/\x80.WCD"},                                // € lives in 0x80..0x9F
      {"/d/\xE6\x97\xA5.WCD", "/d/?.WCD"},                                   // no place in the code page
      {"/d/\xE9t\xE9", "/d/\xE9t\xE9"},  // bytes that are no UTF-8 stay as they are
      {"/plain/CAR.WCD", "/plain/CAR.WCD"}};
  for (const auto& [path, text] : rows) EXPECT_EQ(PathText(path), text) << path;
  // What a message box then shows is the path's own characters.
  EXPECT_EQ(QText(PathText("Donn\xC3\xA9" "es")), QStringLiteral("Donn\u00E9es"));
}

TEST(Windows1252, EveryByteGoesToUnicodeAndBack) {
  for (int byte = 1; byte < 256; ++byte) {
    const char16_t unicode = Cp1252ToUnicode(static_cast<unsigned char>(byte));
    const bool unused = unicode == byte && byte >= 0x80 && byte < 0xA0;
    if (unused) continue;
    EXPECT_EQ(static_cast<unsigned char>(UnicodeToCp1252(unicode)), byte) << byte;
  }
  EXPECT_EQ(StdText(QStringLiteral("\u20AC\u00E9\u65E5")), "\x80\xE9?");
}

}  // namespace
}  // namespace kestrelon
