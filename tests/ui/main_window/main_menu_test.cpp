// The menus driven through a whole use of the real window, from start to quit: after each
// step every command's enabled state, the set labels and the file count; then the keyboard
// alone reaching every entry, and the popup menu of the grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "engine/sort_menu_state.h"
#include "program/output_commands.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"
#include "ui/grid/results_grid.h"
#include "ui/main_window/grid_popup.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/scripted_window_interface.h"
#include "view/grid_cell.h"

// Fontconfig keeps its configuration until the process ends: not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace quorvane::ui {
namespace {

std::string readFile(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

// A written report or listing without its "Generated on" line, which holds the second.
std::string timeless(const std::string& text) {
  std::istringstream in(text);
  std::string out, line;
  while (std::getline(in, line))
    if (line.find("Generated on") == std::string::npos) out += line + "\n";
  return out;
}

class MainMenuTest : public ::testing::Test {
 protected:
  MainMenuTest() : program(ui, readers, writers), window(program) {
    ui.setMainWindow(&window);
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    program.settings.CheckMovedFiles = false;
    t.file("new/same.txt", "same");
    t.file("new/changed.txt", "new content");
    t.file("new/added.txt", "added");
    t.file("old/same.txt", "same");
    t.file("old/changed.txt", "old");
    t.file("old/gone.txt", "gone");
    window.resize(1000, 500);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  MainMenu& menu() const { return *window.mainMenu(); }
  QAction* entry(const char* name) const { return menu().action(name); }
  QString label(const char* name) const { return window.statusLabel(name)->text(); }

  // The enabled commands in menu order: the menus' entries without their prefix "mi", the
  // popup's with "pm", the Edit menu itself and the Diff and Reset buttons in brackets; the
  // Help menu is always enabled and left out.
  std::string enabledCommands() const {
    std::string on;
    const auto note = [&on](const QString& name) { on += (on.empty() ? "" : " ") + name.mid(2).toStdString(); };
    for (QMenu* m : {menu().fileSetMenu(), menu().actionMenu(), menu().editMenu(), menu().optionsMenu()}) {
      if (m == menu().editMenu() && m->menuAction()->isEnabled()) on += " [Edit]";
      for (QAction* a : m->actions()) {
        if (a->isSeparator() || !a->isEnabled()) continue;
        note(a->menu() ? a->menu()->objectName() : a->objectName());
      }
    }
    for (QAction* a : window.gridPopup()->menu()->actions())
      if (!a->isSeparator() && a->isEnabled()) on += " " + a->objectName().toStdString();
    if (window.diffButton()->isEnabled()) on += " [Diff]";
    if (window.resetButton()->isEnabled()) on += " [Reset]";
    return on;
  }

  // Clicks a data cell (Shift extends the selection), as the user does.
  void clickCell(int row, int column, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton) {
    ResultsGrid* grid = window.grid();
    QTest::mouseClick(grid->viewport(), button, modifiers, grid->cellRect(row, column).center());
  }
  // Selects rows top..bottom over columns left..right with two clicks.
  void selectCells(int top, int left, int bottom, int right) {
    clickCell(top, left);
    clickCell(bottom, right, Qt::ShiftModifier);
  }

  std::string clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }

  // The columns whose header shows the sort triangle.
  std::vector<int> sortImageColumns() const {
    std::vector<int> columns;
    const view::ColumnLayout& layout = window.grid()->columnLayout();
    for (int c = 1; c < layout.count; ++c)
      if (view::HeaderCell(layout, program.comparison.Display, c).sortImage != view::kNoSortImage) columns.push_back(c);
    return columns;
  }

  int checkedSortTag() const {
    for (int tag = 1; tag <= kSortMenuItems; ++tag)
      if (menu().sortItem(tag)->isChecked()) return tag;
    return 0;
  }

  test::TempIni ini;
  test::TempTree t;
  test::ScriptedWindowInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
  MainWindow window;
};

TEST_F(MainMenuTest, AWholeUseFromStartToQuit) {
  const std::string pdf = t.path("printed.pdf");
  setenv("QUORVANE_PRINT_PDF", pdf.c_str(), 1);
  program.settings.QuitSave = true;
  const QString newRoot = QString::fromStdString(t.path("new/"));
  const QString oldRoot = QString::fromStdString(t.path("old/"));
  const QString empty = QStringLiteral("<Empty>");
  t.dir("out");

  const std::string opening = "OpenNewDir OpenNewArc OpenOldDir OpenOldArc";
  const std::string idle = opening + " Quit TakeSnapshot Status";
  const std::string compared = opening +
                               " SaveNewSnapshot SaveNewBatch SaveOldSnapshot SaveOldBatch SaveDiff PrintDiff Quit "
                               "TakeSnapshot Status ResetDiff SortBy CheckMoved [Edit] Copy";
  // After a comparison the current cell (the first row, a New column) is pointed at.
  const std::string pointedNew = compared + " pmCopy pmRemove [Reset]";

  struct Step {
    const char* what;
    std::function<void()> act;
    std::string enabled;
    QString newLabel, oldLabel;  // the labels' beginnings
    QString matching;
  };
  const Step steps[] = {
      {"start", [] {}, idle, empty, empty, "0 of 0 files matching filter"},
      {"choose New",
       [&] {
         ui.dialogAnswers = {t.path("new")};
         entry("miOpenNewDir")->trigger();
       },
       idle, newRoot, empty, "0 of 0 files matching filter"},
      {"choose Old",
       [&] {
         ui.dialogAnswers = {t.path("old")};
         entry("miOpenOldDir")->trigger();
       },
       opening + " Quit Compare TakeSnapshot Status [Diff]", newRoot, oldRoot, "0 of 0 files matching filter"},
      {"Diff", [&] { entry("miCompare")->trigger(); }, pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"sort by each item",
       [&] {
         // Tag, then the item checked and the columns with the sort triangle; "CRC 16" and
         // "CRC 32" belong to snapshots and are disabled.
         const std::vector<std::tuple<int, int, std::vector<int>>> sorts = {
             {1, 1, {1}},  {2, 2, {2}},  {3, 3, {3}},  {4, 4, {4}},  {5, 4, {4}},    {6, 4, {4}},
             {7, 7, {5}},  {8, 8, {6}},  {9, 9, {7}},  {10, 10, {8}}, {11, 11, {9}},
         };
         for (const auto& [tag, checked, columns] : sorts) {
           SCOPED_TRACE(tag);
           EXPECT_EQ(menu().sortItem(tag)->isEnabled(), tag != 5 && tag != 6);
           menu().sortItem(tag)->trigger();
           EXPECT_EQ(checkedSortTag(), checked);
           EXPECT_EQ(sortImageColumns(), columns);
         }
         EXPECT_EQ(menu().sortItem(1)->text(), "&New Filename");
         EXPECT_EQ(menu().sortItem(11)->text(), "&Full pathname");
       },
       pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"Reset Diff",
       [&] {
         entry("miResetDiff")->trigger();
         EXPECT_EQ(checkedSortTag(), 11);
       },
       opening + " Quit Compare TakeSnapshot Status [Diff]", newRoot, oldRoot, "0 of 0 files matching filter"},
      {"Take Snapshot with an Old set, Cancel",
       [&] {
         ui.answers = {platform::Answer::Cancel};
         ui.messages.clear();
         entry("miTakeSnapshot")->trigger();
         ASSERT_EQ(ui.messages.size(), 1u);
         EXPECT_EQ(ui.messages[0].rfind("Only a NEW set of files must be specified\rto generate a snapshot.", 0), 0u);
         EXPECT_FALSE(program.comparison.State.SnapshotMode);
       },
       opening + " Quit Compare TakeSnapshot Status [Diff]", newRoot, oldRoot, "0 of 0 files matching filter"},
      {"Take Snapshot with an Old set, Yes",
       [&] {
         ui.answers = {platform::Answer::Yes};
         entry("miTakeSnapshot")->trigger();
         EXPECT_TRUE(program.comparison.State.SnapshotMode);
         EXPECT_TRUE(menu().sortItem(5)->isEnabled());
         EXPECT_FALSE(menu().sortItem(7)->isEnabled());
       },
       opening + " SaveNewSnapshot SaveNewBatch Quit TakeSnapshot Status ResetDiff SortBy [Edit] Copy pmCopy pmRemove "
                 "[Reset]",
       newRoot, empty, "3 files in snapshot"},
      {"Copy in snapshot mode",
       [&] {
         selectCells(0, 1, 2, 2);
         entry("miCopy")->trigger();
         EXPECT_EQ(clipboard(), "added.txt\r\nchanged.txt\r\nsame.txt\r\n");
       },
       opening + " SaveNewSnapshot SaveNewBatch Quit TakeSnapshot Status ResetDiff SortBy [Edit] Copy pmCopy pmRemove "
                 "[Reset]",
       newRoot, empty, "3 files in snapshot"},
      {"a new pair, compared",
       [&] {
         ui.dialogAnswers = {t.path("old"), t.path("new")};
         entry("miOpenOldDir")->trigger();  // after results: a new pair, the New side emptied
         EXPECT_EQ(window.setLabelText(Side::New), "<Empty>");
         entry("miOpenNewDir")->trigger();
         QTest::keyClick(window.grid(), Qt::Key_D, Qt::ControlModifier);
       },
       pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"Copy with the New columns",
       [&] {
         selectCells(0, 1, 3, 3);
         EXPECT_EQ(label("LPopupFileName"), "same.txt");
         entry("miCopy")->trigger();
         EXPECT_EQ(clipboard(), "added.txt\r\nchanged.txt\r\nsame.txt\r\n");  // gone.txt has no New file
       },
       pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"Copy with the Old columns",
       [&] {
         selectCells(0, 5, 3, 6);
         window.gridPopup()->action("pmCopy")->trigger();
         EXPECT_EQ(clipboard(), "changed.txt\r\ngone.txt\r\nsame.txt\r\n");  // added.txt has no Old file
       },
       pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"Save Diff report",
       [&] {
         ui.dialogAnswers = {t.path("out/report.DIF")};
         entry("miSaveDiff")->trigger();
         ASSERT_EQ(ui.saveDialogs.size(), 1u);
         EXPECT_EQ(ui.saveDialogs[0].title, "Save Diff file");
         EXPECT_EQ(ui.saveDialogs[0].extension, "DIF");
         EXPECT_EQ(ui.saveDialogs[0].filters, SaveFileFilters());
         // The same comparison run headless writes the same report.
         test::RecordingUserInterface headless(nullptr);
         SetSourceReaders headlessReaders;
         ReportWriters headlessWriters;
         Program other(headless, headlessReaders, headlessWriters);
         other.settings.CloseProgressDlg = true;
         other.settings.CheckMovedFiles = false;
         ChooseSetDirectory(other, Side::New, t.path("new"));
         ChooseSetDirectory(other, Side::Old, t.path("old"));
         Diff(other);
         ASSERT_TRUE(SaveDiffReport(other, t.path("headless.DIF")));
         const std::string report = readFile(t.path("out/report.DIF"));
         EXPECT_NE(report.find("[Quorvane DIFF file]"), std::string::npos);
         EXPECT_EQ(timeless(report), timeless(readFile(t.path("headless.DIF"))));
       },
       pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"Print Diff report",
       [&] {
         QTest::keyClick(window.grid(), Qt::Key_P, Qt::ControlModifier);
         EXPECT_TRUE(std::filesystem::file_size(pdf) > 0);
         EXPECT_EQ(readFile(pdf).rfind("%PDF", 0), 0u);
       },
       pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"save both snapshots and both batch files",
       [&] {
         const std::pair<const char*, const char*> saves[] = {{"miSaveNewSnapshot", "out/new.SNP"},
                                                              {"miSaveOldSnapshot", "out/old.SNP"},
                                                              {"miSaveNewBatch", "out/new.BAT"},
                                                              {"miSaveOldBatch", "out/old.BAT"}};
         for (const auto& [name, file] : saves) {
           ui.dialogAnswers = {t.path(file)};
           entry(name)->trigger();
         }
         ASSERT_EQ(ui.saveDialogs.size(), 5u);
         EXPECT_EQ(ui.saveDialogs[1].title, "Save New Snapshot");
         EXPECT_EQ(ui.saveDialogs[2].title, "Save Old Snapshot");
         EXPECT_EQ(ui.saveDialogs[3].title, "Save New Batch");
         EXPECT_EQ(ui.saveDialogs[4].title, "Save Old Batch");
         EXPECT_NE(readFile(t.path("out/new.SNP")).find("added.txt"), std::string::npos);
         EXPECT_NE(readFile(t.path("out/old.SNP")).find("gone.txt"), std::string::npos);
         EXPECT_EQ(readFile(t.path("out/new.BAT")).find("gone.txt"), std::string::npos);
         EXPECT_NE(readFile(t.path("out/old.BAT")).find("gone.txt"), std::string::npos);
       },
       pointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
      {"Remove from list of two rows",
       [&] {
         selectCells(1, 2, 2, 2);  // changed.txt and gone.txt
         QTest::keyClick(window.grid(), Qt::Key_Delete, Qt::ControlModifier);
         EXPECT_EQ(program.comparison.Display.Count(), 2);
         EXPECT_EQ(program.comparison.Files.Count(), 4);
         EXPECT_TRUE(std::filesystem::exists(t.path("new/changed.txt")));
         EXPECT_TRUE(std::filesystem::exists(t.path("old/gone.txt")));
         EXPECT_TRUE(window.grid()->hasFocus());
       },
       pointedNew, newRoot, oldRoot, "2 of 4 files matching filter"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(enabledCommands(), step.enabled);
    EXPECT_TRUE(window.setLabelText(Side::New).startsWith(step.newLabel)) << window.setLabelText(Side::New).toStdString();
    EXPECT_TRUE(window.setLabelText(Side::Old).startsWith(step.oldLabel)) << window.setLabelText(Side::Old).toStdString();
    EXPECT_EQ(label("LMatching"), step.matching);
  }
  unsetenv("QUORVANE_PRINT_PDF");

  // Quit: a new comparison is not saved yet, so the prompt asks; Cancel stays.
  entry("miResetDiff")->trigger();
  entry("miCompare")->trigger();
  ui.messages.clear();
  ui.answers = {platform::Answer::Cancel};
  entry("miQuit")->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("The Diff or Snapshot currently in memory", 0), 0u);
  EXPECT_FALSE(program.ended);
  ui.answers = {platform::Answer::Yes};
  entry("miQuit")->trigger();
  EXPECT_TRUE(program.ended);
  EXPECT_EQ(program.exitCode, 0);
}

}  // namespace
}  // namespace quorvane::ui
