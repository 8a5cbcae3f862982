// A snapshot of a Linux tree holds its names byte for byte: names that are no UTF-8, and
// names ending with blanks or dots, compare the same against the tree they came from.
#include <gtest/gtest.h>

#include "engine/run_comparison.h"
#include "support/recording_user_interface.h"
#include "reports/set_listing.h"
#include "sources/set_readers.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

TEST(SnapshotLinuxNames, ATreeComparesTheSameAgainstItsOwnSnapshot) {
  test::TempTree tree, out;
  const char* const names[] = {
      "caf\xE9.txt",              // Latin-1, no UTF-8
      "\x84\x94 cp437 bytes",      // would decode as CP437
      "trailing blank ",
      "trailing dots..",
      "dir. /inner .",            // a directory whose name ends with a dot
      "plain.txt",
  };
  for (const char* name : names) tree.file(name, std::string("content of ") + name, 1700000000);
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
  Comparison c(settings, ui);
  c.State.NewSet = {SetKind::Directory, tree.root(), ChecksumKind::Crc32};
  c.State.OldSet = {SetKind::Snapshot, snapshot, ChecksumKind::Crc32};
  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  EXPECT_EQ(c.Files.Count(), 6);
  for (std::int32_t i = 0; i < c.Files.Count(); ++i)
    EXPECT_EQ(c.Files.ItemAt(i).Status, stIdentical) << c.Files.ItemAt(i).Path();
  EXPECT_TRUE(c.Problems.Empty());
}

}  // namespace
}  // namespace quorvane
