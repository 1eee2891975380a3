// Whole-file writes: a failure or a kill at any call leaves every file whole, old or new; a
// file the user may not write, and anything that is no file, is refused as a direct write would
// be; a symbolic link stays a link and a file keeps its owner; names never run out.
#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <map>
#include <regex>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>

#include "core/scoped_env.h"
#include "support/failing_file_system.h"

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;
using Fs = test::FailingFileSystem;

std::size_t Entries(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

Files InFolder(const test::TempFolder& dir) {
  Files files;
  for (const auto& entry : fs::directory_iterator(dir.path())) files[entry.path().filename()] = test::FileText(entry.path());
  return files;
}

void Refill(const test::TempFolder& dir, const Files& files) {
  fs::remove_all(dir.path());
  fs::create_directories(dir.path());
  for (const auto& [name, bytes] : files) dir.Write(name, bytes);
}

// A vehicle and its power file saved together, as "<content> vehicle" and "<content> power".
FileWriteResult CommitPair(const test::TempFolder& dir, const std::string& content) {
  PendingFile vehicle, power;
  FileWriteResult result = vehicle.Prepare(dir / "CAR.WCD", content + " vehicle");
  if (result.ok()) result = power.Prepare(dir / "CAR.VCD", content + " power");
  if (result.ok()) result = CommitFiles({&vehicle, &power});
  return result;
}

bool SavePair(const test::TempFolder& dir, const std::string& content) { return CommitPair(dir, content).ok(); }

// The racer's own files, named like what a save leaves but not as the program names them.
const Files Racers = {{"CAR.WCD.old", "racer's"}, {"CAR.WCD.part01~", "racer's"}, {"CAR.WCD.partX~", "racer's"},
                      {"CAR.WCD.old~.bak", "racer's"}, {"XCAR.WCD.old~", "racer's"}, {"CAR.old~", "racer's"}};

Files With(Files files, const Files& more) {
  files.insert(more.begin(), more.end());
  return files;
}

// Each call of a two-file commit failed in turn, on a file system with hard links and on one
// without: a failed commit leaves both old files and everything beside them exactly as they
// were; one that comes through (a refused link only changes how the old file is kept) replaces
// both and removes what killed saves had left beside them, and nothing else.
TEST(WholeFile, EveryFailingCallOfACommitLeavesBothOldFilesExactlyAsTheyWere) {
  const Files leftBehind = {{"CAR.WCD.old~", "left"}, {"CAR.WCD.part~", "left"}, {"CAR.VCD.part3~", "left"}};
  const Files before = With(With(Racers, leftBehind), {{"CAR.WCD", "old vehicle"}, {"CAR.VCD", "old power"}});
  test::TempFolder dir;
  for (const bool noLinks : {false, true}) {
    std::array<int, Fs::Calls> calls{};
    {
      Refill(dir, before);
      Fs counting;
      counting.noLinks = noLinks;
      ASSERT_TRUE(SavePair(dir, "new"));
      calls = counting.count;
    }
    // The new content reaches the disk, owned like the old one, before it replaces anything;
    // without links the old vehicle file is copied.
    for (const Fs::Call call : {Fs::CreateCall, Fs::SetOwnerCall, Fs::WriteCall, Fs::FlushCall, Fs::CloseCall, Fs::LinkCall, Fs::RenameCall})
      EXPECT_GT(calls[call], 0) << call;
    EXPECT_EQ(calls[Fs::ReadCall] > 0, noLinks);
    for (int call = 0; call < Fs::Calls; ++call) {
      if (call == Fs::RemoveCall) continue;
      for (int n = 1; n <= calls[call]; ++n) {
        SCOPED_TRACE(testing::Message() << "links " << !noLinks << ", call " << call << " #" << n);
        Refill(dir, before);
        Fs failing({{static_cast<Fs::Call>(call), n}});
        failing.noLinks = noLinks;
        const Files after = SavePair(dir, "new") ? With(Racers, {{"CAR.WCD", "new vehicle"}, {"CAR.VCD", "new power"}}) : before;
        EXPECT_EQ(InFolder(dir), after);
      }
    }
  }
}

// The power file cannot be put in place, and the vehicle file cannot get its old content back
// either (nor be removed again when it was new): the commit tells that the vehicle file holds
// its new content, the old one kept beside it, and the next save clears up.
TEST(WholeFile, AVehicleFileThatCannotBePutBackIsToldAsHoldingTheNewContent) {
  test::TempFolder dir;
  for (const bool existed : {true, false}) {
    SCOPED_TRACE(existed ? "over old files" : "new files");
    Refill(dir, existed ? Files{{"CAR.WCD", "old vehicle"}, {"CAR.VCD", "old power"}} : Files{});
    FileWriteResult result;
    {
      Fs failing(existed ? std::set<std::pair<Fs::Call, int>>{{Fs::RenameCall, 2}, {Fs::RenameCall, 3}}
                         : std::set<std::pair<Fs::Call, int>>{{Fs::RenameCall, 2}, {Fs::RemoveCall, 1}});
      result = CommitPair(dir, "new");
    }
    EXPECT_EQ(std::tuple(result.error, result.leftNew), std::tuple(EIO, std::vector<std::size_t>{0}));
    EXPECT_EQ(InFolder(dir), (existed ? Files{{"CAR.WCD", "new vehicle"}, {"CAR.WCD.old~", "old vehicle"}, {"CAR.VCD", "old power"}}
                                      : Files{{"CAR.WCD", "new vehicle"}}));
    ASSERT_TRUE(SavePair(dir, "newer"));
    EXPECT_EQ(InFolder(dir), (Files{{"CAR.WCD", "newer vehicle"}, {"CAR.VCD", "newer power"}}));
  }
}

// A save killed at each of its calls in turn, over old files and where there were none, with
// hard links and without: each file's own name holds a whole file, old or new (or still none),
// and only names the program makes are left beside them. The next save puts both new files in
// place and removes those names; the racer's own files are never touched.
TEST(WholeFile, ASaveKilledAtAnyCallLeavesEachFileOldOrNewAndTheNextSaveClearsUp) {
  test::TempFolder dir;
  const std::regex programsName(R"(CAR\.(WCD|VCD)\.(part|old)([1-9][0-9]*)?~)");
  for (const bool noLinks : {false, true}) {
    for (const bool existed : {true, false}) {
      const Files before = existed ? With(Racers, {{"CAR.WCD", "old vehicle"}, {"CAR.VCD", "old power"}}) : Racers;
      int calls = 0;
      {
        Refill(dir, before);
        Fs counting;
        counting.noLinks = noLinks;
        ASSERT_TRUE(SavePair(dir, "new"));
        calls = counting.total;
      }
      for (int kill = 1; kill <= calls; ++kill) {
        SCOPED_TRACE(testing::Message() << "links " << !noLinks << ", existed " << existed << ", killed at call " << kill);
        Refill(dir, before);
        {
          Fs killed;
          killed.noLinks = noLinks;
          killed.killedAt = kill;
          SavePair(dir, "new");
        }
        const Files now = InFolder(dir);
        for (const auto& [name, file] : {std::pair("CAR.WCD", "vehicle"), std::pair("CAR.VCD", "power")}) {
          const std::string found = now.count(name) ? now.at(name) : "none";
          const std::string old = existed ? "old " + std::string(file) : "none";
          EXPECT_TRUE(found == old || found == "new " + std::string(file)) << name << ": " << found;
        }
        for (const auto& [name, bytes] : now)
          if (Racers.count(name)) {
            EXPECT_EQ(bytes, "racer's") << name;
          } else if (name != "CAR.WCD" && name != "CAR.VCD") {
            EXPECT_TRUE(std::regex_match(name, programsName)) << name;
          }
        Fs next;
        next.noLinks = noLinks;
        ASSERT_TRUE(SavePair(dir, "newer"));
        EXPECT_EQ(InFolder(dir), With(Racers, {{"CAR.WCD", "newer vehicle"}, {"CAR.VCD", "newer power"}}));
      }
    }
  }
}

// A save killed between moving the old file aside and putting the new one in its place, as
// saves once were on a file system without hard links, left the old file only beside its
// name. Opening it or saving it puts the old file back first; a save then clears up.
TEST(WholeFile, AnOldFileLeftBesideAMissingOneIsPutBackFirst) {
  test::TempFolder dir;
  const Files killed = {{"CAR.WCD.old~", "old vehicle"}, {"CAR.WCD.part~", "new vehicle"}, {"CAR.VCD", "new power"}};
  Refill(dir, killed);
  ASSERT_TRUE(PutBackLeftOver(dir / "CAR.WCD").ok());
  EXPECT_EQ(InFolder(dir), (Files{{"CAR.WCD", "old vehicle"}, {"CAR.WCD.part~", "new vehicle"}, {"CAR.VCD", "new power"}}));
  // Only a missing file is put back, and only from its own names.
  dir.Write("CAR.WCD.old3~", "older vehicle");
  dir.Write("CAR.VCD.old~.bak", "racer's");
  fs::remove(dir / "CAR.VCD");
  for (const char* name : {"CAR.WCD", "CAR.VCD"}) EXPECT_TRUE(PutBackLeftOver(dir / name).ok());
  EXPECT_EQ(test::FileText(dir / "CAR.WCD"), "old vehicle");
  EXPECT_FALSE(fs::exists(dir / "CAR.VCD"));

  // A save finds the old files, puts the most recent one back and clears every one up.
  Refill(dir, killed);
  dir.Write("CAR.WCD.old1~", "older vehicle");
  fs::last_write_time(dir / "CAR.WCD.old1~", fs::last_write_time(dir / "CAR.WCD.old~") - std::chrono::hours(1));
  {
    Fs counting;
    ASSERT_TRUE(WriteFileReplacing(dir / "CAR.WCD", "newer vehicle").ok());
    EXPECT_EQ(counting.count[Fs::RenameCall], 2);  // the old file back, the new one in
  }
  EXPECT_EQ(InFolder(dir), (Files{{"CAR.WCD", "newer vehicle"}, {"CAR.VCD", "new power"}}));
  Refill(dir, killed);
  fs::remove(dir / "CAR.WCD.part~");
  fs::last_write_time(dir / "CAR.WCD.old~", fs::file_time_type::clock::now() - std::chrono::hours(2));
  dir.Write("CAR.WCD.old7~", "newest old vehicle");
  {
    Fs failing({{Fs::WriteCall, 1}});  // the old file is back even when the save then fails
    EXPECT_FALSE(WriteFileReplacing(dir / "CAR.WCD", "newer vehicle").ok());
  }
  EXPECT_EQ(InFolder(dir), (Files{{"CAR.WCD", "newest old vehicle"}, {"CAR.WCD.old~", "old vehicle"}, {"CAR.VCD", "new power"}}));
}

// However many names killed saves have left, beside a file or beside where one is to be, a
// save finds a free one and then clears them all up.
TEST(WholeFile, SavesNeverRunOutOfNames) {
  test::TempFolder dir;
  for (int n = 0; n < 150; ++n) {
    const std::string number = n > 0 ? std::to_string(n) : "";
    dir.Write("CAR.WCD.part" + number + "~", "left");
    dir.Write("CAR.VCD.part" + number + "~", "left");
    dir.Write("CAR.WCD.old" + number + "~", "left");
  }
  dir.Write("CAR.WCD", "old vehicle");
  ASSERT_TRUE(SavePair(dir, "new"));
  EXPECT_EQ(InFolder(dir), (Files{{"CAR.WCD", "new vehicle"}, {"CAR.VCD", "new power"}}));
}

// A FIFO, a link to one and a device node are no files to save over: the save is refused with
// nothing changed, and reading one (as the settings are read) never waits for a writer.
TEST(WholeFile, ASaveOntoAFifoOrADeviceIsRefusedAndNothingChanges) {
  test::TempFolder dir;
  ASSERT_EQ(::mkfifo((dir / "CAR.WCD").c_str(), 0666), 0);
  fs::create_symlink(dir / "CAR.WCD", dir / "LINK.WCD");
  std::vector<std::string> targets = {dir / "CAR.WCD", dir / "LINK.WCD"};
  // A null device of the test's own, never the system's.
  const bool node = ::geteuid() == 0 && ::mknod((dir / "NULL.WCD").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
  if (node) targets.push_back(dir / "NULL.WCD");
  for (const std::string& target : targets) {
    SCOPED_TRACE(target);
    const FileWriteResult result = WriteFileReplacing(target, "new");
    EXPECT_EQ(std::tie(result.error, result.description), std::tuple(EINVAL, "Not a regular file"));
    EXPECT_FALSE(result.pathMissing());
    std::string bytes;
    EXPECT_EQ(FileSystem().Read(target, bytes), EINVAL);
  }
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "CAR.WCD")));
  EXPECT_TRUE(fs::is_symlink(dir / "LINK.WCD"));
  if (node) { EXPECT_TRUE(fs::is_character_file(fs::symlink_status(dir / "NULL.WCD"))); }
  EXPECT_EQ(Entries(dir.path()), targets.size());
  if (!node) GTEST_SKIP() << "a device node needs root to be made: saving onto one was not tried";
}

