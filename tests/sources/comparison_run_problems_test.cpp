// The problems a comparison run collects besides its reading: masks refused before it,
// include directories it found nowhere.
#include <gtest/gtest.h>

#include "engine/run_comparison.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "sources/set_readers.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

class ComparisonRunProblemsTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  ComparisonRunProblemsTest() : ComparisonFixture(nullptr) {
    settings.CloseProgressDlg = true;
    c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
    fresh.file("sub/a.txt", "a");
    old.file("sub/a.txt", "a");
  }

  RunOutcome run() { return RunComparison(c, readers); }

  test::TempTree fresh, old;
  SetSourceReaders readers;
};

TEST_F(ComparisonRunProblemsTest, RefusedMasksAreProblemsOfTheNextRunOnly) {
  c.Masks.Refused.push_back({"sub/*.txt", "include wildcard refused"});
  ASSERT_EQ(run(), RunOutcome::Completed);
  EXPECT_EQ(c.Problems.Lines(), std::vector<std::string>{"sub/*.txt: include wildcard refused"});
  EXPECT_TRUE(c.Masks.Refused.empty());
  ASSERT_EQ(run(), RunOutcome::Completed);  // the masks in force since then were not refused
  EXPECT_TRUE(c.Problems.Empty());
}

TEST_F(ComparisonRunProblemsTest, IncludeDirectoriesFoundNowhereAreProblemsOfACompletedRun) {
  c.IncludeDirs.Add("sub");
  c.IncludeDirs.Add("nosuch");
  ASSERT_EQ(run(), RunOutcome::Completed);
  EXPECT_EQ(c.Files.Count(), 1);
  EXPECT_EQ(c.Problems.Lines(), std::vector<std::string>{"nosuch: include directory found in neither set"});

  // A run that does not complete reports no comparison problems.
  c.State.OldSet.Root = old.path("missing/");
  EXPECT_NE(run(), RunOutcome::Completed);
  EXPECT_TRUE(c.Problems.Empty());
}

}  // namespace
}  // namespace quorvane
