// Deleted and replaced files in the trash, the question when no trash can take a file,
// and files changed on disk since the comparison left alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "fileops/fileops_fixture.h"
#include "fileops/prompt_texts.h"
#include "platform/dos_time.h"
#include "platform/trash.h"

namespace quorvane {
namespace {

using fileops::OperationCode;
using fileops::OutcomeCode;
using platform::FileAction;
using test::contentsOf;
using test::FileOpsTest;
using test::pathExists;

constexpr std::int64_t kT0 = 1700000000;

// The home trash inside the test's tree (the tree is on the home trash's file system).
class TreeTrash : public platform::FreedesktopTrash {
 public:
  explicit TreeTrash(std::string home) : home_(std::move(home)) {}
  std::string homeTrash() override { return home_; }

 private:
  std::string home_;
};

// A file system on which no trash can take a file.
class NoTrashFileSystem : public test::FaultyFileSystem {
 public:
  int moveToTrash(const std::string&, std::string* reason) override {
    *reason = "no room";
    return ENOSPC;
  }
  std::unique_ptr<platform::TrashedName> keepInTrash(const std::string&, std::string* reason) override {
    *reason = "no room";
    return nullptr;
  }
};

class TrashTest : public test::FileOpsTest {
 protected:
  TrashTest() {
    fs.setTrash(std::make_shared<TreeTrash>(tree.path("trash")));
    engine.Options.cbUseTrash = true;
  }
  std::string trashFile(const std::string& name) const { return contentsOf(tree.path("trash/files/" + name)); }
  std::string trashInfo(const std::string& name) const {
    return contentsOf(tree.path("trash/info/" + name + ".trashinfo"));
  }
};

TEST_F(TrashTest, ADeletedFileGoesToTheTrashWithItsInfoAndRestoresByIt) {
  tree.file("new/dir one/a.txt", "first bytes");
  startRun();
  EXPECT_TRUE(status.TrashInUse());
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 1, entry("dir one/a.txt", 11), false), OutcomeCode::Ok);
  EXPECT_FALSE(pathExists(newPath("dir one/a.txt")));
  EXPECT_EQ(trashFile("a.txt"), "first bytes");
  EXPECT_EQ(status.Counters().Deleted, 1u);
  const std::string info = trashInfo("a.txt");
  const std::string encoded = platform::TrashPathEncoded(newPath("dir one/a.txt"));
  EXPECT_NE(encoded.find("dir%20one/a.txt"), std::string::npos);
  EXPECT_TRUE(std::regex_match(info, std::regex("\\[Trash Info\\]\nPath=" + encoded +
                                                "\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n")))
      << info;

  // A second a.txt takes another name; each info file restores its own bytes.
  tree.file("new/a.txt", "second bytes");
  EXPECT_EQ(engine.DeleteEntry(OperationCode::DeleteNew, 1, entry("a.txt", 12), false), OutcomeCode::Ok);
  EXPECT_EQ(trashFile("a.2.txt"), "second bytes");
  std::string reason;
  ASSERT_TRUE(platform::RestoreFromTrash(tree.path("trash/info/a.txt.trashinfo"), &reason)) << reason;
  ASSERT_TRUE(platform::RestoreFromTrash(tree.path("trash/info/a.2.txt.trashinfo"), &reason)) << reason;
  EXPECT_EQ(contentsOf(newPath("dir one/a.txt")), "first bytes");
  EXPECT_EQ(contentsOf(newPath("a.txt")), "second bytes");
  EXPECT_FALSE(pathExists(tree.path("trash/info/a.txt.trashinfo")));
}

