// "&File operations...": the side from the selection, the target checks and the operation
// they lead to, copies, moves and deletions of one side, and the saved keys and history.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "program/file_commands_fixture.h"
#include "program/file_op_target.h"

namespace quorvane {
namespace {

using platform::DialogChoice;

constexpr std::int64_t kT0 = 1700000000;

class FileOpTest : public ::testing::Test, public test::FileCommandsFixture {
 protected:
  void SetUp() override {
    t->file("new/same.txt", "same", kT0);
    t->file("old/same.txt", "same", kT0);
    t->file("new/newer.txt", "new newer", kT0 + 100);
    t->file("old/newer.txt", "old", kT0);
    t->file("new/sub/added.txt", "added", kT0);
    t->file("old/gone.txt", "gone", kT0);
    t->dir("elsewhere");
    compare();
  }

  // A dialog step: action, target, all rows, no confirmations.
  static test::RecordingUserInterface::FileOpDialogStep step(FileOpAction action, std::string target,
                                                             DialogChoice choice = DialogChoice::Run) {
    return [=](FileOpDialogModel& m) {
      m.Action = action;
      m.cbTo = target;
      m.rbAll = true;
      m.Options->cbConfirmDelete = false;
      m.Options->cbConfirmReplace = false;
      return choice;
    };
  }
  GridRect newColumns() const { return {1, 1, 3, rows()}; }
  GridRect oldColumns() const { return {5, 1, 7, rows()}; }
  std::string at(const std::string& relative) const { return test::contentsOfPath(t->path(relative)); }
  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (const auto& a : ui.asked()) all.push_back(a.text);
    return all;
  }
};

TEST_F(FileOpTest, TheSelectionMustLieOnOneSide) {
  for (const GridRect& r : {GridRect{1, 1, 7, 2}, GridRect{3, 1, 5, 2}, GridRect{0, 1, 2, 2}, GridRect{4, 1, 4, 1}}) {
    SCOPED_TRACE(std::to_string(r.Left) + ".." + std::to_string(r.Right));
    test::FileCommandsFixture f;
    f.compare();
    f.t->file("new/a.txt", "a");
    f.compareAgain();
    FileOperations(*f.commands, r);
    EXPECT_EQ(f.ui.fileOpDialogShows(), 0);
    ASSERT_FALSE(f.ui.asked().empty());
    EXPECT_EQ(f.ui.asked().back().text, "You must select either the NEW file or the OLD file column");
  }
}

TEST_F(FileOpTest, TheSideMustBeADirectory) {
  program.comparison.State.OldSet.Kind = SetKind::Zip;
  FileOperations(*commands, oldColumns());
  EXPECT_EQ(ui.fileOpDialogShows(), 0);
  EXPECT_EQ(texts().back(), "The OLD set is not a directory.\rCan't perform file operations on it.");
  FileOperations(*commands, newColumns());
  EXPECT_EQ(ui.fileOpDialogShows(), 1) << "the New side is a directory";
  EXPECT_EQ(commands->fileOp.LFrom, t->path("new/"));
  EXPECT_EQ(commands->fileOp.cbTo, "") << "the other set is no directory: no target proposed";
}

TEST_F(FileOpTest, TheDialogShowsTheSideAndItsFiles) {
  FileOperations(*commands, newColumns());
  const FileOpDialogModel& m = commands->fileOp;
  EXPECT_EQ(m.LFrom, t->path("new/"));
  EXPECT_EQ(m.cbTo, t->path("old/"));
  EXPECT_EQ(m.LSelected, std::to_string(rows()) + " files of " + std::to_string(rows()));
  std::vector<std::string> preview = m.LFileList;
  std::sort(preview.begin(), preview.end());
  EXPECT_EQ(preview, (std::vector<std::string>{"newer.txt...", "same.txt...", "sub\\added.txt..."}))
      << "gone.txt has no New file";
}

struct TargetCase {
  const char* name;
  std::string target;
  std::string error;
};

TEST_F(FileOpTest, RefusedTargetsShowTheirMessageAndTheDialogAgain) {
  t->file("a-file", "x");
  std::string upperNew = t->path("new/");
  std::transform(upperNew.begin(), upperNew.end(), upperNew.begin(), [](unsigned char ch) { return std::toupper(ch); });
  const std::vector<TargetCase> cases = {
      {"empty", "", "You must specify a target directory"},
      {"relative", "old", "Target directory must be an absolute path"},
      {"a file", t->path("a-file"), "Target directory doesn't exist"},
      {"below a file", t->path("a-file/sub/dir"), "Target directory doesn't exist"},
      {"the source", t->path("new"), "Destination directory is the same as the Source directory"},
      {"the source, other case", upperNew, "Destination directory is the same as the Source directory"},
      {"the source, dotted", t->path("old/../new/./"), "Destination directory is the same as the Source directory"},
      {"inside the source", t->path("new/sub"), "Destination directory is inside the Source directory"},
  };
  for (const TargetCase& c : cases) {
    for (FileOpAction action : {FileOpAction::Copy, FileOpAction::Move}) {
      SCOPED_TRACE(std::string(c.name) + " " + FileOpDialogModel::ActionName(action));
      const test::Manifest before = test::manifestOf(t->root());
      const std::size_t asked = ui.asked().size();
      const int shows = ui.fileOpDialogShows();
      ui.scriptFileOpDialog(step(action, c.target));
      bool again = false;
      ui.scriptFileOpDialog([&](FileOpDialogModel&) {
        again = true;
        return DialogChoice::Cancel;
      });
      FileOperations(*commands, newColumns());
      EXPECT_TRUE(again);
      EXPECT_EQ(ui.fileOpDialogShows(), shows + 2);
      ASSERT_EQ(ui.asked().size(), asked + 1);
      EXPECT_EQ(ui.asked().back().text, c.error);
      EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Error);
      EXPECT_EQ(test::manifestOf(t->root()), before);
    }
  }
}

