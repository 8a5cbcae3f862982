// Deletions (prompts, read-only files, failures, links) and moves: a move deletes its
// source only after its copy succeeded.
#include <sys/stat.h>
#include <unistd.h>

#include "fileops/fileops_fixture.h"
#include "fileops/prompt_texts.h"

namespace quorvane::test {
namespace {

using fileops::OperationCode;
using fileops::OutcomeCode;
using platform::FileAction;
namespace texts = fileops::texts;

struct DeleteCase {
  const char* name;
  bool confirm;
  bool readOnly;
  Fault removeFault;
  std::vector<FileAction> answers;
  std::vector<std::string_view> prompts;
  OutcomeCode outcome;
  std::string_view word;
  bool deleted;
};

class DeleteCaseTest : public FileOpsTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteCaseTest, PromptsOutcomeWordAndDisk) {
  const DeleteCase& c = GetParam();
  tree.file("old/d/f", "doomed");
  if (c.readOnly) tree.chmod("old/d/f", 0444);
  engine.Options.cbConfirmDelete = c.confirm;
  fs.removeFault = c.removeFault;
  for (FileAction a : c.answers) ui.scriptFileAction(a);
  engine.Options.cbLog = true;
  ASSERT_TRUE(engine.OpenLog(fileops::RunKind::FileOperation));
  startRun();
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteOld, 1, entry("d\\f", 0, 6), false), c.outcome);
  engine.CloseLog(fileops::RunKind::FileOperation);

  const auto asked = ui.fileQuestions();
  ASSERT_EQ(asked.size(), c.prompts.size());
  for (std::size_t i = 0; i < asked.size(); ++i) {
    EXPECT_EQ(asked[i].text, c.prompts[i]) << i;
    EXPECT_EQ(asked[i].path, oldPath("d/f")) << i;
    const bool retry = c.prompts[i] == texts::kDeleteError;
    EXPECT_EQ(asked[i].primaryCaption, retry ? texts::kRetry : texts::kDelete) << i;
    EXPECT_EQ(asked[i].allCaption, retry ? "" : texts::kDeleteAll) << i;
  }
  EXPECT_EQ(pathExists(oldPath("d/f")), !c.deleted);
  if (!c.deleted) {
    EXPECT_EQ(contentsOf(oldPath("d/f")), "doomed");
    struct stat st {};
    stat(oldPath("d/f").c_str(), &st);
    if (c.readOnly && c.outcome == OutcomeCode::Skip) {
      EXPECT_EQ(st.st_mode & 0777, 0444u) << "still read-only";
    }
  }
  EXPECT_NE(logText().find("DEL  " + oldPath("d/f") + " ... " + std::string(c.word) + "\r\n"), std::string::npos)
      << logText();
  ASSERT_EQ(status.resultCount(), 1u);
  EXPECT_EQ(status.result(0).DisplayCode, 5);
  EXPECT_EQ(status.Counters().Deleted, c.deleted ? 1u : 0u);
  EXPECT_EQ(status.Counters().Errors, c.deleted ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Deletions, DeleteCaseTest,
    ::testing::Values(
        DeleteCase{"Confirmed", true, false, {}, {FileAction::Primary}, {texts::kConfirmDelete}, OutcomeCode::Ok,
                   texts::kWordOk, true},
        DeleteCase{"SkippedAtTheConfirmation", true, false, {}, {FileAction::Skip}, {texts::kConfirmDelete},
                   OutcomeCode::Skip, texts::kWordSkipped, false},
        DeleteCase{"AbortedAtTheConfirmation", true, false, {}, {FileAction::Abort}, {texts::kConfirmDelete},
                   OutcomeCode::Abort, texts::kWordAborted, false},
        DeleteCase{"ReadOnlySkipped", false, true, {}, {FileAction::Skip}, {texts::kDeleteReadOnly},
                   OutcomeCode::Skip, texts::kWordSkipped, false},
        DeleteCase{"ReadOnlyDeleted", true, true, {}, {FileAction::Primary, FileAction::Primary},
                   {texts::kConfirmDelete, texts::kDeleteReadOnly}, OutcomeCode::Ok, texts::kWordOk, true},
        DeleteCase{"FailureSkipped", false, false, Fault{-1, EBUSY}, {FileAction::Skip}, {texts::kDeleteError},
                   OutcomeCode::LfnError, texts::kWordError, false},
        DeleteCase{"FailureRetried", false, false, Fault{1, EBUSY}, {FileAction::Primary}, {texts::kDeleteError},
                   OutcomeCode::Ok, texts::kWordOk, true},
        DeleteCase{"FailureAborted", false, false, Fault{-1, EPERM}, {FileAction::Abort}, {texts::kDeleteError},
                   OutcomeCode::Abort, texts::kWordAborted, false}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST_F(FileOpsTest, DeleteAllAndSkipAllHoldForTheRestOfTheRun) {
  engine.Options.cbConfirmDelete = true;
  for (const char* name : {"a", "b", "c", "d"}) tree.file(std::string("new/") + name, name);
  tree.chmod("new/c", 0444);
  tree.chmod("new/d", 0444);
  ui.scriptFileAction(FileAction::All);      // "Delete a&ll" on a's confirmation
  ui.scriptFileAction(FileAction::SkipAll);  // "Skip &all" on c's read-only prompt
  startRun(1, 4);
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 1, entry("a"), false), OutcomeCode::Ok);
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 2, entry("b"), false), OutcomeCode::Ok);
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 3, entry("c"), false), OutcomeCode::Skip);
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 4, entry("d"), false), OutcomeCode::Skip);
  EXPECT_EQ(ui.fileQuestions().size(), 2u);
  EXPECT_FALSE(pathExists(newPath("a")));
  EXPECT_FALSE(pathExists(newPath("b")));
  EXPECT_TRUE(pathExists(newPath("c")));
  EXPECT_TRUE(pathExists(newPath("d")));
}

