// Whole-file writes: a file the user may not write is refused as a direct write would be, a
// symbolic link stays a link, and a name as long as the file system allows still saves.
#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/scoped_env.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

std::size_t Entries(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(WholeFile, AFileMarkedReadOnlyIsRefusedAndLeftAsItWas) {
  test::TempFolder dir;
  const std::string path = dir.Write("report.txt", "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const FileWriteResult result = WriteFileReplacing(path, "new");
  EXPECT_EQ(std::tie(result.error, result.description), std::tuple(EACCES, "Permission denied"));
  EXPECT_EQ(test::FileText(path), "old");
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Entries(dir.path()), 1u);
}

TEST(WholeFile, ALinkStaysALinkAndTheFileItLeadsToIsReplacedKeepingItsPermissions) {
  test::TempFolder dir;
  const std::string target = dir.Write("real/CAR.WCD", "old");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real/CAR.WCD", dir / "hop.WCD");   // relative, through a second link
  fs::create_symlink(dir / "hop.WCD", dir / "CAR.WCD");
  ASSERT_TRUE(WriteFileReplacing(dir / "CAR.WCD", "new").ok());
  EXPECT_TRUE(fs::is_symlink(dir / "CAR.WCD"));
  EXPECT_TRUE(fs::is_symlink(dir / "hop.WCD"));
  EXPECT_EQ(test::FileText(target), "new");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::tuple(Entries(dir.path()), Entries(dir / "real")), std::tuple(3u, 1u));
}

TEST(WholeFile, ANameAsLongAsTheFileSystemAllowsSavesAndIsReplaced) {
  test::TempFolder dir;
  const std::string path = dir / (std::string(251, 'n') + ".WCD");
  for (const char* bytes : {"first", "second"}) {
    ASSERT_TRUE(WriteFileReplacing(path, bytes).ok()) << bytes;
    EXPECT_EQ(test::FileText(path), bytes);
  }
  EXPECT_EQ(Entries(dir.path()), 1u);
}

}  // namespace
}  // namespace kestrelon