TEST_F(TrashTest, AReplacedDestinationReachesTheTrashOnlyWhenTheNewCopyIsInPlace) {
  tree.file("new/r.txt", "the new copy");
  tree.file("old/r.txt", "the former file");
  startRun();
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("r.txt", 12, 15), false), OutcomeCode::Ok);
  EXPECT_EQ(contentsOf(oldPath("r.txt")), "the new copy");
  EXPECT_EQ(trashFile("r.txt"), "the former file");
  EXPECT_EQ(status.Counters().Replaced, 1u);

  // The rename fails: the former file keeps its place, and the trash forgets it.
  tree.file("new/s.txt", "another copy");
  tree.file("old/s.txt", "kept");
  fs.commitFault = {-1, EIO};
  ui.scriptFileAction(FileAction::Skip);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("s.txt", 12, 4), false), OutcomeCode::WriteError);
  EXPECT_EQ(contentsOf(oldPath("s.txt")), "kept");
  EXPECT_FALSE(pathExists(tree.path("trash/files/s.txt")));
  EXPECT_FALSE(pathExists(tree.path("trash/info/s.txt.trashinfo")));
}

TEST_F(TrashTest, TheSecondHalfOfAMoveDeletesForGood) {
  tree.file("new/m.txt", "moving");
  startRun();
  ASSERT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("m.txt", 6), true), OutcomeCode::Ok);
  EXPECT_EQ(engine.DeleteEntry(OperationCode::CopyNewToOld, 1, entry("m.txt", 6), true), OutcomeCode::Ok);
  EXPECT_EQ(contentsOf(oldPath("m.txt")), "moving");
  EXPECT_FALSE(pathExists(newPath("m.txt")));
  EXPECT_FALSE(pathExists(tree.path("trash/files/m.txt")));
}

// The question when no trash can take the file, by answer: what becomes of three deletions.
struct FallbackCase {
  const char* name;
  FileAction answer;
  int questions;       // asked for the three files
  bool deleted;        // the files are gone (for good)
  OutcomeCode outcome; // of the first file
};

class TrashFallbackTest : public test::FileOpsTest, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(TrashFallbackTest, AsksWhetherToDeleteForGood) {
  const FallbackCase& c = GetParam();
  NoTrashFileSystem noTrash;
  fileops::FileOperationEngine run{ui, noTrash, status, settings};
  run.Sets = engine.Sets;
  run.Options = engine.Options;
  run.Options.cbUseTrash = true;
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) tree.file(std::string("new/") + name, "x");
  ui.scriptFileAction(c.answer);
  // Later questions get the same answer; after an "all" answer, the opposite one, which
  // would show if they were asked.
  ui.defaultFileAction = c.answer == FileAction::All       ? FileAction::Skip
                         : c.answer == FileAction::SkipAll ? FileAction::Primary
                                                           : c.answer;
  ui.clearAbort();
  run.StartRun(1, 3);
  const OutcomeCode first = run.DeleteEntry(OperationCode::DeleteNew, 1, entry("a.txt", 1), false);
  EXPECT_EQ(first, c.outcome);
  if (c.answer != FileAction::Abort) {
    run.DeleteEntry(OperationCode::DeleteNew, 2, entry("b.txt", 1), false);
    run.DeleteEntry(OperationCode::DeleteNew, 3, entry("c.txt", 1), false);
    EXPECT_EQ(pathExists(newPath("b.txt")), !c.deleted);
  }
  EXPECT_EQ(pathExists(newPath("a.txt")), !c.deleted);
  const auto asked = ui.fileQuestions();
  ASSERT_EQ(static_cast<int>(asked.size()), c.questions);
  EXPECT_EQ(asked[0].text, "Cannot move to the trash : no room. Delete permanently ?");
  EXPECT_EQ(asked[0].path, newPath("a.txt"));
  EXPECT_EQ(asked[0].primaryCaption, "&Delete");
  EXPECT_EQ(asked[0].allCaption, "Delete a&ll");
}

