#pragma once
// What the system knows about the file system holding a path: its volume label and, for
// a network file system, its remote source.
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::platform {

// One line of /proc/self/mountinfo (escapes such as "\040" decoded).
struct MountEntry {
  unsigned major = 0;
  unsigned minor = 0;
  std::string mountPoint;
  std::string fsType;
  std::string source;
};

std::vector<MountEntry> parseMountInfo(std::string_view text);
// The mount table of this process; empty when it cannot be read.
std::vector<MountEntry> currentMounts();

// The file system whose mount point holds the absolute path (the longest such mount
// point; of equal ones the last mounted), or nullptr.
const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view absolutePath);

bool isNetworkFileSystem(std::string_view fsType);

// The path with the mount point of its network file system replaced by the remote source
// ("/mnt/share/a" on "//server/data" -> "//server/data/a"); any other path unchanged.
std::string networkForm(std::string_view path, const std::vector<MountEntry>& mounts);
std::string networkFormOf(std::string_view path);

// udev's names in /dev/disk/by-label escape bytes as "\xHH".
std::string decodeDeviceName(std::string_view name);

// The label of the file system holding the path: the name of the entry of labelDir that
// is that file system's device, or of its mount source; empty when none.
std::string volumeLabelIn(const std::string& path, const std::vector<MountEntry>& mounts, const std::string& labelDir);
std::string volumeLabelOf(const std::string& path);

}  // namespace quorvane::platform
