// The window's synchronization refused or asked about before any file is touched: a set
// directory gone or empty since the comparison, a mass deletion; and a file changed on
// disk since the comparison left alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/ini_file.h"
#include "program/file_commands_fixture.h"

namespace quorvane {
namespace {

using platform::Answer;
using platform::DialogChoice;
using platform::MessageButtons;

constexpr std::int64_t kT0 = 1700000000;

class SyncGuardsTest : public ::testing::Test, public test::FileCommandsFixture {
 protected:
  static test::RecordingUserInterface::SyncDialogStep preset(SyncPreset p, DialogChoice choice = DialogChoice::Run) {
    return [p, choice](SyncDialogModel& m) {
      m.ApplyPreset(p);
      m.rbAll = true;
      m.Options.cbConfirmDelete = false;
      m.Options.cbConfirmReplace = false;
      return choice;
    };
  }
  // The messages shown (not the file questions).
  std::vector<test::RecordingUserInterface::Asked> messages() const {
    std::vector<test::RecordingUserInterface::Asked> out;
    for (const auto& a : ui.asked())
      if (!a.fileAction) out.push_back(a);
    return out;
  }
};

TEST_F(SyncGuardsTest, ARootGoneOrEmptiedSinceTheComparisonRefusesTheRunWithCancelOnly) {
  struct Case {
    const char* name;
    std::function<void(test::TempTree&)> change;
  };
  const std::vector<Case> cases = {
      {"Old root unmounted", [](test::TempTree& t) { std::filesystem::remove_all(t.path("old")); }},
      {"Old root emptied", [](test::TempTree& t) {
         std::filesystem::remove_all(t.path("old"));
         t.dir("old");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::FileCommandsFixture f;
    f.t->file("new/a.txt", "a", kT0);
    f.t->file("old/a.txt", "old a", kT0 - 100);
    f.t->file("old/b.txt", "b", kT0);
    f.compare();
    c.change(*f.t);
    const test::Manifest newBefore = test::manifestOf(f.t->path("new"));
    f.ui.scriptSyncDialog(preset(SyncPreset::NewIsMaster));
    Synchronize(*f.commands, f.allNewColumns());
    ASSERT_EQ(f.ui.asked().size(), 1u);
    EXPECT_EQ(f.ui.asked()[0].text, "The OLD set directory is empty or missing: " + f.t->path("old/") +
                                         ". Synchronizing now would copy or delete every file. Check that the drive is "
                                         "mounted, then compare again.");
    EXPECT_EQ(f.ui.asked()[0].buttons, MessageButtons::Cancel);
    EXPECT_TRUE(test::manifestOf(f.t->path("new")) == newBefore);
    EXPECT_TRUE(!std::filesystem::exists(f.t->path("old")) || std::filesystem::is_empty(f.t->path("old")));
  }
}

TEST_F(SyncGuardsTest, AnEmptySetAtComparisonTimeIsRefusedToo) {
  t->file("new/a.txt", "a", kT0);
  t->file("new/b.txt", "b", kT0);
  compare();  // Old is empty: every file "inserted"
  ui.scriptSyncDialog(preset(SyncPreset::OldIsMaster));  // would delete every New file
  Synchronize(*commands, allNewColumns());
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_NE(messages()[0].text.find("The OLD set directory is empty or missing"), std::string::npos);
  EXPECT_EQ(test::contentsOfPath(t->path("new/a.txt")), "a");
  EXPECT_EQ(test::contentsOfPath(t->path("new/b.txt")), "b");
}

TEST_F(SyncGuardsTest, AMassDeletionIsAskedOnceNamingTheCount) {
  struct Case {
    int onlyOld;   // files only in Old, deleted by New is master
    int same;      // identical files, displayed
    bool asked;
    Answer answer;
  };
  for (const Case& c : {Case{12, 10, true, Answer::Cancel}, Case{12, 10, true, Answer::Ok}, Case{9, 0, false, Answer::Ok},
                        Case{12, 12, false, Answer::Ok}}) {
    SCOPED_TRACE(std::to_string(c.onlyOld) + " of " + std::to_string(c.onlyOld + c.same));
    test::FileCommandsFixture f;
    for (int i = 0; i < c.onlyOld; ++i) f.t->file("old/d" + std::to_string(i) + ".txt", "d", kT0);
    for (int i = 0; i < c.same; ++i) {
      f.t->file("new/s" + std::to_string(i) + ".txt", "s", kT0);
      f.t->file("old/s" + std::to_string(i) + ".txt", "s", kT0);
    }
    f.t->file("new/keep.txt", "k", kT0);  // New holds files
    f.t->file("old/keep.txt", "k", kT0);
    f.compare();
    // A simulation changes nothing and is never asked about.
    f.ui.scriptSyncDialog(preset(SyncPreset::NewIsMaster, DialogChoice::Simulate));
    f.ui.scriptSyncDialog(preset(SyncPreset::NewIsMaster));
    f.ui.scriptAnswer(c.answer);
    Synchronize(*f.commands, f.allNewColumns());
    const auto shown = [&] {
      std::vector<std::string> texts;
      for (const auto& a : f.ui.asked())
        if (!a.fileAction) texts.push_back(a.text);
      return texts;
    }();
    const std::string question = "This synchronization would delete " + std::to_string(c.onlyOld) + " of the " +
                                 std::to_string(f.rows()) + " files displayed.\r\rDo you want to continue ?";
    EXPECT_EQ(std::count(shown.begin(), shown.end(), question), c.asked ? 1 : 0);
    const bool deleted = !std::filesystem::exists(f.t->path("old/d0.txt"));
    EXPECT_EQ(deleted, !c.asked || c.answer == Answer::Ok);
  }
}

TEST_F(SyncGuardsTest, AFileChangedSinceTheComparisonIsLeftAloneAndLogged) {
  t->file("new/newer.txt", "new newer", kT0 + 100);
  t->file("old/newer.txt", "old", kT0);
  t->file("new/other.txt", "other new", kT0 + 100);
  t->file("old/other.txt", "other", kT0);
  t->file("old/gone.txt", "gone", kT0);
  compare();
  // Edited after the comparison: another size, another time.
  t->file("old/newer.txt", "edited since", kT0);
  t->file("old/gone.txt", "gone", kT0 + 3600);
  const std::string log = t->path("sync.log");
  ui.scriptSyncDialog([&](SyncDialogModel& m) {
    m.ApplyPreset(SyncPreset::NewIsMaster);
    m.rbAll = true;
    m.Options.cbConfirmDelete = m.Options.cbConfirmReplace = false;
    m.Options.cbLog = true;
    m.Options.edLogFile = log;
    return DialogChoice::Run;
  });
  Synchronize(*commands, allNewColumns());
  EXPECT_EQ(test::contentsOfPath(t->path("old/newer.txt")), "edited since");
  EXPECT_EQ(test::contentsOfPath(t->path("old/gone.txt")), "gone");
  EXPECT_EQ(test::contentsOfPath(t->path("old/other.txt")), "other new");  // the unchanged one is copied
  const std::vector<std::string> lines = test::linesOf(log);
  const auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  EXPECT_TRUE(has("COPY " + t->path("new/newer.txt") + " >> " + t->path("old/") + " ... SKIPPED"));
  EXPECT_TRUE(has("DEL  " + t->path("old/gone.txt") + " ... SKIPPED"));
  EXPECT_TRUE(has("COPY " + t->path("new/other.txt") + " >> " + t->path("old/") + " ... OK"));
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// "Move deleted and replaced files to the trash": on by default, kept as [Synchronization]
// UseTrash, and what a run does with a deleted file.
TEST(TrashSetting, OnByDefaultKeptInTheSettingsAndFollowedByTheRun) {
  test::FileCommandsFixture f;
  f.t->file("old/gone.txt", "gone", kT0);
  f.t->file("old/gone2.txt", "gone 2", kT0);
  f.t->file("new/a.txt", "a", kT0);
  f.t->file("old/a.txt", "a", kT0);
  f.compare();
  EXPECT_TRUE(f.commands->sync.Options.cbUseTrash);
  const auto run = [&](bool trash) {
    f.ui.scriptSyncDialog([trash](SyncDialogModel& m) {
      m.ApplyPreset(SyncPreset::NewIsMaster);
      m.rbAll = true;
      m.Options.cbConfirmDelete = false;
      m.Options.cbUseTrash = trash;
      return DialogChoice::Run;
    });
    Synchronize(*f.commands, f.allNewColumns());
  };
  run(true);
  EXPECT_EQ(test::contentsOfPath(f.t->path("trash/files/gone.txt")), "gone");
  EXPECT_NE(f.ini.read().find("UseTrash=1"), std::string::npos) << f.ini.read();
  f.compareAgain();
  f.t->file("old/gone.txt", "gone again", kT0);
  f.compareAgain();
  run(false);
  EXPECT_FALSE(std::filesystem::exists(f.t->path("old/gone.txt")));
  EXPECT_EQ(test::contentsOfPath(f.t->path("trash/files/gone.2.txt")), "<missing>");  // deleted for good
  EXPECT_NE(f.ini.read().find("UseTrash=0"), std::string::npos) << f.ini.read();
  EXPECT_FALSE(f.program.settings.Sync.UseTrash);

  // Read back at the next start, and --Trash- turns it off for one run.
  Settings settings;
  platform::HeadlessUserInterface quiet(nullptr);
  Comparison c(settings, quiet);
  LoadCfg(c);
  EXPECT_FALSE(settings.Sync.UseTrash);
  f.ini.write("[Synchronization]\nUseTrash=1\n");
  LoadCfg(c);
  EXPECT_TRUE(settings.Sync.UseTrash);
  ParseCommandLine({"-A", "--Sync:NewMaster", "--Trash-", "n", "o"}, settings, c);
  EXPECT_FALSE(settings.Sync.UseTrash);
}

}  // namespace
}  // namespace quorvane