INSTANTIATE_TEST_SUITE_P(Answers, TrashFallbackTest,
                         ::testing::Values(FallbackCase{"Delete", FileAction::Primary, 3, true, OutcomeCode::Ok},
                                           FallbackCase{"DeleteAll", FileAction::All, 1, true, OutcomeCode::Ok},
                                           FallbackCase{"Skip", FileAction::Skip, 3, false, OutcomeCode::Skip},
                                           FallbackCase{"SkipAll", FileAction::SkipAll, 1, false, OutcomeCode::Skip},
                                           FallbackCase{"Abort", FileAction::Abort, 1, false, OutcomeCode::Abort}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileOpsTest, AReplacementNoTrashCanTakeIsSkippedOrDoneForGood) {
  NoTrashFileSystem noTrash;
  fileops::FileOperationEngine run{ui, noTrash, status, settings};
  run.Sets = engine.Sets;
  run.Options = engine.Options;
  run.Options.cbUseTrash = true;
  tree.file("new/r.txt", "new");
  tree.file("old/r.txt", "former");
  ui.scriptFileAction(FileAction::Skip);
  ui.clearAbort();
  run.StartRun(1, 1);
  EXPECT_EQ(run.CopyEntry(OperationCode::CopyNewToOld, 1, entry("r.txt", 3, 6), false), OutcomeCode::Skip);
  EXPECT_EQ(contentsOf(oldPath("r.txt")), "former");
  EXPECT_TRUE(test::stagedFilesUnder(tree.root()).empty());
  EXPECT_EQ(status.Counters().Replaced, 0u);
  ui.scriptFileAction(FileAction::Primary);
  EXPECT_EQ(run.CopyEntry(OperationCode::CopyNewToOld, 1, entry("r.txt", 3, 6), false), OutcomeCode::Ok);
  EXPECT_EQ(contentsOf(oldPath("r.txt")), "new");
}

// Files that changed between the comparison and the run.
struct ChangeCase {
  const char* name;
  bool deletion;       // else a copy over the Old file
  std::uint64_t size;  // what the comparison read of the file
  std::int64_t time;
  bool existedThen;    // the comparison saw the file
  bool leftAlone;
};

class ChangedFileTest : public test::FileOpsTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangedFileTest, IsLeftAloneLoggedSkippedAndCounted) {
  const ChangeCase& c = GetParam();
  tree.file("new/f.txt", "the new file", kT0 + 100);
  tree.file("old/f.txt", "old file", kT0);  // 8 bytes, at kT0
  FileEntry& e = const_cast<FileEntry&>(entry("f.txt", 12, c.size));
  e.NewTime = platform::dosTimeFromUnix(kT0 + 100);
  e.OldTime = platform::dosTimeFromUnix(c.time);
  e.Status = c.existedThen ? stNewer : stInserted;
  engine.Options.leaveChangedFiles = true;
  engine.Options.cbLog = true;
  startRun();
  ASSERT_TRUE(engine.OpenLog(fileops::RunKind::FileOperation));
  const OutcomeCode outcome = c.deletion ? engine.DeleteEntry(OperationCode::DeleteOld, 1, e, false)
                                         : engine.CopyEntry(OperationCode::CopyNewToOld, 1, e, false);
  engine.CloseLog(fileops::RunKind::FileOperation);
  EXPECT_EQ(outcome, c.leftAlone ? OutcomeCode::Skip : OutcomeCode::Ok);
  const std::string oldBytes = contentsOf(oldPath("f.txt"));
  EXPECT_EQ(oldBytes == "old file", c.leftAlone) << oldBytes;
  EXPECT_EQ(status.Counters().Errors, c.leftAlone ? 1u : 0u);
  ASSERT_EQ(status.resultCount(), 1u);
  EXPECT_EQ(status.resultReason(0), c.leftAlone ? "changed on disk since the comparison" : "");
  EXPECT_NE(logText().find(c.leftAlone ? " ... SKIPPED\r\n" : " ... OK\r\n"), std::string::npos) << logText();
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedFileTest,
    ::testing::Values(ChangeCase{"CopyUnchanged", false, 8, kT0, true, false},
                      ChangeCase{"CopyOverAnotherSize", false, 7, kT0, true, true},
                      ChangeCase{"CopyOverAnotherTime", false, 8, kT0 - 60, true, true},
                      ChangeCase{"CopyOverAFileThatAppeared", false, 0, 0, false, true},
                      ChangeCase{"DeleteUnchanged", true, 8, kT0, true, false},
                      ChangeCase{"DeleteAnotherSize", true, 9, kT0, true, true},
                      ChangeCase{"DeleteAnotherTime", true, 8, kT0 + 3600, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane
