// The menu entries' enabling rules and the commands the menus add: the save dialog of the
// reports and listings, copying to the clipboard, the status window and the re-filter
// after the options dialog.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/file_entry.h"
#include "program/list_commands.h"
#include "program/menu_state.h"
#include "program/output_commands.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

class MenuCommandsTest : public ::testing::Test {
 protected:
  MenuCommandsTest() : ui(nullptr), program(ui, readers, writers) {
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    t.file("new/added.txt", "added");
    t.file("new/same.txt", "same");
    t.file("old/gone.txt", "gone");
    t.file("old/same.txt", "same");
  }

  void compare() {
    ChooseSetDirectory(program, Side::New, t.path("new"));
    ChooseSetDirectory(program, Side::Old, t.path("old"));
    Diff(program);  // rows: 0 added.txt (Inserted), 1 gone.txt (Deleted), 2 same.txt
  }

  std::string read(const std::string& relative) const {
    std::stringstream s;
    s << std::ifstream(t.path(relative), std::ios::binary).rdbuf();
    return s.str();
  }

  // A written file without its "Generated on" line, which holds the clock's second.
  std::string readTimeless(const std::string& relative) const {
    std::istringstream in(read(relative));
    std::string text, line;
    while (std::getline(in, line))
      if (line.find("Generated on") == std::string::npos) text += line + "\n";
    return text;
  }

  MenuState menu(const DialogsAvailable& dialogs = {}) const { return MenuStateOf(program, pointer, dialogs); }

  test::TempIni ini;
  test::TempTree t;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
  GridPointer pointer;
};

// The enabled entries through a use: each row is a state and the entries enabled in it.
TEST_F(MenuCommandsTest, EntriesFollowTheResultsThePointerAndTheRun) {
  const auto enabled = [](const MenuState& m) {
    std::string on;
    const std::pair<const char*, bool> entries[] = {
        {"open", m.openSets},         {"newSnp", m.saveNewSnapshot}, {"newBat", m.saveNewBatch},
        {"oldSnp", m.saveOldSnapshot}, {"oldBat", m.saveOldBatch},   {"saveDiff", m.saveDiff},
        {"print", m.printDiff},       {"quit", m.quit},              {"compare", m.compare},
        {"snapshot", m.takeSnapshot}, {"status", m.status},          {"reset", m.resetDiff},
        {"sort", m.sortBy},           {"moved", m.checkMoved},       {"edit", m.editMenu},
        {"copy", m.copy},             {"popupCopy", m.popupCopy},    {"remove", m.removeFromList},
        {"sync", m.synchronize},      {"fileOps", m.fileOperations}, {"info", m.information},
        {"openFile", m.openFile},     {"search", m.search},          {"options", m.options},
    };
    for (const auto& [name, state] : entries)
      if (state) on += std::string(on.empty() ? "" : " ") + name;
    return on;
  };
  EXPECT_EQ(enabled(menu()), "open quit snapshot status");

  ChooseSetDirectory(program, Side::New, t.path("new"));
  ChooseSetDirectory(program, Side::Old, t.path("old"));
  EXPECT_EQ(enabled(menu()), "open quit compare snapshot status");

  Diff(program);
  EXPECT_EQ(enabled(menu()),
            "open newSnp newBat oldSnp oldBat saveDiff print quit snapshot status reset sort moved edit copy remove");
  PointAt(pointer, program.comparison, 3, 2, 1, 2);  // same.txt, New columns
  EXPECT_EQ(enabled(menu()), "open newSnp newBat oldSnp oldBat saveDiff print quit snapshot status reset sort moved "
                             "edit copy popupCopy remove");
  // With every dialog present the pointer's rules show through.
  DialogsAvailable all{true, true, true, true, true, true, true, true, true};
  EXPECT_EQ(enabled(menu(all)), "open newSnp newBat oldSnp oldBat saveDiff print quit snapshot status reset sort moved "
                                "edit copy popupCopy remove sync fileOps info openFile search options");
  ForgetPointedEntry(pointer);
  EXPECT_TRUE(menu(all).information);  // "Get information..." takes the first selected row
  EXPECT_FALSE(menu(all).popupInformations);
  EXPECT_TRUE(menu(all).popupCopy);  // the selected side stays

  program.runInProgress = true;
  EXPECT_EQ(enabled(menu(all)), "quit");
  program.runInProgress = false;

  RemoveRows(program, {0, 1, 2});  // an empty display: no Edit menu, sorting brings the rows back
  EXPECT_EQ(enabled(menu()), "open newSnp newBat oldSnp oldBat saveDiff print quit snapshot status reset sort moved");

  // Snapshot mode: the New listings only, no report, no moved files.
  ui.scriptAnswer(platform::Answer::Yes);
  ASSERT_TRUE(TakeSnapshot(program));
  ASSERT_TRUE(program.comparison.State.SnapshotMode);
  EXPECT_EQ(enabled(menu()), "open newSnp newBat quit snapshot status reset sort edit copy popupCopy remove");
  EXPECT_TRUE(menu().sortMenu.IsEnabled(5));
  EXPECT_FALSE(menu().sortMenu.IsEnabled(7));
}

