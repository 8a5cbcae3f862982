// Choosing sets the ways the window offers: the directory and open-file dialogs, the
// history pop-ups of the set buttons, and names dropped on the window.
#include <gtest/gtest.h>

#include "program/directory_chooser.h"
#include "program/directory_commands.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using Strings = std::vector<std::string>;

class SetChoiceTest : public ::testing::Test {
 protected:
  SetChoiceTest() : ui(nullptr), program(ui, readers, writers) {
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    for (const char* dir : {"a/x", "a/y", "b", "c"}) t.file(std::string(dir) + "/f.txt", "f");
    t.file("a/plain.txt", "not a directory");
  }

  const SetDescription& set(Side side) { return program.comparison.Set(side); }
  std::string label(Side side) const { return program.selection.Selection(side).Label; }
  Strings includeList() const { return program.comparison.IncludeDirs.Items(); }

  test::TempIni ini;
  test::TempTree t;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
};

TEST_F(SetChoiceTest, TheDirectoryDialogChoosesTheSetAndKeepsItsHistory) {
  ui.scriptDialogAnswer(t.path("b"));
  ChooseDirectoryByDialog(program, Side::New);
  ASSERT_EQ(ui.dialogsOpened().size(), 1u);
  EXPECT_EQ(ui.dialogsOpened()[0].title, "Please select NEW directory");
  EXPECT_EQ(ui.dialogsOpened()[0].startFolder, "");
  EXPECT_EQ(set(Side::New).Root, t.path("b/"));
  EXPECT_EQ(set(Side::New).Kind, SetKind::Directory);
  EXPECT_EQ(program.settings.History.Dirs, Strings{t.path("b")});

  // The next dialog of that side starts where this one ended; the other side's does not.
  ui.scriptDialogAnswer(t.path("c"));
  ChooseDirectoryByDialog(program, Side::Old);
  ChooseDirectoryByDialog(program, Side::New);  // cancelled
  EXPECT_EQ(ui.dialogsOpened()[1].title, "Please select OLD directory");
  EXPECT_EQ(ui.dialogsOpened()[1].startFolder, "");
  EXPECT_EQ(ui.dialogsOpened()[2].startFolder, t.path("b"));
  EXPECT_EQ(program.settings.History.Dirs, (Strings{t.path("c"), t.path("b")}));
  EXPECT_TRUE(program.comparison.State.Commands.Diff);
  EXPECT_NE(ini.read().find("Dir0=" + t.path("c")), std::string::npos);
}

TEST_F(SetChoiceTest, ACancelledDialogChangesNothingAndRestoresTheIncludeList) {
  ui.scriptDialogAnswer(t.path("b"));
  ChooseDirectoryByDialog(program, Side::New);
  program.comparison.IncludeDirs.Add("kept");
  ui.clearNotices();
  ChooseDirectoryByDialog(program, Side::Old);
  ChooseFileByDialog(program, Side::Old);
  EXPECT_EQ(set(Side::Old).Kind, SetKind::Nothing);
  EXPECT_EQ(includeList(), Strings{"kept"});
  EXPECT_TRUE(ui.notices().empty());
}

TEST_F(SetChoiceTest, AfterAComparisonADialogChoiceStartsANewPairWithoutTheIncludeList) {
  ChooseSetDirectory(program, Side::New, t.path("a"));
  ChooseSetDirectory(program, Side::Old, t.path("b"));
  Diff(program);
  ASSERT_TRUE(program.comparison.State.DiffInMemory);
  program.comparison.IncludeDirs.Add("x");
  ui.scriptDialogAnswer(t.path("c"));
  ChooseDirectoryByDialog(program, Side::Old);
  EXPECT_EQ(set(Side::Old).Root, t.path("c/"));
  EXPECT_EQ(set(Side::New).Kind, SetKind::Nothing);
  EXPECT_EQ(label(Side::New), "<Empty>");
  EXPECT_TRUE(includeList().empty());
  EXPECT_FALSE(program.comparison.State.Commands.GridVisible);
}

TEST_F(SetChoiceTest, TheOpenFileDialogOffersEveryKindAndRemembersTheFolder) {
  t.file("sets/one.zip", "");  // not a valid archive: choosing it needs no reading
  ui.scriptDialogAnswer(t.path("sets/one.zip"));
  ChooseFileByDialog(program, Side::Old);
  ASSERT_EQ(ui.dialogsOpened().size(), 1u);
  const auto& opened = ui.dialogsOpened()[0];
  EXPECT_EQ(opened.title, "Open Old archive/snapshot");
  ASSERT_EQ(opened.filters.size(), 11u);
  EXPECT_EQ(opened.filters.front(), "All known files (*.ZIP *.EXE *.SNP *.LST *.JAR *.RAR *.ARJ *.ACE)");
  EXPECT_EQ(opened.filters.back(), "All files (*)");
  EXPECT_EQ(set(Side::Old).Kind, SetKind::Zip);
  EXPECT_EQ(program.settings.History.Files, Strings{t.path("sets/one.zip")});
  EXPECT_EQ(program.selection.Selection(Side::Old).LastFolder, t.path("sets/"));
}

TEST_F(SetChoiceTest, TheHistoryPopUpOffersItsListAndChoosingDoesNotReorderIt) {
  program.settings.History.Dirs = {t.path("b"), t.path("c")};
  program.settings.History.Files = {t.path("one.snp")};
  EXPECT_EQ(HistoryOfButton(program, SetButton::NewDirectory), program.settings.History.Dirs);
  EXPECT_EQ(HistoryOfButton(program, SetButton::OldDirectory), program.settings.History.Dirs);
  EXPECT_EQ(HistoryOfButton(program, SetButton::NewFile), program.settings.History.Files);
  EXPECT_EQ(HistoryOfButton(program, SetButton::OldFile), program.settings.History.Files);

  const std::string before = ini.read();
  ChooseFromHistory(program, SetButton::OldDirectory, 1);
  EXPECT_EQ(set(Side::Old).Root, t.path("c/"));
  EXPECT_EQ(program.settings.History.Dirs, (Strings{t.path("b"), t.path("c")}));
  EXPECT_EQ(ini.read(), before);  // not saved either
  ChooseFromHistory(program, SetButton::NewDirectory, 7);  // past the end: nothing
  EXPECT_EQ(set(Side::New).Kind, SetKind::Nothing);
}

TEST_F(SetChoiceTest, DropsChooseTheSideOfTheirHalf) {
  struct Case {
    int x;
    const char* name;
    bool chosen;
    Side side;
  };
  // A window 1000 pixels wide: the middle is 500, and 469..531 is too close to tell.
  const Case cases[] = {
      {0, "b", true, Side::New},     {468, "b", true, Side::New},  {469, "b", false, Side::New},
      {500, "b", false, Side::New},  {531, "b", false, Side::Old}, {532, "c", true, Side::Old},
      {999, "c", true, Side::Old},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.x);
    const std::size_t messages = ui.asked().size();
    DropOnWindow(program, k.x, 1000, {t.path(k.name)});
    if (k.chosen) {
      EXPECT_EQ(set(k.side).Root, t.path(std::string(k.name) + "/"));
      EXPECT_EQ(ui.asked().size(), messages);
    } else {
      ASSERT_EQ(ui.asked().size(), messages + 1);
      EXPECT_EQ(ui.asked().back().text.rfind("File or directory dropped too close from the middle of the window.", 0),
                0u);
    }
  }
}

TEST_F(SetChoiceTest, SeveralDroppedDirectoriesBecomeTheIncludeListOfTheirFolder) {
  DropOnWindow(program, 10, 1000, {t.path("a/y"), t.path("a/x")});
  EXPECT_EQ(set(Side::New).Root, t.path("a/"));
  EXPECT_EQ(includeList(), (Strings{"x", "y"}));
  EXPECT_EQ(program.settings.History.Dirs, Strings{t.path("a")});

  // A file among them: nothing is chosen and the list stays.
  DropOnWindow(program, 990, 1000, {t.path("b"), t.path("a/plain.txt")});
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked().back().text, t.path("a/plain.txt") + " is NOT a directory. Please select only directories");
  EXPECT_EQ(set(Side::Old).Kind, SetKind::Nothing);
  EXPECT_EQ(includeList(), (Strings{"x", "y"}));
}

TEST_F(SetChoiceTest, ADropAfterAComparisonReplacesOnlyItsSide) {
  ChooseSetDirectory(program, Side::New, t.path("a"));
  ChooseSetDirectory(program, Side::Old, t.path("b"));
  Diff(program);
  DropOnWindow(program, 900, 1000, {t.path("c")});
  EXPECT_EQ(set(Side::New).Root, t.path("a/"));
  EXPECT_EQ(set(Side::Old).Root, t.path("c/"));
  EXPECT_TRUE(program.comparison.State.Commands.Diff);

  t.file("d/x.snp", "[Quorvane Snapshot]\r\n");
  DropOnWindow(program, 100, 1000, {t.path("d/x.snp")});
  EXPECT_EQ(set(Side::New).Kind, SetKind::Snapshot);
  EXPECT_EQ(program.settings.History.Files, Strings{t.path("d/x.snp")});
}

TEST_F(SetChoiceTest, TheDirectoryChooserMergesItsSelectionIntoTheIncludeListWhenItsBoxIsTicked) {
  program.comparison.IncludeDirs.Add("y");
  program.comparison.IncludeDirs.Add("gone");
  program.settings.SelectIncludeDirs = true;
  ui.scriptDirectoryChooser([this](DirectoryChooserModel& m) {
    EXPECT_TRUE(m.MultiSelect());
    m.OpenItem(0);
    m.EditDirectoryName(t.path("a"));
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < m.Items.size(); ++i)
      if (m.Items[i].Subdirectory && m.Items[i].Name == "x") rows.push_back(i);
    m.SelectRows(rows);  // x selected, y no longer
    EXPECT_EQ(m.bnDirs, "2 Included directories");
    return platform::DialogChoice::Run;
  });
  ChooseDirectoryByDialog(program, Side::New);
  EXPECT_EQ(set(Side::New).Root, t.path("a/"));
  EXPECT_EQ(includeList(), (Strings{"gone", "x"}));

  // With the box unticked in the dialog the list is emptied after the choice, and the
  // box's state is kept for the next time.
  ui.scriptDirectoryChooser([this](DirectoryChooserModel& m) {
    m.IncludeClicked(false);
    m.EditDirectoryName(t.path("b"));
    return platform::DialogChoice::Run;
  });
  ChooseDirectoryByDialog(program, Side::Old);
  EXPECT_TRUE(includeList().empty());
  EXPECT_FALSE(program.settings.SelectIncludeDirs);
  EXPECT_NE(ini.read().find("SelectIncludeDirs=0"), std::string::npos);

  // Win95Dirs asks the system's folder dialog instead.
  program.settings.Win95Dirs = true;
  ui.scriptDialogAnswer(t.path("c"));
  ChooseDirectoryByDialog(program, Side::Old);
  EXPECT_EQ(set(Side::Old).Root, t.path("c/"));
}

TEST_F(SetChoiceTest, TheIncludeExcludeEditorReplacesBothListsOnOkOnly) {
  program.comparison.IncludeDirs.Add("keep");
  ui.scriptDirectoryListsEditor([](DirectoryListsEditor& e) {
    EXPECT_EQ(e.meInclude, "keep");
    e.meInclude = "data\\\n\\\n";
    e.meExclude = "\\tmp";
    return platform::DialogChoice::Cancel;
  });
  EXPECT_EQ(EditDirectoryLists(program), platform::DialogChoice::Cancel);
  EXPECT_EQ(includeList(), Strings{"keep"});
  ui.scriptDirectoryListsEditor([](DirectoryListsEditor& e) {
    e.meInclude = "data\\\n\\\n";
    e.meExclude = "\\tmp";
    return platform::DialogChoice::Run;
  });
  EXPECT_EQ(EditDirectoryLists(program), platform::DialogChoice::Run);
  EXPECT_EQ(includeList(), Strings{"data"});
  EXPECT_EQ(program.comparison.ExcludeDirs.Items(), Strings{"\\tmp"});
  EXPECT_EQ(ui.directoryListsEditorShows(), 2);
}

TEST_F(SetChoiceTest, ATargetDirectoryIsChosenWithoutTheIncludeBox) {
  program.comparison.IncludeDirs.Add("x");
  program.settings.SelectIncludeDirs = true;
  ui.scriptDirectoryChooser([this](DirectoryChooserModel& m) {
    EXPECT_EQ(m.Caption, "Select TARGET directory");
    EXPECT_FALSE(m.cbIncludeVisible);
    EXPECT_FALSE(m.MultiSelect());
    EXPECT_EQ(m.Directory(), t.path("a"));
    m.OpenItem(m.Items.size() - 1);  // the last subdirectory, y
    return platform::DialogChoice::Run;
  });
  EXPECT_EQ(ChooseWithDirectoryChooser(program, "Select TARGET directory", t.path("a"), DirectoryChoice::Target),
            t.path("a/y"));
  EXPECT_EQ(includeList(), Strings{"x"});
  EXPECT_TRUE(program.settings.SelectIncludeDirs);
  ui.scriptDialogAnswer(std::nullopt);
  EXPECT_EQ(ChooseWithDirectoryChooser(program, "Select TARGET directory", "", DirectoryChoice::Target),
            std::nullopt);
}

}  // namespace
}  // namespace quorvane
