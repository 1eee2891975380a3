// The drive list from the mount table alone: names with their escapes undone, each mount point
// once, the system's own file systems left out, and the volume a folder lies on.
#include "platform/mount_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "core/scoped_env.h"
#include "support/failing_file_system.h"

namespace kestrelon {
namespace {

using Points = std::vector<std::string>;

TEST(MountTable, MountPointsAreTheTablesNamesInOrderEachOnce) {
  const std::string table =
      "rootfs / rootfs rw 0 0\n"
      "srv:/three /three nfs\n"
      "/dev/sda1 / ext4 rw,relatime 0 0\n"
      "proc /proc proc rw,nosuid 0 0\n"
      "sysfs /sys sys rw 0 0\n"
      "devpts /dev/pts devpts rw 0 0\n"
      "tmpfs /var/run/user tmpfs rw 0 0\n"
      "server:/cars /net/race\\040cars nfs rw,hard 0 0\n"
      "/dev/sdb1 /media/tab\\011back\\134slash vfat rw 0 0\n"
      "tmpfs /tmp tmpfs rw 0 0\n"
      "overlay /tmp tmpfs rw 0 0\n"
      "/dev/sdc1 /devices ext4 rw 0 0\n"
      "/dev/sdd1 /odd\\04 ext4 rw 0 0\n"
      "/dev/sde1 /not\\048octal ext4 rw 0 0\n"
      "broken-line\n"
      "\n"
      "fuse /mnt/stuck fuse.sshfs rw 0 0";
  EXPECT_EQ(MountPoints(table), (Points{"/three", "/", "/net/race cars", "/media/tab\tback\\slash", "/tmp", "/devices",
                                        "/odd\\04", "/not\\048octal", "/mnt/stuck"}));
}

TEST(MountTable, AFolderLiesOnTheLongestMountPointThatHoldsIt) {
  const Points points{"/", "/mnt/a", "/mnt/ab", "/mnt/ab/c"};
  EXPECT_EQ(MountHolding(points, "/mnt/ab/"), 2u);
  EXPECT_EQ(MountHolding(points, "/mnt/abc/"), 0u);
  EXPECT_EQ(MountHolding(points, "/mnt/a"), 1u);
  EXPECT_EQ(MountHolding(points, "/mnt/ab/c/d/"), 3u);
  EXPECT_EQ(MountHolding(Points{"/mnt"}, "/home/"), std::nullopt);
}

TEST(MountTable, TheTableIsReadAndAnUnreadableOneLeavesTheRoot) {
  test::TempFolder dir;
  EXPECT_EQ(MountedVolumes(dir.Write("mounts", "tmpfs /tmp tmpfs rw 0 0\n")), Points{"/tmp"});
  test::FailingFileSystem failing({{test::FailingFileSystem::ReadCall, 1}}, EACCES);
  EXPECT_EQ(MountedVolumes(), Points{"/"});
  EXPECT_EQ(failing.count[test::FailingFileSystem::ReadCall], 1);
  const Points real = MountedVolumes();
  EXPECT_EQ(MountHolding(real, "/"), std::optional<std::size_t>(std::find(real.begin(), real.end(), "/") - real.begin()));
}

}  // namespace
}  // namespace kestrelon