// The effective user of the process for as long as it lives (root gives it back).
class ActingAs {
 public:
  explicit ActingAs(uid_t user) {
    EXPECT_EQ(::setegid(user), 0);
    EXPECT_EQ(::seteuid(user), 0);
  }
  ~ActingAs() {
    EXPECT_EQ(::seteuid(0), 0);
    EXPECT_EQ(::setegid(0), 0);
  }
};

// A save over another user's file keeps its owner, group and permissions, also when the old
// file has to be put back by copy. Where the saver may not give the file to its owner, the save
// is refused with nothing changed.
TEST(WholeFile, AFileOfAnotherUserKeepsItsOwnerAndGroupOrIsNotReplaced) {
  test::TempFolder dir;
  {
    const std::string path = dir.Write("CAR.WCD", "old");
    Fs failing({{Fs::SetOwnerCall, 1}}, EPERM);
    const FileWriteResult result = WriteFileReplacing(path, "new");
    EXPECT_EQ(std::tie(result.error, result.description), std::tuple(EPERM, "Operation not permitted"));
    EXPECT_EQ(InFolder(dir), (Files{{"CAR.WCD", "old"}}));
  }
  if (::geteuid() != 0) GTEST_SKIP() << "files of other users need root to be made: only the refusal was tried";
  constexpr uid_t Nobody = 65534;
  auto owned = [](const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return std::tuple(st.st_uid, st.st_gid, st.st_mode & 07777);
  };
  Refill(dir, {{"CAR.WCD", "old vehicle"}, {"CAR.VCD", "old power"}});
  ASSERT_EQ(::chown((dir / "CAR.WCD").c_str(), Nobody, Nobody), 0);
  ASSERT_EQ(::chmod((dir / "CAR.WCD").c_str(), 0640), 0);
  {
    Fs failing({{Fs::RenameCall, 3}});  // the old vehicle file copied, the new one in, the power file refused
    failing.noLinks = true;
    EXPECT_FALSE(SavePair(dir, "new"));
  }
  EXPECT_EQ(InFolder(dir), (Files{{"CAR.WCD", "old vehicle"}, {"CAR.VCD", "old power"}}));
  EXPECT_EQ(owned(dir / "CAR.WCD"), std::tuple(Nobody, Nobody, 0640u));
  ASSERT_TRUE(SavePair(dir, "new"));
  EXPECT_EQ(owned(dir / "CAR.WCD"), std::tuple(Nobody, Nobody, 0640u));
  EXPECT_EQ(test::FileText(dir / "CAR.WCD"), "new vehicle");

  // In a folder every user may write, another user may not give root's file back to root. That
  // user must reach the folder: where the temporary folder lies inside one only its owner may
  // enter, the folder is made in the system's shared temporary folder.
  const auto reachable = [](const std::string& folder) {
    ActingAs nobody(Nobody);
    struct stat st {};
    return ::stat((folder + "/.").c_str(), &st) == 0;
  };
  test::ScopedEnv shared;
  if (!reachable(fs::temp_directory_path())) shared.Set("TMPDIR", "/tmp");
  test::TempFolder everyone;
  fs::permissions(everyone.path(), fs::perms::all);
  if (!reachable(everyone.path())) GTEST_SKIP() << "no folder another user may reach: " << everyone.path();
  const std::string power = everyone.Write("CAR.VCD", "root's power");
  ASSERT_EQ(::chmod(power.c_str(), 0666), 0);
  {
    ActingAs nobody(Nobody);
    const FileWriteResult result = WriteFileReplacing(power, "nobody's power");
    EXPECT_EQ(result.error, EPERM);
  }
  EXPECT_EQ(InFolder(everyone), (Files{{"CAR.VCD", "root's power"}}));
  EXPECT_EQ(owned(power), std::tuple(0u, 0u, 0666u));
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

// A file as large as the bound is read whole; one byte more and it is refused unread, its
// content never held in memory, however large (a hole of 1 TiB), and a write of it is refused
// with the old file left as it was. Every read closes its file, ended by an error or not.
TEST(WholeFile, AFileLargerThanAnyTheProgramReadsIsRefused) {
  test::TempFolder dir;
  const std::string path = dir.Write("BIG.WCD", "first line\r\n");
  const auto descriptors = [] { return Entries("/proc/self/fd"); };
  const std::size_t open = descriptors();
  constexpr std::size_t Small = 100;
  for (const auto& [size, bound, error] :
       {std::tuple(MostFileBytes, MostFileBytes, 0), std::tuple(MostFileBytes + 1, MostFileBytes, EFBIG),
        std::tuple(std::size_t{1} << 40, MostFileBytes, EFBIG), std::tuple(Small, Small, 0),
        std::tuple(Small + 1, Small, EFBIG)}) {
    fs::resize_file(path, size);  // the rest a hole, read as zeros
    std::string bytes;
    EXPECT_EQ(bound == MostFileBytes ? FileSystem().Read(path, bytes) : FileSystem().Read(path, bytes, bound), error) << size;
    EXPECT_EQ(bytes.size(), error == 0 ? size : 0u);
  }
  EXPECT_EQ(descriptors(), open);
  EXPECT_EQ(MostFileBytes, std::size_t{64} << 20);
  EXPECT_EQ(FileError(EFBIG).description, "File too large");
  dir.Write("BIG.WCD", "old");
  EXPECT_EQ(WriteFileReplacing(path, std::string(Small + 1, 'x'), Small).error, EFBIG);
  EXPECT_EQ(test::FileText(path), "old");
  EXPECT_EQ(Entries(dir.path()), 1u);
  EXPECT_TRUE(WriteFileReplacing(path, std::string(Small, 'x'), Small).ok());
  EXPECT_EQ(test::FileText(path).size(), Small);
}

}  // namespace
}  // namespace kestrelon
