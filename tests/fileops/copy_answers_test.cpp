// The prompts of copies across a run: what "all" answers suppress and what they do not,
// chunking of the transfer, directories made with their parents.
#include <sys/stat.h>

#include "fileops/fileops_fixture.h"
#include "fileops/prompt_texts.h"

namespace quorvane::test {
namespace {

using fileops::OperationCode;
using fileops::OutcomeCode;
using platform::FileAction;
namespace texts = fileops::texts;

TEST_F(FileOpsTest, AFileOfOneChunkIsReadTwiceAndCopiedWhole) {
  const std::string bytes = patternBytes(fileops::kCopyBufferSize, 3);
  tree.file("new/a.bin", bytes);
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a.bin", bytes.size()), false), OutcomeCode::Ok);
  EXPECT_EQ(fs.reads, 2) << "the second read returns 0 bytes";
  EXPECT_EQ(contentsOf(oldPath("a.bin")), bytes);
  EXPECT_EQ(status.Counters().Created, 1u);
  EXPECT_EQ(status.Counters().Replaced, 0u);
}

TEST_F(FileOpsTest, EmptyAndOddSizedFilesAreCopiedWhole) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, fileops::kCopyBufferSize - 1,
                                 fileops::kCopyBufferSize + 1, 3 * fileops::kCopyBufferSize}) {
    const std::string name = "f" + std::to_string(size);
    const std::string bytes = patternBytes(size, static_cast<unsigned>(size));
    tree.file("new/" + name, bytes);
    startRun();
    EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry(name, size), false), OutcomeCode::Ok) << size;
    EXPECT_EQ(contentsOf(oldPath(name)), bytes) << size;
  }
}

TEST_F(FileOpsTest, ReplaceAllSuppressesTheOverwritePromptButNotTheReadOnlyPrompt) {
  engine.Options.cbConfirmReplace = true;
  for (const char* name : {"a", "b", "c"}) {
    tree.file(std::string("new/") + name, std::string("new ") + name);
    tree.file(std::string("old/") + name, std::string("old ") + name);
  }
  tree.chmod("old/b", 0444);
  ui.scriptFileAction(FileAction::All);      // "Replace a&ll" on a
  ui.scriptFileAction(FileAction::Primary);  // "&Overwrite" on b
  startRun(1, 3);
  for (const char* name : {"a", "b", "c"}) {
    EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry(name, 5, 5), false), OutcomeCode::Ok) << name;
    EXPECT_EQ(contentsOf(oldPath(name)), std::string("new ") + name);
  }
  const auto asked = ui.fileQuestions();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].text, texts::kDestinationExists);
  EXPECT_EQ(asked[0].path, oldPath("a"));
  EXPECT_EQ(asked[0].primaryCaption, texts::kReplace);
  EXPECT_EQ(asked[0].allCaption, texts::kReplaceAll);
  EXPECT_EQ(asked[1].text, texts::kDestinationReadOnly);
  EXPECT_EQ(asked[1].path, oldPath("b"));
  EXPECT_FALSE(engine.Answers().ConfirmReplace);
  EXPECT_EQ(status.Counters().Replaced, 3u);
}

TEST_F(FileOpsTest, SkipAllOnAReadErrorSkipsLaterReadErrorsWithoutAsking) {
  fs.readFault = Fault{-1, EIO, 0};
  for (const char* name : {"a", "b"}) {
    tree.file(std::string("new/") + name, patternBytes(100'000, 5));
    tree.file(std::string("old/") + name, "former");
  }
  ui.scriptFileAction(FileAction::SkipAll);
  engine.Options.cbLog = true;
  ASSERT_TRUE(engine.OpenLog(fileops::RunKind::FileOperation));
  startRun(1, 2);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 100'000), false), OutcomeCode::ReadError);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 2, entry("b", 100'000), false), OutcomeCode::ReadError);
  engine.CloseLog(fileops::RunKind::FileOperation);
  EXPECT_EQ(ui.fileQuestions().size(), 1u);
  EXPECT_TRUE(engine.Answers().SkipReadErrors);
  for (const char* name : {"a", "b"}) EXPECT_EQ(contentsOf(oldPath(name)), "former") << "never partly written";
  EXPECT_EQ(status.resultCaption(0), std::string("Read error"));
  EXPECT_EQ(status.Counters().Errors, 2u);
  const std::string log = logText();
  EXPECT_NE(log.find(newPath("a") + " >> " + tree.path("old/") + " ... SKIPPED\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(newPath("b") + " >> " + tree.path("old/") + " ... SKIPPED\r\n"), std::string::npos) << log;
}

TEST_F(FileOpsTest, IgnoreBoxesSkipWithoutAsking) {
  engine.Options.cbIgnoreOpenErrors = true;
  engine.Options.cbIgnoreWriteErrors = true;
  fs.openFault = Fault{1, EACCES};
  fs.writeFault = Fault{-1, ENOSPC, 0};
  tree.file("new/a", "a");
  tree.file("new/b", "b");
  startRun(1, 2);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 1), false), OutcomeCode::Skip);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 2, entry("b", 1), false), OutcomeCode::WriteError);
  EXPECT_TRUE(ui.questions().empty());
  EXPECT_FALSE(pathExists(oldPath("a")));
  EXPECT_FALSE(pathExists(oldPath("b")));
  EXPECT_TRUE(stagedFilesUnder(tree.root()).empty());
}