TEST_F(FileOpsTest, ASymlinkIsDeletedItselfNeverItsTarget) {
  tree.file("outside/target.txt", "keep me");
  tree.symlink(tree.path("outside/target.txt"), "new/link.txt");
  startRun();
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 1, entry("link.txt", 7), false), OutcomeCode::Ok);
  EXPECT_FALSE(pathExists(newPath("link.txt")));
  EXPECT_EQ(contentsOf(tree.path("outside/target.txt")), "keep me");
}

TEST_F(FileOpsTest, ADirectoryInTheFilesPlaceIsNeverRemoved) {
  tree.dir("new/sub");
  tree.file("new/sub/inner", "x");
  startRun();
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 1, entry("sub"), false), OutcomeCode::LfnError);
  EXPECT_EQ(contentsOf(newPath("sub/inner")), "x");
  ASSERT_EQ(ui.fileQuestions().size(), 1u);
  EXPECT_EQ(ui.fileQuestions()[0].text, texts::kDeleteError);
}

TEST_F(FileOpsTest, AMoveDeletesItsSourceAfterTheCopyAndReportsOnce) {
  tree.file("new/m.txt", "moving");
  engine.Options.cbLog = true;
  ASSERT_TRUE(engine.OpenLog(fileops::RunKind::Synchronization));
  startRun();
  const FileEntry& e = entry("m.txt", 6);
  ASSERT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, e, true), OutcomeCode::Ok);
  EXPECT_EQ(status.resultCount(), 0u) << "the deletion reports both halves";
  EXPECT_EQ(engine.DeleteEntry(OperationCode::CopyNewToOld, 1, e, true), OutcomeCode::Ok);
  engine.CloseLog(fileops::RunKind::Synchronization);
  EXPECT_FALSE(pathExists(newPath("m.txt")));
  EXPECT_EQ(contentsOf(oldPath("m.txt")), "moving");
  ASSERT_EQ(status.resultCount(), 1u);
  EXPECT_EQ(status.result(0).DisplayCode, 4);
  EXPECT_EQ(status.LStatus(), "DELETING m.txt");
  const std::string log = logText();
  EXPECT_NE(log.find("\r\nMOVE " + newPath("m.txt") + " >> " + tree.path("old/") + " ... OK\r\n"), std::string::npos)
      << log;
  EXPECT_EQ(log.find("DEL  "), std::string::npos) << log;
}

TEST_F(FileOpsTest, AMoveWhoseCopyWasSkippedKeepsItsSource) {
  engine.Options.cbConfirmReplace = true;
  tree.file("new/m.txt", "new");
  tree.file("old/m.txt", "old");
  ui.scriptFileAction(FileAction::Skip);
  engine.Options.cbLog = true;
  ASSERT_TRUE(engine.OpenLog(fileops::RunKind::Synchronization));
  startRun();
  const FileEntry& e = entry("m.txt", 3, 3);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, e, true), OutcomeCode::Skip);
  // A driver that goes on to the deletion anyway is refused.
  EXPECT_EQ(engine.DeleteEntry(OperationCode::CopyNewToOld, 1, e, true), OutcomeCode::Skip);
  engine.CloseLog(fileops::RunKind::Synchronization);
  EXPECT_EQ(contentsOf(newPath("m.txt")), "new");
  EXPECT_EQ(contentsOf(oldPath("m.txt")), "old");
  EXPECT_EQ(fs.removes, 0);
  ASSERT_EQ(status.resultCount(), 1u);
  EXPECT_EQ(status.result(0).DisplayCode, 0);
  EXPECT_NE(logText().find("MOVE " + newPath("m.txt") + " >> " + tree.path("old/") + " ... SKIPPED\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace quorvane::test
