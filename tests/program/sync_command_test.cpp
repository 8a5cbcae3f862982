// "&Synchronize directories...": the copies and deletions each kind of entry gets from
// the dialog's boxes, simulation, the saved keys, the log and the end of a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "support/temp_tree.h"
#include "program/file_commands_fixture.h"

namespace quorvane {
namespace {

using platform::DialogChoice;
using B = SyncBox;

constexpr std::int64_t kT0 = 1700000000;  // even seconds: DOS times keep them exactly

// One file of each kind of entry; contents tell where a file came from.
class SyncTest : public ::testing::Test, public test::FileCommandsFixture {
 protected:
  void SetUp() override {
    t->file("new/same.txt", "same", kT0);
    t->file("old/same.txt", "same", kT0);
    t->file("new/newer.txt", "new newer", kT0 + 100);
    t->file("old/newer.txt", "old", kT0);
    t->file("new/older.txt", "new", kT0);
    t->file("old/older.txt", "old older", kT0 + 100);
    t->file("new/touched.txt", "touched", kT0 + 100);  // newer, same bytes
    t->file("old/touched.txt", "touched", kT0);
    t->file("new/other.txt", "NNNN", kT0);  // same time and size, other bytes
    t->file("old/other.txt", "OOOO", kT0);
    t->file("new/sub/added.txt", "added", kT0);
    t->file("old/gone/gone.txt", "gone", kT0);
  }

  // A dialog step: the boxes ticked by clicks, all rows, no confirmations.
  static test::RecordingUserInterface::SyncDialogStep run(std::initializer_list<B> boxes,
                                                          DialogChoice choice = DialogChoice::Run) {
    std::vector<B> list(boxes);
    return [list, choice](SyncDialogModel& m) {
      for (B box : list) m.SetBox(box, true);
      m.rbAll = true;
      m.Options.cbConfirmDelete = false;
      m.Options.cbConfirmReplace = false;
      return choice;
    };
  }

  std::string newFile(const std::string& name) const { return test::contentsOfPath(t->path("new/" + name)); }
  std::string oldFile(const std::string& name) const { return test::contentsOfPath(t->path("old/" + name)); }
};

struct Expect {
  const char* file;    // relative path
  const char* newSide; // its bytes after the run on each side, "<missing>" when gone
  const char* oldSide;
};

struct SyncCase {
  const char* name;
  std::vector<B> boxes;
  bool quick;
  std::vector<Expect> changed;  // every other file keeps both sides as they were
};

TEST_F(SyncTest, EachEntryGetsTheCopiesAndDeletionsOfItsBoxes) {
  const std::vector<SyncCase> cases = {
      {"update Old", {B::cbMatchOld}, false, {{"newer.txt", "new newer", "new newer"}}},
      {"update Old, forced", {B::cbMatchOld, B::cbMatchForce}, false,
       {{"same.txt", "same", "same"},
        {"newer.txt", "new newer", "new newer"},
        {"older.txt", "new", "new"},
        {"touched.txt", "touched", "touched"},
        {"other.txt", "NNNN", "NNNN"}}},
      {"update Old, quick", {B::cbMatchOld}, true,
       {{"newer.txt", "new newer", "new newer"}, {"touched.txt", "touched", "touched"}}},
      {"update New", {B::cbMatchNew}, false, {{"older.txt", "old older", "old older"}}},
      {"update Old and move", {B::cbMatchOld, B::cbMatchOldDelNew}, false,
       {{"newer.txt", "<missing>", "new newer"},
        {"same.txt", "<missing>", "same"},
        {"older.txt", "<missing>", "old older"},
        {"touched.txt", "<missing>", "touched"},
        {"other.txt", "<missing>", "OOOO"}}},
      {"update New and move", {B::cbMatchNew, B::cbMatchNewDelOld}, false,
       {{"older.txt", "old older", "<missing>"},
        {"same.txt", "same", "<missing>"},
        {"newer.txt", "new newer", "<missing>"},
        {"touched.txt", "touched", "<missing>"},
        {"other.txt", "NNNN", "<missing>"}}},
      {"force alone copies nothing", {B::cbMatchForce, B::cbInsOld}, false, {{"sub/added.txt", "added", "added"}}},
      {"inserted removed", {B::cbInsNew}, false, {{"sub/added.txt", "<missing>", "<missing>"}}},
      {"inserted moved", {B::cbInsOld, B::cbInsNew}, false, {{"sub/added.txt", "<missing>", "added"}}},
      {"deleted removed", {B::cbDelOld}, false, {{"gone/gone.txt", "<missing>", "<missing>"}}},
      {"deleted copied", {B::cbDelNew}, false, {{"gone/gone.txt", "gone", "gone"}}},
      {"deleted moved", {B::cbDelNew, B::cbDelOld}, false, {{"gone/gone.txt", "gone", "<missing>"}}},
  };
  const std::vector<std::string> files = {"same.txt",  "newer.txt",     "older.txt",    "touched.txt",
                                          "other.txt", "sub/added.txt", "gone/gone.txt"};
  for (const SyncCase& c : cases) {
    SCOPED_TRACE(c.name);
    test::FileCommandsFixture f;
    for (const auto& [path, facts] : test::manifestOf(t->path("new"))) f.t->file("new/" + path, facts.bytes, facts.mtime);
    for (const auto& [path, facts] : test::manifestOf(t->path("old"))) f.t->file("old/" + path, facts.bytes, facts.mtime);
    f.program.settings.Quick = c.quick;
    f.compare();
    const test::Manifest newBefore = test::manifestOf(f.t->path("new"));
    const test::Manifest oldBefore = test::manifestOf(f.t->path("old"));
    f.ui.scriptSyncDialog([&](SyncDialogModel& m) {
      for (B box : c.boxes) m.SetBox(box, true);
      m.rbAll = true;
      m.Options.cbConfirmDelete = false;
      m.Options.cbConfirmReplace = false;
      return DialogChoice::Run;
    });
    Synchronize(*f.commands, {1, 1, 7, 1});
    EXPECT_EQ(f.ui.syncDialogShows(), 1);
    for (const std::string& file : files) {
      std::string newSide = newBefore.count(file) ? newBefore.at(file).bytes : "<missing>";
      std::string oldSide = oldBefore.count(file) ? oldBefore.at(file).bytes : "<missing>";
      for (const Expect& e : c.changed)
        if (file == e.file) newSide = e.newSide, oldSide = e.oldSide;
      EXPECT_EQ(test::contentsOfPath(f.t->path("new/" + file)), newSide) << file;
      EXPECT_EQ(test::contentsOfPath(f.t->path("old/" + file)), oldSide) << file;
    }
  }
}

TEST_F(SyncTest, CopiesCarryTheSourceTime) {
  compare();
  ui.scriptSyncDialog(run({B::cbMatchOld, B::cbMatchNew}));
  Synchronize(*commands, allNewColumns());
  const test::Manifest after = test::manifestOf(t->path("old"));
  EXPECT_EQ(after.at("newer.txt").mtime, kT0 + 100);
  EXPECT_EQ(test::manifestOf(t->path("new")).at("older.txt").mtime, kT0 + 100);
}

TEST_F(SyncTest, SimulateChangesNothingAndShowsTheDialogAgain) {
  compare();
  const test::Manifest newBefore = test::manifestOf(t->path("new"));
  const test::Manifest oldBefore = test::manifestOf(t->path("old"));
  ui.scriptSyncDialog([&](SyncDialogModel& m) {
    m.ApplyPreset(SyncPreset::NoMaster);
    m.rbAll = true;
    m.Options.cbConfirmDelete = false;
    return DialogChoice::Simulate;
  });
  bool sameBoxesShown = false;
  ui.scriptSyncDialog([&](SyncDialogModel& m) {
    sameBoxesShown = m.Checked(B::cbMatchOld) && m.Checked(B::cbMatchNew) && m.Checked(B::cbDelNew) && m.rbAll;
    EXPECT_EQ(test::manifestOf(t->path("new")), newBefore);
    EXPECT_EQ(test::manifestOf(t->path("old")), oldBefore);
    return DialogChoice::Cancel;
  });
  Synchronize(*commands, allNewColumns());
  EXPECT_EQ(ui.syncDialogShows(), 2);
  EXPECT_TRUE(sameBoxesShown);
  EXPECT_EQ(status.resultCount(), 0u) << "the status window is reset after the run";
  for (const auto& a : ui.asked()) EXPECT_EQ(a.text.find("CAUTION"), std::string::npos) << "nothing changed";
}

TEST_F(SyncTest, RunWritesTheLogAndSavesItsKeys) {
  compare();
  const std::string log = t->path("sync.log");
  ui.scriptSyncDialog([&](SyncDialogModel& m) {
    m.ApplyPreset(SyncPreset::NewIsMaster);
    m.rbAll = true;
    m.cbSaveAsdefault = true;
    m.Options.cbLog = true;
    m.Options.edLogFile = log;
    m.Options.cbConfirmDelete = false;
    m.Options.cbConfirmReplace = false;
    return DialogChoice::Run;
  });
  Synchronize(*commands, allNewColumns());
  EXPECT_EQ(ui.syncDialogShows(), 1) << "a real run ends the command";

  const std::vector<std::string> lines = test::linesOf(log);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1].rfind("Synchronization started ", 0), 0u);
  EXPECT_EQ(lines[2], std::string(44, '-'));
  std::vector<std::string> body(lines.begin() + 3, lines.end() - 2);
  std::sort(body.begin(), body.end());
  EXPECT_EQ(body, (std::vector<std::string>{
                      "COPY " + t->path("new/newer.txt") + " >> " + t->path("old/") + " ... OK",
                      "COPY " + t->path("new/sub/added.txt") + " >> " + t->path("old/") + " ... OK",
                      "DEL  " + t->path("old/gone/gone.txt") + " ... OK",
                  }));
  EXPECT_EQ(lines[lines.size() - 2], std::string(44, '-'));
  EXPECT_EQ(lines.back().rfind("Synchronization finished ", 0), 0u);