TEST_F(FileOpTest, TheOldSetInAnotherLetterCaseIsTheOldSet) {
  // Only the last part's case differs, so the path's parent exists.
  std::string target = t->path("OLD");
  ui.scriptFileOpDialog(step(FileOpAction::Copy, target));
  FileOperations(*commands, newColumns());
  EXPECT_EQ(at("old/sub/added.txt"), "added") << "copied into the Old set, code 0";
  EXPECT_EQ(at("old/newer.txt"), "new newer");
  EXPECT_FALSE(std::filesystem::exists(t->path("OLD"))) << "no second tree made";
}

TEST_F(FileOpTest, ACopyToAnotherDirectoryKeepsThePathsAndTheHistory) {
  const std::string target = t->path("elsewhere/deeper");  // made by the copy
  ui.scriptFileOpDialog(step(FileOpAction::Copy, target + "/"));
  FileOperations(*commands, newColumns());
  EXPECT_EQ(at("elsewhere/deeper/sub/added.txt"), "added");
  EXPECT_EQ(at("elsewhere/deeper/newer.txt"), "new newer");
  EXPECT_EQ(at("elsewhere/deeper/gone.txt"), "<missing>") << "no New file";
  EXPECT_EQ(at("new/newer.txt"), "new newer") << "a copy keeps its source";
  EXPECT_EQ(commands->fileOp.History, std::vector<std::string>{target + "/"});
  EXPECT_EQ(program.settings.History.DestDirs, std::vector<std::string>{target + "/"});

  // The next run saves the list as it stood before that run.
  ui.scriptFileOpDialog(step(FileOpAction::Copy, t->path("elsewhere"), DialogChoice::Simulate));
  ui.scriptFileOpDialog([](FileOpDialogModel& m) {
    m.cbSaveAsDefault = true;
    m.rbAll = true;
    return DialogChoice::Cancel;
  });
  FileOperations(*commands, newColumns());
  EXPECT_NE(ini.read().find("DestDir0=" + target + "/"), std::string::npos) << ini.read();
  EXPECT_EQ(commands->fileOp.History.front(), t->path("elsewhere/"));
  EXPECT_NE(ini.read().find("[FileOp]"), std::string::npos);
}