TEST_F(MenuCommandsTest, TheSaveDialogNamesWhatItSavesAndCancelWritesNothing) {
  compare();
  ui.scriptDialogAnswer(std::nullopt);
  EXPECT_FALSE(SaveDiffReportByDialog(program));
  ASSERT_EQ(ui.dialogsOpened().size(), 1u);
  const auto& opened = ui.dialogsOpened()[0];
  EXPECT_EQ(opened.title, "Save Diff file");
  EXPECT_EQ(opened.defaultExtension, "DIF");
  EXPECT_EQ(opened.startFolder, "");
  EXPECT_EQ(opened.filters, (std::vector<std::string>{"Diff files (*.DIF)", "CSV files (*.csv)", "JSON files (*.json)",
                                                      "HTML files (*.html)", "Snapshot files (*.SNP *.LST)",
                                                      "Text files (*.TXT)", "Batch files (*.BAT)"}));
  EXPECT_FALSE(program.comparison.State.ResultsSaved);

  // OK: the same bytes as the report written straight to a file, and the folder is kept.
  t.dir("out");
  ui.scriptDialogAnswer(t.path("out/chosen.DIF"));
  ASSERT_TRUE(SaveDiffReportByDialog(program));
  ASSERT_TRUE(SaveDiffReport(program, t.path("direct.DIF")));
  EXPECT_EQ(readTimeless("out/chosen.DIF"), readTimeless("direct.DIF"));
  EXPECT_TRUE(program.comparison.State.ResultsSaved);
  EXPECT_EQ(program.saveFolder, t.path("out/"));

  // A name of a report form's extension gets that form, the same as written straight.
  for (const char* name : {"chosen.csv", "chosen.JSON", "chosen.html", "chosen.htm"}) {
    ui.scriptDialogAnswer(t.path(std::string("out/") + name));
    ASSERT_TRUE(SaveDiffReportByDialog(program)) << name;
    const ReportFormat form = ReportFormatOfPath(name);
    EXPECT_NE(form, ReportFormat::Text) << name;
    const std::string direct = std::string("direct-") + name;
    ASSERT_TRUE(SaveDiffReport(program, t.path(direct), false, form));
    // JSON and HTML name the time they were written on a line of its own.
    const auto timeless = [&](const std::string& relative) {
      std::istringstream in(read(relative));
      std::string text, line;
      while (std::getline(in, line))
        if (line.find("enerated") == std::string::npos) text += line + "\n";
      return text;
    };
    EXPECT_EQ(timeless(std::string("out/") + name), timeless(direct)) << name;
  }
  EXPECT_EQ(read("out/chosen.csv").rfind("Status,Date status,", 0), 0u);
  EXPECT_EQ(read("out/chosen.JSON").rfind("{\n  \"report\": ", 0), 0u);
  EXPECT_EQ(read("out/chosen.html").rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(ReportFormatOfPath("/a.b/report"), ReportFormat::Text);
  EXPECT_EQ(ReportFormatOfPath("report.DIF"), ReportFormat::Text);

  struct Case {
    ListingKind kind;
    const char* title;
    const char* extension;
  };
  const Case cases[] = {{ListingKind::NewSnapshot, "Save New Snapshot", "SNP"},
                        {ListingKind::OldSnapshot, "Save Old Snapshot", "SNP"},
                        {ListingKind::NewBatch, "Save New Batch", "BAT"},
                        {ListingKind::OldBatch, "Save Old Batch", "BAT"}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.title);
    const std::string name = std::string("out/") + k.title;
    ui.scriptDialogAnswer(t.path(name));
    EXPECT_EQ(SaveSetListingByDialog(program, k.kind), ListingOutcome::Complete);
    EXPECT_EQ(ui.dialogsOpened().back().title, k.title);
    EXPECT_EQ(ui.dialogsOpened().back().defaultExtension, k.extension);
    EXPECT_EQ(ui.dialogsOpened().back().startFolder, t.path("out/"));
    const std::string direct = name + ".direct";
    EXPECT_EQ(SaveSetListing(program, k.kind, t.path(direct)), ListingOutcome::Complete);
    EXPECT_EQ(readTimeless(name), readTimeless(direct));
    ui.scriptDialogAnswer(std::nullopt);
    EXPECT_EQ(SaveSetListingByDialog(program, k.kind), ListingOutcome::NotWritten);
  }
}

