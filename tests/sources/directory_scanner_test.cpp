#include "sources/directory_scanner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/recording_user_interface.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

class ScannerTest : public ::testing::Test {
 protected:
  ScannerTest() : ui(nullptr), c(settings, ui) { c.State.SnapshotMode = false; }

  // Scans the tree as the New side and returns the relative paths found, in key order.
  std::vector<std::string> scan() {
    c.Files.Clear();
    c.State.Stats = {};
    ScanDirectoryTree(c, Side::New, tree.root(), "");
    std::vector<std::string> out;
    for (std::int32_t i = 0; i < c.Files.Count(); ++i) out.emplace_back(c.Files.ItemAt(i).Path());
    return out;
  }

  test::TempTree tree;
  Settings settings;
  test::RecordingUserInterface ui;
  Comparison c;
};

using Paths = std::vector<std::string>;

TEST_F(ScannerTest, WalksTheTreeWithAttributeRules) {
  tree.file("a.txt", "12345", 1700000000);
  tree.file("sub/b.txt", "x");
  tree.file("sub/deeper/c.txt", "x");
  tree.file(".hidden-file", "x");
  tree.file(".hidden-dir/d.txt", "x");
  tree.file("ro.txt", "x");
  tree.chmod("ro.txt", 0444);
  tree.fifo("pipe");
  tree.symlink("sub", "link-to-dir");
  tree.symlink("a.txt", "link-to-file");

  EXPECT_EQ(scan(), (Paths{"a.txt", "link-to-file", "ro.txt", "sub\\b.txt", "sub\\deeper\\c.txt"}));
  const FileEntry* a = c.Files.Find("a.txt");
  EXPECT_EQ(a->NewSize, 5u);
  EXPECT_EQ(a->NewTime, test::dosOf(1700000000));
  EXPECT_EQ(a->NewAttr, 0x20);
  EXPECT_EQ(a->Status, stInserted);
  EXPECT_EQ(c.Files.Find("ro.txt")->NewAttr, 0x21);

  settings.SpecialAttr = 0x02;  // hidden files, but hidden directories stay closed
  EXPECT_EQ(scan(), (Paths{".hidden-file", "a.txt", "link-to-file", "ro.txt", "sub\\b.txt", "sub\\deeper\\c.txt"}));
  EXPECT_EQ(c.Files.Find(".hidden-file")->NewAttr, 0x22);

  settings.SpecialAttr = 0x04;  // system: the FIFO is listed but never opened
  const Paths withSystem = scan();
  EXPECT_NE(std::find(withSystem.begin(), withSystem.end(), "pipe"), withSystem.end());
  EXPECT_EQ(c.Files.Find("pipe")->NewSize, 0u);

  settings.SpecialAttr = 0;
  settings.HiddenDirs = true;  // hidden and system directories, the symlinked one too
  EXPECT_EQ(scan(), (Paths{"a.txt", "link-to-file", "ro.txt", ".hidden-dir\\d.txt", "link-to-dir\\b.txt",
                           "link-to-dir\\deeper\\c.txt", "sub\\b.txt", "sub\\deeper\\c.txt"}));

  settings.HiddenDirs = false;
  settings.Recurse = false;
  EXPECT_EQ(scan(), (Paths{"a.txt", "link-to-file", "ro.txt"}));
}

TEST_F(ScannerTest, SymlinkLoopsEndAndNamesWithBackslashAreCounted) {
  tree.file("top/a.txt", "x");
  tree.symlink("..", "top/up");       // back to the root: an ancestor
  tree.symlink(".", "top/self");
  tree.file("odd\\name.txt", "x");   // a literal backslash in a Linux name
  settings.HiddenDirs = true;
  const Paths found = scan();
  EXPECT_EQ(found, (Paths{"top\\a.txt"}));
  EXPECT_EQ(c.State.Stats.FilesSkipped, 1u);
}

TEST_F(ScannerTest, MasksAndIncludedStart) {
  tree.file("a.txt", "x");
  tree.file("b.bak", "x");
  tree.file("src/c.txt", "x");
  tree.file("src/d.c", "x");
  c.Masks.Exclusions[0].SetMask("*.bak");
  c.Masks.ExclusionCount = 1;
  EXPECT_EQ(scan(), (Paths{"a.txt", "src\\c.txt", "src\\d.c"}));
  c.Masks.Include.SetMask("*.c");
  EXPECT_EQ(scan(), (Paths{"src\\d.c"}));

  c.Masks.Include.SetMask("*.*");
  c.Files.Clear();
  ScanDirectoryTree(c, Side::New, tree.root(), "src");
  EXPECT_NE(c.Files.Find("src\\c.txt"), nullptr);
  EXPECT_EQ(c.Files.Count(), 2);
}

TEST_F(ScannerTest, AbortStopsTheWalk) {
  for (int i = 0; i < 50; ++i) tree.file("d" + std::to_string(i) + "/f.txt", "x");
  // Every clock read is a second later, so every file pumps; Abort comes after five files.
  std::uint64_t ticks = 0;
  c.Progress.clock = [&ticks] { return ticks += 1000; };
  ui.onPump = [this] {
    if (c.State.Stats.FilesFound >= 5) ui.requestAbort();
  };
  scan();
  EXPECT_LE(c.Files.Count(), 6);
}

}  // namespace
}  // namespace quorvane
