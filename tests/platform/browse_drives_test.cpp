// The directory chooser's drives: root, home and the mounts that hold files.
#include <gtest/gtest.h>

#include "platform/browse_drives.h"

namespace quorvane::platform {
namespace {

MountEntry mount(const char* point, const char* type) {
  MountEntry m;
  m.mountPoint = point;
  m.fsType = type;
  return m;
}

TEST(BrowseDrives, RootHomeAndFileSystemsThatHoldFilesEachOnce) {
  const std::vector<MountEntry> mounts = {
      mount("/", "ext4"),           mount("/proc", "proc"),         mount("/sys", "sysfs"),
      mount("/dev/pts", "devpts"),  mount("/run", "tmpfs"),         mount("/sys/fs/cgroup", "cgroup2"),
      mount("/home", "ext4"),       mount("/media/usb key", "vfat"), mount("/mnt/share", "cifs"),
      mount("/home/me/", "btrfs"),  // the home directory itself, written with a slash
  };
  EXPECT_EQ(browseDrivesOf(mounts, "/home/me"),
            (std::vector<std::string>{"/", "/home/me", "/home", "/media/usb key", "/mnt/share"}));
  // No home, or home at the root, adds nothing.
  EXPECT_EQ(browseDrivesOf({}, ""), std::vector<std::string>{"/"});
  EXPECT_EQ(browseDrivesOf({}, "/"), std::vector<std::string>{"/"});
}

TEST(BrowseDrives, TheDriveHoldingAPathIsTheLongestThatContainsIt) {
  const std::vector<std::string> drives = {"/", "/home/me", "/home", "/mnt/share"};
  struct Case {
    const char* path;
    int drive;
  } cases[] = {
      {"/", 0},          {"/etc", 0},           {"/home", 2},  {"/home/you/x", 2},
      {"/home/me", 1},   {"/home/me/docs", 1},  {"/home/meo", 2}, {"/mnt/sharex", 0},
      {"/mnt/share/a", 3}, {"relative", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(driveHolding(drives, c.path), c.drive) << c.path;
}

TEST(BrowseDrives, ThisSystemsDrivesStartAtTheRoot) {
  const std::vector<std::string> drives = browseDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), "/");
  for (const std::string& d : drives) EXPECT_EQ(d.front(), '/') << d;
}

}  // namespace
}  // namespace quorvane::platform
