#include "engine/run_comparison.h"

#include <gtest/gtest.h>

#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "sources/set_readers.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

class ComparisonRunTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  ComparisonRunTest() : ComparisonFixture(nullptr) {
    settings.CloseProgressDlg = true;
    c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
  }

  RunOutcome run() { return RunComparison(c, readers); }
  std::uint16_t status(const std::string& path) {
    const FileEntry* e = c.Files.Find(path);
    return e ? e->Status : 0xFFFF;
  }

  test::TempTree fresh, old;
  SetSourceReaders readers;
};

TEST_F(ComparisonRunTest, TwoTreesGiveEveryStatusBySizeAndTime) {
  settings.Quick = true;  // sizes and times only
  constexpr std::int64_t T = 1700000000;
  fresh.file("same.txt", "abc", T);
  old.file("SAME.TXT", "abc", T);
  fresh.file("sub/newer.txt", "abc", T + 2);
  old.file("sub/newer.txt", "abc", T);
  fresh.file("sub/smaller.txt", "ab", T);
  old.file("sub/smaller.txt", "abc", T);
  fresh.file("content.txt", "abc", T);
  old.file("content.txt", "xyz", T);  // same size and time: identical without checksums
  fresh.file("inserted.txt", "x");
  old.file("deleted/gone.txt", "x");

  ASSERT_EQ(run(), RunOutcome::Completed);
  EXPECT_EQ(c.Files.Count(), 6);
  EXPECT_EQ(status("same.txt"), stIdentical);
  EXPECT_EQ(status("content.txt"), stIdentical);
  EXPECT_EQ(status("sub\\newer.txt"), stNewer);
  EXPECT_EQ(status("sub\\smaller.txt"), stSmaller);
  EXPECT_EQ(status("inserted.txt"), stInserted);
  EXPECT_EQ(status("deleted\\gone.txt"), stDeleted);
  EXPECT_EQ(c.State.Stats.FilesFound, 10u);
  EXPECT_EQ(c.State.Stats.BytesRead, 12 + 13);  // without checksums the sizes count as read
  EXPECT_EQ(c.Display.Count(), 6);
  EXPECT_TRUE(c.State.DiffInMemory);
  EXPECT_FALSE(c.State.ResultsSaved);
  EXPECT_TRUE(c.State.Commands.Synchronize);
  EXPECT_FALSE(c.State.Commands.Diff);
  EXPECT_EQ(ui.statuses(), (std::vector<std::string>{"Idle", "Scanning NEW set of files   ", "Scanning OLD set of files   ",
                                                     "Applying filter and sorting", "Operation complete"}));
}

TEST_F(ComparisonRunTest, MissingSetAsksAbortOrRetry) {
  c.State.OldSet.Root = old.root() + "missing/";
  ui.scriptAnswer(platform::Answer::Retry);
  ui.scriptAnswer(platform::Answer::Abort);
  EXPECT_EQ(run(), RunOutcome::Aborted);
  ASSERT_EQ(ui.asked().size(), 2u);
  EXPECT_EQ(ui.asked()[0].text, "Please select an option :\rError for OLD directory (does not exist ?) :\r" + old.root() + "missing/");
  EXPECT_EQ(ui.asked()[0].buttons, platform::MessageButtons::AbortRetry);
  EXPECT_EQ(c.Files.Count(), 0);
}

TEST_F(ComparisonRunTest, ValidationMessagesOfEachKind) {
  struct Case {
    SetKind kind;
    std::string root;
    std::string message;
  } cases[] = {
      {SetKind::Snapshot, "/nonexistent/s.snp", "Error opening NEW Snapshot :\r\n/nonexistent/s.snp"},
      {SetKind::Snapshot, fresh.path("bad.snp"), "Can't find Snapshot header ([Pelto LIST]/[Quorvane Snapshot]) in first line"},
      {SetKind::Snapshot, fresh.root(), "Error opening NEW Snapshot :\r\n" + fresh.root()},
      {SetKind::Zip, "/nonexistent/a.zip", "Error opening NEW archive : /nonexistent/a.zip"},
      {SetKind::Directory, "/nonexistent/", "Error for NEW directory (does not exist ?) :\r/nonexistent/"},
  };
  fresh.file("bad.snp", "[Quorvane Snapshot] \r\n");  // trailing blank: not the header
  for (const Case& k : cases) {
    c.State.NewSet = {k.kind, k.root, ChecksumKind::Crc32};
    EXPECT_EQ(SetValidationError(c, Side::New), k.message) << "kind " << setKindName(k.kind) << " root " << k.root;
  }
  fresh.file("good.snp", "[Pelto LIST]\r\nrest");
  c.State.NewSet = {SetKind::Snapshot, fresh.path("good.snp"), ChecksumKind::Crc32};
  EXPECT_EQ(SetValidationError(c, Side::New), "");
}

TEST_F(ComparisonRunTest, AbortWhileReadingTheOldSetLeavesAnEmptyList) {
  for (int i = 0; i < 20; ++i) {
    fresh.file("f" + std::to_string(i), "x");
    old.file("f" + std::to_string(i), "x");
  }
  std::uint64_t ticks = 0;
  c.Progress.clock = [&ticks] { return ticks += 1000; };
  ui.onPump = [this] {
    if (c.State.Stats.FilesFound >= 25) ui.requestAbort();
  };
  EXPECT_EQ(run(), RunOutcome::Aborted);
  EXPECT_EQ(c.Files.Count(), 0);
  EXPECT_EQ(c.Display.Count(), 0);
  EXPECT_FALSE(c.State.DiffInMemory);
}

TEST_F(ComparisonRunTest, ReaderErrorStopsTheRunWithItsMessage) {
  fresh.file("a", "x");
  old.file("s.snp", "[Quorvane Snapshot]\r\n");
  c.State.OldSet = {SetKind::Lha, old.path("s.snp"), ChecksumKind::Crc32};
  EXPECT_EQ(run(), RunOutcome::Failed);
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Error);
  EXPECT_EQ(c.Files.Count(), 1);  // what was added so far stays
}

TEST_F(ComparisonRunTest, ChecksumKindsThatDifferSwitchQuickOn) {
  fresh.file("a", "x");
  old.file("a", "x");
  c.State.NewSet.Checksum = ChecksumKind::Crc32;
  c.State.OldSet.Checksum = ChecksumKind::Crc16;
  ASSERT_EQ(run(), RunOutcome::Completed);
  EXPECT_TRUE(settings.Quick);
  EXPECT_EQ(c.State.CurrentChecksumKind, ChecksumKind::None);
}

TEST_F(ComparisonRunTest, PauseAsksBeforeEachSetAndStatusWindowShowsTotals) {
  fresh.file("a", "x");
  old.file("a", "x");
  old.file("b", "x");
  settings.Pause = true;
  settings.ShowStatusDlg = true;
  settings.CloseProgressDlg = false;
  ASSERT_EQ(run(), RunOutcome::Completed);
  ASSERT_EQ(ui.asked().size(), 2u);
  EXPECT_EQ(ui.asked()[0].text, "Click OK before reading " + fresh.root());
  EXPECT_EQ(ui.asked()[1].text, "Click OK before reading " + old.root());
  EXPECT_TRUE(ui.modalProgressShown());
  ASSERT_TRUE(ui.statusWindowShown());
  EXPECT_EQ(ui.lastSummary().filesCompared, 3u);
  EXPECT_EQ(ui.lastSummary().shownCounts[3], 1u);  // one Deleted
}

}  // namespace
}  // namespace quorvane
