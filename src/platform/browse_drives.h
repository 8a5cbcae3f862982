#pragma once
// The "drives" of the directory chooser on Linux: the places a user starts browsing from,
// namely the root, the home directory and every mounted file system that holds files
// (pseudo file systems such as proc, sysfs or cgroup left out).
#include <string>
#include <string_view>
#include <vector>

#include "platform/volume_info.h"

namespace quorvane::platform {

// Whether a file system type holds no user files (proc, sysfs, devpts, tmpfs, ...).
bool isPseudoFileSystem(std::string_view fsType);

// "/", then home (when not empty and not "/"), then the mount points of the mounts that
// are not pseudo file systems, in mount order; each path once.
std::vector<std::string> browseDrivesOf(const std::vector<MountEntry>& mounts, const std::string& home);

// The drives of this process: its mount table and its home directory ($HOME, else the
// password database's entry).
std::vector<std::string> browseDrives();

// The drive of drives (as browseDrivesOf gives them) holding the absolute path: the
// longest one that is the path or a folder above it; -1 when none does.
int driveHolding(const std::vector<std::string>& drives, std::string_view absolutePath);

}  // namespace quorvane::platform
