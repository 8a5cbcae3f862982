// A tree's snapshot, taken and written, then compared as the Old set with the tree as
// it changed afterwards: every status comes from the listing's sizes, times and CRC-32s.
#include <gtest/gtest.h>

#include "engine/run_comparison.h"
#include "support/recording_user_interface.h"
#include "reports/set_listing.h"
#include "sources/set_readers.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

TEST(SnapshotCompare, ATreeAgainstItsEarlierSnapshot) {
  test::TempTree tree, out;
  constexpr std::int64_t T = 1700000001;  // an odd second: the listing holds the even one below
  tree.file("same.txt", "unchanged", T);
  tree.file("content.txt", "before", T);
  tree.file("sub/touched.txt", "abc", T);
  tree.file("sub/gone.txt", "bye", T);
  Settings settings;
  settings.CloseProgressDlg = true;
  settings.AutoMode = true;
  test::RecordingUserInterface ui(nullptr);
  SetSourceReaders readers;
  const std::string snapshot = out.path("tree.snp");
  {
    Comparison take(settings, ui);
    take.State.SnapshotMode = true;
    take.State.NewSet = {SetKind::Directory, tree.root(), ChecksumKind::Crc32};
    ASSERT_EQ(RunComparison(take, readers), RunOutcome::Completed);
    ASSERT_EQ(WriteSetListing(take, snapshot, ListingKind::NewSnapshot), ListingOutcome::Complete);
  }
  tree.file("content.txt", "after!", T);  // same size and time, other bytes
  tree.file("sub/touched.txt", "abc", T + 10);
  tree.file("sub/new.txt", "hello", T);
  std::remove(tree.path("sub/gone.txt").c_str());

  Comparison c(settings, ui);
  c.State.NewSet = {SetKind::Directory, tree.root(), ChecksumKind::Crc32};
  c.State.OldSet = {SetKind::Snapshot, snapshot, ChecksumKind::Crc32};
  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  const auto status = [&](const char* path) {
    const FileEntry* e = c.Files.Find(path);
    return e ? e->Status : 0xFFFF;
  };
  EXPECT_EQ(status("same.txt"), stIdentical);
  EXPECT_EQ(status("content.txt"), stCrcDiffers);
  EXPECT_EQ(status("sub\\touched.txt"), stNewer);
  EXPECT_EQ(status("sub\\new.txt"), stInserted);
  EXPECT_EQ(status("sub\\gone.txt"), stDeleted);
  EXPECT_EQ(c.Files.Count(), 5);
}

}  // namespace
}  // namespace quorvane
