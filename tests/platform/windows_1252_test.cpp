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

}  // namespace
}  // namespace kestrelon