TEST_F(FileOpTest, AMoveDeletesItsSourceOnlyAfterItsCopy) {
  ui.scriptFileOpDialog([&](FileOpDialogModel& m) {
    m.Action = FileOpAction::Move;
    m.cbTo = t->path("old");
    m.rbAll = true;
    m.Options->cbConfirmDelete = false;
    m.Options->cbConfirmReplace = true;
    return DialogChoice::Run;
  });
  // Every overwrite prompt (same.txt and newer.txt exist in Old) is skipped.
  ui.scriptFileAction(platform::FileAction::Skip);
  ui.scriptFileAction(platform::FileAction::Skip);
  FileOperations(*commands, newColumns());
  EXPECT_EQ(at("new/newer.txt"), "new newer") << "skipped copy: the source stays";
  EXPECT_EQ(at("old/newer.txt"), "old");
  EXPECT_EQ(at("new/same.txt"), "same");
  EXPECT_EQ(at("new/sub/added.txt"), "<missing>") << "moved";
  EXPECT_EQ(at("old/sub/added.txt"), "added");
}

TEST_F(FileOpTest, DeleteOnTheOldSidePassesOverInsertedEntries) {
  const std::string log = t->path("fileop.log");
  ui.scriptFileOpDialog([&](FileOpDialogModel& m) {
    m.Action = FileOpAction::Delete;
    m.rbAll = true;
    m.Options->cbConfirmDelete = false;
    m.Options->cbLog = true;
    m.Options->edLogFile = log;
    return DialogChoice::Run;
  });
  FileOperations(*commands, oldColumns());
  EXPECT_EQ(test::manifestOf(t->path("old")).size(), 0u);
  EXPECT_EQ(test::manifestOf(t->path("new")).size(), 3u);
  const std::vector<std::string> lines = test::linesOf(log);
  ASSERT_EQ(lines.size(), 3u + 3u) << "header and one line per Old file";
  EXPECT_EQ(lines[1].rfind("File operation started ", 0), 0u);
  EXPECT_EQ(lines[2], std::string(43, '-'));
  for (std::size_t i = 3; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].rfind("DEL  " + t->path("old/"), 0), 0u) << lines[i];
    EXPECT_TRUE(lines[i].ends_with(" ... OK")) << lines[i];
  }
}

TEST_F(FileOpTest, SimulateShowsTheDialogAgainWithNothingChanged) {
  const test::Manifest before = test::manifestOf(t->root());
  ui.scriptFileOpDialog(step(FileOpAction::Move, t->path("elsewhere"), DialogChoice::Simulate));
  FileOpAction shownAction = FileOpAction::Copy;
  ui.scriptFileOpDialog([&](FileOpDialogModel& m) {
    shownAction = m.Action;
    EXPECT_EQ(test::manifestOf(t->root()), before);
    return DialogChoice::Cancel;
  });
  FileOperations(*commands, newColumns());
  EXPECT_EQ(ui.fileOpDialogShows(), 2);
  EXPECT_EQ(shownAction, FileOpAction::Move) << "the same choices";
  EXPECT_EQ(test::manifestOf(t->root()), before);
}

TEST_F(FileOpTest, AbortAtAPromptEndsTheRunAndSaysSo) {
  ui.scriptFileOpDialog([&](FileOpDialogModel& m) {
    m.Action = FileOpAction::Delete;
    m.rbAll = true;
    m.Options->cbConfirmDelete = true;
    return DialogChoice::Run;
  });
  ui.scriptFileAction(platform::FileAction::Abort);
  FileOperations(*commands, newColumns());
  const std::vector<std::string> all = texts();
  EXPECT_NE(std::find(all.begin(), all.end(), "File operation aborted"), all.end());
  EXPECT_EQ(test::manifestOf(t->path("new")).size(), 3u) << "nothing deleted";
  std::size_t prompts = 0;
  for (const auto& a : ui.asked()) prompts += a.fileAction ? 1 : 0;
  EXPECT_EQ(prompts, 1u) << "no file after the abort";
}

TEST(FileOpTarget, NormalDirectory) {
  EXPECT_EQ(NormalDirectory("/"), "/");
  EXPECT_EQ(NormalDirectory("/a//b/./c/"), "/a/b/c/");
  EXPECT_EQ(NormalDirectory("/a/b/../c"), "/a/c/");
  EXPECT_EQ(NormalDirectory("/../a"), "/a/");
}

}  // namespace
}  // namespace quorvane