TEST_F(FileOpsTest, SeveralMissingDirectoryLevelsAreMadeAfterOneConfirmation) {
  engine.Options.cbConfirmCreateDir = true;
  tree.file("new/a/b/c/f.txt", "deep");
  ui.scriptFileAction(FileAction::Primary);
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a\\b\\c\\f.txt", 4), false), OutcomeCode::Ok);
  const auto asked = ui.fileQuestions();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, texts::kConfirmCreateDir);
  EXPECT_EQ(asked[0].path, oldPath("a/b/c"));
  EXPECT_EQ(asked[0].primaryCaption, texts::kCreate);
  EXPECT_EQ(asked[0].allCaption, texts::kCreateAll);
  EXPECT_EQ(contentsOf(oldPath("a/b/c/f.txt")), "deep");
  EXPECT_TRUE(engine.Answers().ConfirmCreateDir) << "\"&Create\" answers for this file only";
}

TEST_F(FileOpsTest, SkippingTheDirectoryPromptsMakesNothing) {
  engine.Options.cbConfirmCreateDir = true;
  engine.Options.cbConfirmCreate = true;
  tree.file("new/x/f1", "1");
  tree.file("new/y/f2", "2");
  tree.file("new/z/f3", "3");
  ui.scriptFileAction(FileAction::Primary);  // "&Create" the file f1
  ui.scriptFileAction(FileAction::Skip);     // its directory
  ui.scriptFileAction(FileAction::All);      // "Create a&ll" files from f2 on
  ui.scriptFileAction(FileAction::SkipAll);  // every directory from f2 on
  startRun(1, 3);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("x\\f1", 1), false), OutcomeCode::Skip);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 2, entry("y\\f2", 1), false), OutcomeCode::Skip);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 3, entry("z\\f3", 1), false), OutcomeCode::Skip);
  const auto asked = ui.fileQuestions();
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0].text, texts::kDestinationMissing);
  EXPECT_EQ(asked[0].allCaption, texts::kCreateAll);
  EXPECT_EQ(asked[1].text, texts::kConfirmCreateDir);
  EXPECT_EQ(asked[2].text, texts::kDestinationMissing);
  EXPECT_EQ(asked[3].text, texts::kConfirmCreateDir);
  EXPECT_TRUE(std::filesystem::is_empty(tree.path("old")));
  EXPECT_FALSE(engine.Answers().FilesChanged);
}

TEST_F(FileOpsTest, CopyToATargetDirectoryAddsTheSlashAndKeepsTheTargetInTheRow) {
  tree.file("old/d/f", "old side");
  tree.dir("target");
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyOldToTarget, 1, entry("d\\f", 0, 8), false, tree.path("target")),
            OutcomeCode::Ok);
  EXPECT_EQ(contentsOf(tree.path("target/d/f")), "old side");
  ASSERT_EQ(status.resultCount(), 1u);
  EXPECT_EQ(status.result(0).DisplayCode, 3);
  EXPECT_EQ(status.targetText(status.result(0)), tree.path("target"));
  EXPECT_EQ(status.LDest(), tree.path("target/"));
}

TEST_F(FileOpsTest, AbortDuringTheTransferLeavesTheFormerDestination) {
  tree.file("new/big", patternBytes(40 * fileops::kCopyBufferSize, 9));
  tree.file("old/big", "former");
  // The status window's Abort sets the flag between two chunks.
  fs.beforeRead = [&](std::uint64_t position) {
    if (position >= 3 * fileops::kCopyBufferSize) ui.requestAbort();
  };
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("big", 40 * fileops::kCopyBufferSize), false),
            OutcomeCode::Abort);
  EXPECT_EQ(contentsOf(oldPath("big")), "former");
  EXPECT_TRUE(stagedFilesUnder(tree.root()).empty());
  EXPECT_EQ(status.Counters().Errors, 1u);
}

}  // namespace
}  // namespace quorvane::test

namespace quorvane::test {
namespace {

TEST_F(FileOpsTest, AnEmptyTargetOrSetDirectoryIsNeverTakenForTheRootOrTheWorkingDirectory) {
  tree.file("new/a", "a");
  startRun(1, 3);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToTarget, 1, entry("a", 1), false, ""), OutcomeCode::Skip);
  EXPECT_FALSE(pathExists("/a"));
  engine.Sets.OldDir.clear();
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteOld, 2, entry("a", 1, 1), false), OutcomeCode::Skip);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 3, entry("a", 1), false), OutcomeCode::Skip);
  EXPECT_EQ(fs.sourceOpens + fs.removes + fs.stages, 0);
  EXPECT_EQ(status.Counters().Errors, 3u);
}

}  // namespace
}  // namespace quorvane::test
