#include "platform/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/scoped_env.h"
#include "platform/whole_file.h"
#include "support/failing_file_system.h"
#include "support/scoped_locale.h"

namespace kestrelon {
namespace {

// A German desktop translates the C library's error texts; the program's messages keep the
// English ones, which are also plain ASCII like the rest of its text.
TEST(SystemErrorText, IsTheEnglishTextOnAGermanDesktop) {
  test::ScopedLocale locale;
  ASSERT_TRUE(locale.Use("de_DE.UTF-8"));
  test::ScopedEnv env;
  env.Set("LANGUAGE", "de");
  EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");

  test::TempFolder dir;
  test::FailingFileSystem failing({{test::FailingFileSystem::CreateCall, 1}}, EACCES);
  const FileWriteResult result = WriteFileReplacing(dir / "CAR.WCD", "bytes");
  EXPECT_EQ(result.error, EACCES);
  EXPECT_EQ(result.description, "Permission denied");
}

}  // namespace
}  // namespace kestrelon
