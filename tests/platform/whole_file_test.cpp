// Whole-file writes: a file the user may not write is refused as a direct write would be, a
// symbolic link stays a link, and a name as long as the file system allows still saves.
#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <tuple>

#include "core/scoped_env.h"
#include "support/failing_file_system.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

std::size_t Entries(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// Each call of a two-file commit failed in turn, on a file system with hard links and on one
// without, with the user's own files under the names a commit might use: a failed commit leaves
// both old files and the user's files exactly as they were and nothing else; one that comes
// through (a refused link only changes how the old file is kept) replaces both and leaves the
// user's files alone.
TEST(WholeFile, EveryFailingCallOfACommitLeavesBothOldFilesExactlyAsTheyWere) {
  using Fs = test::FailingFileSystem;
  using Files = std::map<std::string, std::string>;
  const Files before = {{"CAR.WCD", "old vehicle"}, {"CAR.VCD", "old power"}, {"CAR.WCD.old~", "user's"},
                        {"CAR.WCD.part~", "user's"}, {"CAR.VCD.part~", "user's"}};
  test::TempFolder dir;
  auto inFolder = [&] {
    Files files;
    for (const auto& entry : fs::directory_iterator(dir.path()))
      files[entry.path().filename()] = test::FileText(entry.path());
    return files;
  };
  auto save = [&] {
    fs::remove_all(dir.path());
    for (const auto& [name, bytes] : before) dir.Write(name, bytes);
    PendingFile vehicle, power;
    FileWriteResult result = vehicle.Prepare(dir / "CAR.WCD", "new vehicle");
    if (result.ok()) result = power.Prepare(dir / "CAR.VCD", "new power");
    if (result.ok()) result = CommitFiles({&vehicle, &power});
    return result.ok();
  };
  for (const bool noLinks : {false, true}) {
    std::array<int, Fs::Calls> calls{};
    {
      Fs counting;
      counting.noLinks = noLinks;
      ASSERT_TRUE(save());
      calls = counting.count;
    }
    // Each kind of call is made: the new content reaches the disk before it replaces anything.
    for (const Fs::Call call : {Fs::CreateCall, Fs::WriteCall, Fs::FlushCall, Fs::CloseCall, Fs::LinkCall, Fs::RenameCall})
      EXPECT_GT(calls[call], 0) << call;
    for (const Fs::Call call : {Fs::CreateCall, Fs::WriteCall, Fs::FlushCall, Fs::CloseCall, Fs::LinkCall, Fs::RenameCall}) {
      for (int n = 1; n <= calls[call]; ++n) {
        SCOPED_TRACE(testing::Message() << "links " << !noLinks << ", call " << call << " #" << n);
        Fs failing({{call, n}});
        failing.noLinks = noLinks;
        Files after = before;
        if (save()) {
          after["CAR.WCD"] = "new vehicle";
          after["CAR.VCD"] = "new power";
        }
        EXPECT_EQ(inFolder(), after);
      }
    }
  }
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
  // A folder in the way is no missing path; a missing folder is.
  EXPECT_EQ(std::tuple(WriteFileReplacing(dir.path(), "new").error, WriteFileReplacing(dir.path(), "new").pathMissing(),
                       WriteFileReplacing(dir / "gone/report.txt", "new").pathMissing()),
            std::tuple(EISDIR, false, true));
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
