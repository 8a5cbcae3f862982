#include "sources/directory_scanner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <random>

#include "engine/case_merge_reference.h"
#include "engine/run_comparison.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "sources/checksum_pipeline.h"
#include "sources/set_readers.h"
#include "sources/crc32.h"
#include "sources/snapshot_format.h"
#include "engine/add_file.h"
#include "engine/value_text.h"
#include "platform/dos_time.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

class ScannerTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  ScannerTest() : ComparisonFixture(nullptr) { c.State.SnapshotMode = false; }

  // Scans the tree as the New side and returns the relative paths found, in key order.
  std::vector<std::string> scan() {
    c.Files.Clear();
    c.Problems.Clear();
    c.State.Stats = {};
    ScanDirectoryTree(c, Side::New, tree.root(), "");
    std::vector<std::string> out;
    for (std::int32_t i = 0; i < c.Files.Count(); ++i) out.emplace_back(c.Files.ItemAt(i).Path());
    return out;
  }

  test::TempTree tree;
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
  tree.file("odd\\dir/inside.txt", "x");
  settings.HiddenDirs = true;
  const Paths found = scan();
  EXPECT_EQ(found, (Paths{"top\\a.txt"}));
  EXPECT_EQ(c.State.Stats.FilesSkipped, 2u);
  std::vector<std::string> lines = c.Problems.Lines();
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{
                       tree.path("odd\\dir") + ": skipped, a directory name holding \"\\\" cannot be compared",
                       tree.path("odd\\name.txt") + ": skipped, a file name holding \"\\\" cannot be compared"}));
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
  // Every clock read is a second later, so every chance to pump is taken; Abort is asked
  // at the first pump after five files were found. With Quick the sixth file's own pump
  // in AddFile asks it, and that file is still stored; read on the spot, the sixth file's
  // read pumps first and the file is skipped.
  struct Case {
    const char* what;
    bool quick;
    std::int32_t stored;
    std::uint32_t found;
  } cases[] = {{"quick", true, 6, 6}, {"read on the spot", false, 5, 5}};
  ChecksumPipeline::SetWorkerCount(0);
  for (const Case& k : cases) {
    settings.Quick = k.quick;
    ui.clearAbort();
    std::uint64_t ticks = 0;
    c.Progress.clock = [&ticks] { return ticks += 1000; };
    ui.onPump = [this] {
      if (c.State.Stats.FilesFound >= 5) ui.requestAbort();
    };
    scan();
    EXPECT_EQ(c.Files.Count(), k.stored) << k.what;
    EXPECT_EQ(c.State.Stats.FilesFound, k.found) << k.what;
  }
  ChecksumPipeline::SetWorkerCount(-1);
}

TEST_F(ScannerTest, TimesBefore1980HaveNoDosTime) {
  // A DOS time cannot hold a moment before 1980: it is 0, never clamped to 1980-01-01, so
  // a 1975 file does not compare "Same" against a member stamped 1980-01-01 00:00:00.
  tree.file("old-1975.txt", "x", 157766400);     // 1975-01-01 00:00:00 UTC
  tree.file("late-1979.txt", "x", 315532799);    // 1979-12-31 23:59:59
  tree.file("first-1980.txt", "x", 315532800);   // 1980-01-01 00:00:00
  scan();
  EXPECT_EQ(c.Files.Find("old-1975.txt")->NewTime, 0u);
  EXPECT_EQ(c.Files.Find("late-1979.txt")->NewTime, 0u);
  const std::uint32_t first1980 = platform::packDosTime({1980, 1, 1, 0, 0, 0});
  EXPECT_EQ(c.Files.Find("first-1980.txt")->NewTime, first1980);

  c.Scan.Path = "old-1975.txt";
  c.Scan.OldTime = first1980, c.Scan.OldSize = 1, c.Scan.OldCRC = c.Files.Find("old-1975.txt")->NewCRC;
  c.Scan.OldAttr = 0x20, c.Scan.OldAlias = -1;
  AddFile(c, Side::Old);
  EXPECT_EQ(c.Files.Find("old-1975.txt")->Status, stIdentical | stOlder);

  EXPECT_EQ(DateTimeText(0, dfUsa), "00/00/1980 00:00:00");
  EXPECT_NE(SnapshotFileLine(1, 0, 0, 0, "old-1975.txt").find("1980/00/00 00:00:00"), std::string::npos);
}

