// A simulation run changes nothing on disk; the Linux forms of links, FIFOs, hidden and
// read-only files.
#include <sys/stat.h>

#include "fileops/fileops_fixture.h"
#include "fileops/prompt_texts.h"

namespace quorvane::test {
namespace {

using fileops::OperationCode;
using fileops::OutcomeCode;
using platform::FileAction;
namespace texts = fileops::texts;

TEST_F(FileOpsTest, ASimulationChangesNothingOnDiskAndCountsOnlyDeletions) {
  engine.Options.cbConfirmReplace = true;
  engine.Options.cbConfirmDelete = true;
  engine.Options.cbConfirmCreateDir = true;
  engine.Options.cbLog = true;
  tree.file("new/a.txt", patternBytes(200'000, 1), 1'600'000'000);
  tree.file("new/deep/er/b.txt", "b", 1'600'000'001);
  tree.file("old/a.txt", "old a", 1'500'000'000);
  tree.file("old/c.txt", "c", 1'500'000'002);
  tree.chmod("old/a.txt", 0444);
  status.setSlowSimulation(false);
  const auto before = manifestOf(tree.path(""), true);
  ASSERT_TRUE(engine.OpenLog(fileops::RunKind::Synchronization));
  startRun(1, 4, true);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a.txt", 200'000, 5), false), OutcomeCode::Ok);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 2, entry("deep\\er\\b.txt", 1), true), OutcomeCode::Ok);
  EXPECT_EQ(engine.DeleteEntry(OperationCode::CopyNewToOld, 2, entry("deep\\er\\b.txt", 1), true), OutcomeCode::Ok);
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteOld, 3, entry("c.txt", 0, 1), false), OutcomeCode::Ok);
  engine.CloseLog(fileops::RunKind::Synchronization);
  EXPECT_TRUE(ui.questions().empty()) << "a simulation asks nothing";
  EXPECT_EQ(status.Counters().Created, 0u);
  EXPECT_EQ(status.Counters().Replaced, 0u);
  EXPECT_EQ(status.Counters().Deleted, 2u);
  EXPECT_EQ(status.Counters().Errors, 0u);
  EXPECT_EQ(fs.sourceOpens, 0);
  EXPECT_FALSE(engine.Answers().FilesChanged);
  ASSERT_EQ(status.resultCount(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(status.resultCaption(i), std::string("Simulation Ok"));
  auto after = manifestOf(tree.path(""), true);
  after.erase(tree.path("run.log"));
  EXPECT_EQ(after, before);
  const std::string log = logText();
  EXPECT_NE(log.find("COPY " + newPath("a.txt") + " >> " + tree.path("old/") + " ... OK (simulation)\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("MOVE " + newPath("deep/er/b.txt") + " >> " + tree.path("old/") + " ... OK (simulation)\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("DEL  " + oldPath("c.txt") + " ... OK (simulation)\r\n"), std::string::npos);
}

TEST_F(FileOpsTest, SlowSimulationStepsThroughTheSourceAndStopsWhenUnticked) {
  tree.file("new/a", patternBytes(10 * fileops::kCopyBufferSize, 2));
  int pumps = 0;
  ui.onPump = [&] {
    if (++pumps == 20) status.setSlowSimulation(false);
  };
  const auto before = manifestOf(tree.path(""), true);
  startRun(1, 1, true);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 10 * fileops::kCopyBufferSize), false),
            OutcomeCode::Ok);
  EXPECT_GE(pumps, 20);
  EXPECT_EQ(manifestOf(tree.path(""), true), before);
}

TEST_F(FileOpsTest, AbortStopsASlowSimulation) {
  tree.file("new/a", patternBytes(100 * fileops::kCopyBufferSize, 2));
  int pumps = 0;
  ui.onPump = [&] {
    if (++pumps == 10) ui.requestAbort();
  };
  startRun(1, 1, true);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 100 * fileops::kCopyBufferSize), false),
            OutcomeCode::Abort);
  EXPECT_LT(pumps, 40) << "the steps stop at the abort";
  EXPECT_EQ(status.resultCaption(0), std::string("Abort"));
}

TEST_F(FileOpsTest, ASymlinkToAFileIsCopiedByItsContent) {
  tree.file("outside/real.txt", "linked content", 1'600'000'000);
  tree.symlink(tree.path("outside/real.txt"), "new/link.txt");
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("link.txt", 14), false), OutcomeCode::Ok);
  struct stat st {};
  ASSERT_EQ(lstat(oldPath("link.txt").c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(contentsOf(oldPath("link.txt")), "linked content");
}

TEST_F(FileOpsTest, ASymlinkAtTheDestinationIsReplacedAndItsTargetLeftAlone) {
  tree.file("new/f.txt", "new");
  tree.file("outside/target.txt", "outside the tree");
  tree.symlink(tree.path("outside/target.txt"), "old/f.txt");
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("f.txt", 3, 16), false), OutcomeCode::Ok);
  EXPECT_EQ(contentsOf(oldPath("f.txt")), "new");
  EXPECT_EQ(contentsOf(tree.path("outside/target.txt")), "outside the tree");
}

TEST_F(FileOpsTest, AFifoIsNeverOpened) {
  tree.fifo("new/pipe");
  startRun();
  // Would block for ever if the FIFO were opened for reading without O_NONBLOCK.
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("pipe"), false), OutcomeCode::Skip);
  ASSERT_EQ(ui.fileQuestions().size(), 1u);
  EXPECT_EQ(ui.fileQuestions()[0].text, texts::kOpenSourceError);
  EXPECT_FALSE(pathExists(oldPath("pipe")));
}

TEST_F(FileOpsTest, AHiddenReadOnlyDestinationIsReplacedWithTheSourcesBits) {
  tree.file("new/.rc", "new rc");
  tree.chmod("new/.rc", 0640);
  tree.file("old/.rc", "old rc");
  tree.chmod("old/.rc", 0400);
  engine.Options.cbIgnoreReadOnly = true;  // "Ignore ReadOnly attribute": no prompt
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry(".rc", 6, 6), false), OutcomeCode::Ok);
  EXPECT_TRUE(ui.questions().empty());
  struct stat st {};
  ASSERT_EQ(stat(oldPath(".rc").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(contentsOf(oldPath(".rc")), "new rc");
}

TEST_F(FileOpsTest, TheCopyKeepsTheSourcesTimeAndAddsTheOwnersWriteBit) {
  tree.file("new/ro", "read only source", 1'234'567'890);
  tree.chmod("new/ro", 0444);
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("ro", 16), false), OutcomeCode::Ok);
  struct stat st {};
  ASSERT_EQ(stat(oldPath("ro").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
  EXPECT_EQ(st.st_mtim.tv_sec, 1'234'567'890);
}

TEST_F(FileOpsTest, ADirectoryAtTheDestinationIsNeverReplaced) {
  tree.file("new/x", "file");
  tree.file("old/x/inside", "kept");
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("x", 4), false), OutcomeCode::Skip);
  ASSERT_EQ(ui.fileQuestions().size(), 1u);
  EXPECT_EQ(ui.fileQuestions()[0].text, texts::kOpenDestinationError);
  EXPECT_EQ(contentsOf(oldPath("x/inside")), "kept");
}

}  // namespace
}  // namespace quorvane::test