  const std::string ini = this->ini.read();
  EXPECT_NE(ini.find("LogFileName=" + log), std::string::npos) << ini;
  EXPECT_NE(ini.find("LogFile=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("ClearLogFile=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("SaveDefault=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("ApplyAll=1"), std::string::npos) << ini;
  EXPECT_TRUE(program.settings.Sync.LogFile);
}

TEST_F(SyncTest, LogFileNameIsWrittenOnlyWhenItDiffersBeyondLetterCase) {
  compare();
  this->ini.write("[Synchronization]\nLogFileName=/TMP/SYNC.LOG\n");
  ui.scriptSyncDialog([](SyncDialogModel& m) {
    m.SetBox(B::cbInsOld, true);
    m.Options.edLogFile = "/tmp/sync.log";
    return DialogChoice::Simulate;
  });
  ui.scriptSyncDialog([](SyncDialogModel& m) {
    m.Options.edLogFile = "/tmp/other.log";
    return DialogChoice::Simulate;
  });
  bool sawFirst = false;
  ui.scriptSyncDialog([&](SyncDialogModel&) {
    sawFirst = true;
    return DialogChoice::Cancel;
  });
  // Checked between the two runs, through the settings file's text.
  std::string afterFirst;
  ui.onPump = [&] {
    if (afterFirst.empty() && ui.syncDialogShows() == 1) afterFirst = this->ini.read();
  };
  Synchronize(*commands, allNewColumns());
  EXPECT_TRUE(sawFirst);
  EXPECT_NE(afterFirst.find("LogFileName=/TMP/SYNC.LOG"), std::string::npos) << "[" << afterFirst << "]";
  EXPECT_NE(this->ini.read().find("LogFileName=/tmp/other.log"), std::string::npos);
}

TEST_F(SyncTest, SelectedRowsOnlyUnlessAllFilesDisplayed) {
  compare();
  const std::int32_t added = rowOf("sub\\added.txt");
  ASSERT_GT(added, 0);
  ui.scriptSyncDialog([](SyncDialogModel& m) {
    m.ApplyPreset(SyncPreset::NewIsMaster);
    m.rbAll = false;
    m.Options.cbConfirmDelete = false;
    m.Options.cbConfirmReplace = false;
    return DialogChoice::Run;
  });
  Synchronize(*commands, {1, added, 3, added});
  EXPECT_EQ(commands->sync.LSelected, "One file of " + std::to_string(rows()));
  EXPECT_EQ(oldFile("sub/added.txt"), "added");
  EXPECT_EQ(oldFile("gone/gone.txt"), "gone") << "not selected";
  EXPECT_EQ(oldFile("newer.txt"), "old") << "not selected";
}

TEST_F(SyncTest, AMoveWhoseCopyIsSkippedKeepsItsSource) {
  compare();
  ui.scriptSyncDialog([](SyncDialogModel& m) {
    m.SetBox(B::cbMatchOld, true);
    m.SetBox(B::cbMatchOldDelNew, true);
    m.rbAll = true;
    m.Options.cbConfirmDelete = false;
    m.Options.cbConfirmReplace = true;
    return DialogChoice::Run;
  });
  // The one overwrite prompt is newer.txt's; every deletion goes unasked.
  ui.scriptFileAction(platform::FileAction::Skip);
  Synchronize(*commands, allNewColumns());
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(newFile("newer.txt"), "new newer") << "the source stays";
  EXPECT_EQ(oldFile("newer.txt"), "old");
  EXPECT_EQ(newFile("same.txt"), "<missing>") << "a file that is not newer goes without a copy";
  EXPECT_EQ(oldFile("same.txt"), "same");
}

TEST_F(SyncTest, AnInsertedMoveWhoseCopyIsSkippedKeepsItsSource) {
  compare();
  ui.scriptSyncDialog([](SyncDialogModel& m) {
    m.SetBox(B::cbInsOld, true);
    m.SetBox(B::cbInsNew, true);
    m.rbAll = true;
    m.Options.cbConfirmDelete = false;
    m.Options.cbConfirmCreate = true;
    return DialogChoice::Run;
  });
  ui.scriptFileAction(platform::FileAction::Skip);
  Synchronize(*commands, allNewColumns());
  EXPECT_EQ(newFile("sub/added.txt"), "added");
  EXPECT_EQ(oldFile("sub/added.txt"), "<missing>");
}

TEST_F(SyncTest, ChangedFilesOfferTheResetAndOkResetsTheComparison) {
  compare();
  ASSERT_GT(rows(), 0);
  ui.scriptSyncDialog(run({B::cbInsOld}));
  ui.scriptAnswer(platform::Answer::Ok);
  Synchronize(*commands, allNewColumns());
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked().back().text.rfind("CAUTION : The files have been changed on disk.", 0), 0u);
  EXPECT_EQ(rows(), 0) << "Reset Diff empties the results";
  EXPECT_TRUE(program.comparison.State.Commands.Diff) << "and Diff can run again";
}

TEST_F(SyncTest, CancelAtTheCautionKeepsTheResults) {
  compare();
  const std::int32_t before = rows();
  ui.scriptSyncDialog(run({B::cbInsOld}));
  ui.scriptAnswer(platform::Answer::Cancel);
  Synchronize(*commands, allNewColumns());
  EXPECT_EQ(rows(), before);
  EXPECT_EQ(program.comparison.Display.ItemAt(rowOf("sub\\added.txt") - 1)->Status & stInserted, stInserted)
      << "the grid keeps the statuses from before the run";
}

TEST_F(SyncTest, NothingShownIsRefusedBeforeTheDialog) {
  test::FileCommandsFixture empty;
  empty.compare();
  ASSERT_EQ(empty.rows(), 0);
  Synchronize(*empty.commands, {1, 1, 7, 1});
  EXPECT_EQ(empty.ui.syncDialogShows(), 0);
  ASSERT_FALSE(empty.ui.asked().empty());
  EXPECT_EQ(empty.ui.asked().back().text, "No file to process");
  EXPECT_EQ(empty.ui.asked().back().kind, platform::MessageKind::Warning);
}

TEST_F(SyncTest, AnUnwritableLogStopsTheRunBeforeAnyFile) {
  compare();
  ui.scriptSyncDialog([&](SyncDialogModel& m) {
    m.ApplyPreset(SyncPreset::NewIsMaster);
    m.rbAll = true;
    m.Options.cbLog = true;
    m.Options.edLogFile = t->path("no/such/dir/sync.log");
    return DialogChoice::Simulate;
  });
  Synchronize(*commands, allNewColumns());
  EXPECT_EQ(ui.syncDialogShows(), 1) << "the command ends, even after Simulate";
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked()[0].text, "Synchronize: Error updating the log file.");
  EXPECT_EQ(oldFile("sub/added.txt"), "<missing>");
  EXPECT_EQ(oldFile("gone/gone.txt"), "gone");
}

}  // namespace
}  // namespace quorvane