// Every directory a scan enters, with each file's size, in key order.
std::map<std::string, std::uint64_t> sizesOf(Comparison& c) {
  std::map<std::string, std::uint64_t> out;
  for (std::int32_t i = 0; i < c.Files.Count(); ++i) out[std::string(c.Files.ItemAt(i).Path())] = c.Files.ItemAt(i).NewSize;
  return out;
}

TEST_F(ScannerTest, FewDirectoriesHeldOpenGiveTheSameTree) {
  // A branching tree walked while at most two directories stay open: the others are
  // closed on the way down and opened again by name on the way back.
  std::map<std::string, std::uint64_t> expected;
  const std::vector<std::string> branches = {"a", "b", "c"};
  std::vector<std::string> level = {""};
  for (int depth = 0; depth < 4; ++depth) {
    std::vector<std::string> next;
    for (const std::string& dir : level)
      for (const std::string& b : branches) {
        const std::string sub = dir + b + std::to_string(depth) + "/";
        const std::string content(static_cast<std::size_t>(next.size() % 7), 'x');
        tree.file(sub + "f.txt", content);
        std::string held = sub + "f.txt";
        std::replace(held.begin(), held.end(), '/', '\\');
        expected[held] = content.size();
        next.push_back(sub);
      }
    level = next;
  }
  for (int budget : {0, 1, 2, 5}) {
    SetScannerDirectoryBudget(budget);
    scan();
    EXPECT_EQ(sizesOf(c), expected) << "budget " << budget;
    EXPECT_TRUE(c.Problems.Empty()) << "budget " << budget << ": " << c.Problems.Lines().front();
  }
  SetScannerDirectoryBudget(0);
}

// Whether the scan reads files on the spot or ahead on workers.
class DeepTreeTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { ChecksumPipeline::SetWorkerCount(GetParam()); }
  void TearDown() override {
    ChecksumPipeline::SetWorkerCount(-1);
    SetScannerDirectoryBudget(0);
  }
};

TEST_P(DeepTreeTest, PathsLongerThanTheSystemAllowsAreReadToTheLeaf) {
  // 2,000 levels of "ddd/" make paths of 8,000 bytes, twice what a path may be: the
  // differing leaf must be read on both sides and compare "CRC differs".
  test::TempTree fresh("/dev/shm"), old("/dev/shm");
  constexpr int kLevels = 2000;
  fresh.deepFile(kLevels, "ddd", "leaf.txt", "abc");
  old.deepFile(kLevels, "ddd", "leaf.txt", "abd");
  fresh.file("top.txt", "x");
  old.file("top.txt", "x");
  std::string leaf;
  for (int i = 0; i < kLevels; ++i) leaf += "ddd\\";
  leaf += "leaf.txt";

  for (int budget : {0, 64}) {  // the descriptor limit raised as needed, or directories reopened
    SetScannerDirectoryBudget(budget);
    Settings settings;
    test::RecordingUserInterface ui(nullptr);
    Comparison c(settings, ui);
    c.State.SnapshotMode = false;
    ScanDirectoryTree(c, Side::New, fresh.root(), "");
    ScanDirectoryTree(c, Side::Old, old.root(), "");
    EXPECT_TRUE(c.Problems.Empty()) << "budget " << budget << ": " << c.Problems.Lines().front();
    ASSERT_EQ(c.Files.Count(), 2) << "budget " << budget;
    const FileEntry* e = c.Files.Find(leaf);
    ASSERT_NE(e, nullptr) << "budget " << budget;
    EXPECT_EQ(e->Status & (stCrcDiffers | stIdentical), stCrcDiffers) << "budget " << budget;
    EXPECT_EQ(e->NewCRC, ~Crc32UpdateByTable(0xFFFFFFFFu, "abc", 3)) << "budget " << budget;
    EXPECT_EQ(e->NewSize, 3u) << "budget " << budget;
  }
}

INSTANTIATE_TEST_SUITE_P(ReadOnTheSpotOrAhead, DeepTreeTest, ::testing::Values(0, 2),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "Workers"; });