TEST_F(MenuCommandsTest, CopyPutsTheTextOrSaysWhyNot) {
  compare();
  std::string clipboard;
  bool works = true;
  const auto put = [&](const std::string& text) {
    clipboard = text;
    return works;
  };
  EXPECT_TRUE(CopyToClipboard(program, {0, 1, 2}, SelectedSide::New, put));
  EXPECT_EQ(clipboard, "added.txt\r\nsame.txt\r\n");
  EXPECT_TRUE(ui.asked().empty());

  clipboard.clear();
  EXPECT_FALSE(CopyToClipboard(program, {0}, SelectedSide::Old, put));  // Inserted: no Old file
  EXPECT_EQ(clipboard, "");
  ASSERT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(ui.asked()[0].text, "No file selected - nothing copied to clipboard");
  EXPECT_EQ(ui.asked()[0].kind, platform::MessageKind::Warning);

  works = false;
  EXPECT_FALSE(CopyToClipboard(program, {1}, SelectedSide::Old, put));
  ASSERT_EQ(ui.asked().size(), 2u);
  EXPECT_EQ(ui.asked()[1].text, "Error during copy to clipboard");
  EXPECT_EQ(ui.asked()[1].kind, platform::MessageKind::Error);
}

TEST_F(MenuCommandsTest, StatusShowsTheLastRunsFigures) {
  compare();
  ShowComparisonStatus(program);
  ASSERT_TRUE(ui.statusWindowShown());
  EXPECT_EQ(ui.lastSummary().filesCompared, 4u);
  EXPECT_EQ(ui.lastSummary().matching, 3u);
}

// Closing the options dialog filters again only when the filter masks changed: removed
// rows then come back from the file list, otherwise the display stays as it was.
TEST_F(MenuCommandsTest, TheOptionsDialogRefiltersOnlyWhenTheMasksChanged) {
  compare();
  RemoveRows(program, {0});
  ASSERT_EQ(program.comparison.Display.Count(), 2);
  ui.clearNotices();
  OptionsClosed(program, FilterMaskSum(program));
  EXPECT_EQ(program.comparison.Display.Count(), 2);
  EXPECT_EQ(ui.notices(), (std::vector<std::string>{"results", "commands"}));

  const std::uint32_t before = FilterMaskSum(program);
  program.comparison.Files.XFilter = 0xFFFF & ~stIdentical;  // hide identical files
  OptionsClosed(program, before);
  EXPECT_EQ(program.comparison.Display.Count(), 2);  // added.txt and gone.txt; same.txt hidden
  EXPECT_EQ(program.comparison.Display.Items()[0]->Path(), "added.txt");
}

}  // namespace
}  // namespace quorvane
