#pragma once
// The mounted volumes as the system's mount table names them, for the file dialog's drive list.
// Only the table is read: no volume is asked anything, so a network share, a sleeping disk or a
// file system whose server has stopped answering keeps no window waiting.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// The mount points of a mount table in the kernel's text form (one line per mount: source,
// mount point, type, options, with blanks, tabs, line ends and backslashes in names written as
// octal escapes such as "\040"), in the table's order, each once. The system's own file
// systems under /dev, /proc, /sys, /var/run and /var/lock, and the "rootfs" beneath the root,
// hold nothing to open and are left out.
std::vector<std::string> MountPoints(std::string_view table);

// The mount points of this process's mount table; the root alone when it cannot be read.
std::vector<std::string> MountedVolumes(const std::string& table = "/proc/self/mounts");

// The place in points of the mount point the path lies on: the longest one that holds it.
std::optional<std::size_t> MountHolding(const std::vector<std::string>& points, std::string_view path);

}  // namespace kestrelon
