#include "platform/volume_info.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_tree.h"

namespace quorvane::platform {
namespace {

const char* const kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "30 22 0:50 / /mnt/share rw,relatime shared:9 - cifs //server/data rw,vers=3.0\n"
    "31 22 0:51 / /home/me/nfs\\040home rw - nfs4 fileserver:/export/home rw\n"
    "32 22 0:52 / /mnt/sharebig rw - ext4 /dev/sdb1 rw\n"
    "33 30 0:53 / /mnt/share/local rw - tmpfs tmpfs rw\n"
    "garbage line\n";

TEST(VolumeInfo, ParsesMountInfo) {
  const std::vector<MountEntry> m = parseMountInfo(kMountInfo);
  ASSERT_EQ(m.size(), 5u);
  EXPECT_EQ(m[0].major, 8u);
  EXPECT_EQ(m[0].minor, 1u);
  EXPECT_EQ(m[0].source, "/dev/sda1");
  EXPECT_EQ(m[1].fsType, "cifs");
  EXPECT_EQ(m[2].mountPoint, "/home/me/nfs home");  // "\040" is a blank
  EXPECT_EQ(m[2].source, "fileserver:/export/home");
}

TEST(VolumeInfo, NetworkFormReplacesTheMountPointOfANetworkFileSystem) {
  const std::vector<MountEntry> m = parseMountInfo(kMountInfo);
  struct Case {
    const char* path;
    const char* shown;
  } cases[] = {
      {"/mnt/share/docs/a.txt", "//server/data/docs/a.txt"},
      {"/mnt/share/", "//server/data/"},
      {"/mnt/share", "//server/data"},
      {"/mnt/sharebig/x", "/mnt/sharebig/x"},      // a longer name is another mount
      {"/mnt/share/local/x", "/mnt/share/local/x"},  // a local mount inside the share
      {"/home/me/nfs home/b/", "fileserver:/export/home/b/"},
      {"/etc/passwd", "/etc/passwd"},
      {"relative/path", "relative/path"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(networkForm(c.path, m), c.shown) << c.path;
}

TEST(VolumeInfo, DecodesUdevNames) {
  EXPECT_EQ(decodeDeviceName("My\\x20Disk"), "My Disk");
  EXPECT_EQ(decodeDeviceName("a\\x2fb"), "a/b");
  EXPECT_EQ(decodeDeviceName("bad\\x2"), "bad\\x2");
  EXPECT_EQ(decodeDeviceName("plain"), "plain");
}

TEST(VolumeInfo, LabelFromTheEntryNamingTheMountSource) {
  test::TempTree tree;
  tree.file("dev/sdz1", "");
  tree.file("dev/sdz2", "");
  tree.dir("data/sub");
  tree.dir("labels");
  tree.symlink("../dev/sdz2", "labels/Other");
  tree.symlink("../dev/sdz1", "labels/Backup\\x20Disk");
  const std::string data = tree.path("data");
  std::vector<MountEntry> mounts(1);
  mounts[0].mountPoint = std::filesystem::canonical(data).string();
  mounts[0].fsType = "ext4";
  mounts[0].source = tree.path("dev/sdz1");
  EXPECT_EQ(volumeLabelIn(tree.path("data/sub"), mounts, tree.path("labels")), "Backup Disk");
  EXPECT_EQ(volumeLabelIn(tree.path("dev"), mounts, tree.path("labels")), "");  // not on that mount
  EXPECT_EQ(volumeLabelIn(tree.path("data/sub"), mounts, tree.path("no-labels")), "");
  EXPECT_EQ(volumeLabelIn(tree.path("missing"), mounts, tree.path("labels")), "");
}

}  // namespace
}  // namespace quorvane::platform