// Root may read anything, so the failures of an ordinary user are met in a child process
// that gives up root: a directory that cannot be opened, one that can be listed but whose
// entries cannot be looked at, and a file that cannot be opened.
TEST_F(ScannerTest, WhatAnOrdinaryUserCannotReadIsNamed) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root, to give it up in a child process";
  tree.file("open.txt", "x");
  tree.file("closed/inside.txt", "x");
  tree.file("listable/inside.txt", "x");
  tree.file("secret.txt", "x");
  tree.chmod("", 0755);
  tree.chmod("closed", 0000);
  tree.chmod("listable", 0644);  // read, but no search
  tree.chmod("secret.txt", 0000);

  int out[2];
  ASSERT_EQ(pipe(out), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(out[0]);
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    ChecksumPipeline::SetWorkerCount(0);
    std::string report;
    for (const std::string& path : scan()) report += "found " + path + "\n";
    for (const std::string& line : c.Problems.Lines()) report += line + "\n";
    report += "skipped " + std::to_string(c.State.Stats.FilesSkipped) + "\n";
    const bool written = write(out[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
    _exit(written ? 0 : 3);
  }
  close(out[1]);
  std::string report;
  char buffer[4096];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;

  std::vector<std::string> lines;
  for (std::size_t at = 0, end; (end = report.find('\n', at)) != std::string::npos; at = end + 1)
    lines.push_back(report.substr(at, end - at));
  std::vector<std::string> expected = {
      "found open.txt",
      "skipped 1",
      tree.path("closed") + ": could not be listed: Permission denied",
      tree.path("listable/inside.txt") + ": attributes could not be read: Permission denied",
      tree.path("secret.txt") + ": skipped, could not be opened: Permission denied",
  };
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(lines, expected);
}

TEST(CaseCollisionTrees, EachPathMeetsItsOwnAndTheRestPairAsTheReferenceSays) {
  // Trees in which names and directories exist in several letter cases on both sides,
  // read in whatever order the file system lists them; contents tell the sides apart.
  std::mt19937 rng(11);
  const char* dirs[] = {"", "src/", "SRC/", "Src/", "src/lib/", "SRC/LIB/", "src/Lib/"};
  const char* names[] = {"a.txt", "A.txt", "A.TXT", "readme", "README", "ReadMe", "x_", "X_"};
  for (int round = 0; round < 6; ++round) {
    test::TempTree fresh, old;
    std::vector<reference::SideFile> newFiles, oldFiles;
    const auto fill = [&](test::TempTree& tree, std::vector<reference::SideFile>& files) {
      std::set<std::string> made;
      for (int i = 0; i < 30; ++i) {
        const std::string path = std::string(dirs[rng() % 7]) + names[rng() % 8];
        if (!made.insert(path).second) continue;
        const std::string content(1 + rng() % 3, 'x');
        tree.file(path, content);
        std::string held = path;
        std::replace(held.begin(), held.end(), '/', '\\');
        files.push_back({held, ~Crc32UpdateByTable(0xFFFFFFFFu, content.data(), content.size())});
      }
    };
    fill(fresh, newFiles);
    fill(old, oldFiles);

    Settings settings;
    settings.CloseProgressDlg = true;
    test::RecordingUserInterface ui(nullptr);
    Comparison c(settings, ui);
    c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
    SetSourceReaders readers;
    ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);

    std::vector<reference::MergedEntry> got;
    for (std::int32_t i = 0; i < c.Files.Count(); ++i) {
      const FileEntry& e = c.Files.ItemAt(i);
      const bool hasNew = !(e.Status & stDeleted), hasOld = !(e.Status & stInserted);
      got.push_back({std::string(e.Path()), hasNew, hasOld, hasNew ? e.NewCRC : 0, hasOld ? e.OldCRC : 0});
      if (hasNew && hasOld) {
        EXPECT_EQ((e.Status & stCrcDiffers) != 0, e.NewCRC != e.OldCRC) << e.Path();
      }
    }
    std::string shown = "new:";
    for (const auto& f : newFiles) shown += " " + f.path;
    shown += "\nold:";
    for (const auto& f : oldFiles) shown += " " + f.path;
    EXPECT_EQ(got, reference::mergeSets(newFiles, oldFiles)) << "round " << round << "\n" << shown;
    EXPECT_EQ(c.State.Stats.NewDuplicates + c.State.Stats.OldDuplicates, 0u) << "round " << round;
  }
}

TEST(CaseCollisionTrees, AChangeToOneOfTwoCaseTwinsIsSeen) {
  test::TempTree fresh, old;
  for (test::TempTree* t : {&fresh, &old}) t->file("A.txt", "same");
  fresh.file("a.txt", "new");
  old.file("a.txt", "old");
  Settings settings;
  settings.CloseProgressDlg = true;
  test::RecordingUserInterface ui(nullptr);
  Comparison c(settings, ui);
  c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
  c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
  SetSourceReaders readers;
  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  ASSERT_EQ(c.Files.Count(), 2);
  EXPECT_EQ(c.Files.Find("A.txt")->Status, stIdentical);
  EXPECT_EQ(c.Files.Find("a.txt")->Status & (stIdentical | stCrcDiffers), stCrcDiffers);
}

}  // namespace
}  // namespace quorvane
