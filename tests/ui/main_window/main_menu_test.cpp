// The menus driven through a whole use of the real window, from start to quit: after each
// step every command's enabled state, the set labels and the file count; then the keyboard
// alone reaching every entry, and the popup menu of the grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
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

  const std::string opening = "OpenNewDir OpenNewArc OpenOldDir OpenOldArc IncludeExclude";
  const std::string options = " Options0 Options1 Options2 Options3 Options4 Options5 Options6 Options7";
  const std::string idle = opening + " Quit TakeSnapshot Status ViewLog" + options;
  const std::string compared = opening +
                               " SaveNewSnapshot SaveNewBatch SaveOldSnapshot SaveOldBatch SaveDiff PrintDiff Quit "
                               "TakeSnapshot Status ResetDiff SortBy CheckMoved Synchronize FileOperations ViewLog "
                               "[Edit] Copy Search SearchNext Information";
  // After a comparison the current cell (the first row, a New column) is pointed at.
  const std::string pointedNew = compared + " OpenFile UserTool" + options +
                                 " pmInformations pmOpenFile pmUserTool pmCopy pmRemove pmSynchronize pmFileOperations "
                                 "pmSearch [Reset]";
  // The current cell on a row without a New file: nothing pointed, the New side selected.
  const std::string unpointedNew = compared + options + " pmCopy pmRemove pmSynchronize pmFileOperations pmSearch [Reset]";
  const std::string snapshot = opening +
                               " SaveNewSnapshot SaveNewBatch Quit TakeSnapshot Status ResetDiff SortBy FileOperations "
                               "ViewLog [Edit] Copy Search SearchNext Information OpenFile UserTool" + options +
                               " pmInformations pmOpenFile pmUserTool pmCopy pmRemove pmFileOperations pmSearch [Reset]";

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
       opening + " Quit Compare TakeSnapshot Status ViewLog" + options + " [Diff]", newRoot, oldRoot, "0 of 0 files matching filter"},
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
       opening + " Quit Compare TakeSnapshot Status ViewLog" + options + " [Diff]", newRoot, oldRoot, "0 of 0 files matching filter"},
      {"Take Snapshot with an Old set, Cancel",
       [&] {
         ui.answers = {platform::Answer::Cancel};
         ui.messages.clear();
         entry("miTakeSnapshot")->trigger();
         ASSERT_EQ(ui.messages.size(), 1u);
         EXPECT_EQ(ui.messages[0].rfind("Only a NEW set of files must be specified\rto generate a snapshot.", 0), 0u);
         EXPECT_FALSE(program.comparison.State.SnapshotMode);
       },
       opening + " Quit Compare TakeSnapshot Status ViewLog" + options + " [Diff]", newRoot, oldRoot, "0 of 0 files matching filter"},
      {"Take Snapshot with an Old set, Yes",
       [&] {
         ui.answers = {platform::Answer::Yes};
         entry("miTakeSnapshot")->trigger();
         EXPECT_TRUE(program.comparison.State.SnapshotMode);
         EXPECT_TRUE(menu().sortItem(5)->isEnabled());
         EXPECT_FALSE(menu().sortItem(7)->isEnabled());
       },
       snapshot,
       newRoot, empty, "3 files in snapshot"},
      {"Copy in snapshot mode",
       [&] {
         selectCells(0, 1, 2, 2);
         entry("miCopy")->trigger();
         EXPECT_EQ(clipboard(), "added.txt\r\nchanged.txt\r\nsame.txt\r\n");
       },
       snapshot,
       newRoot, empty, "3 files in snapshot"},
      {"a new pair, compared",
       [&] {
         ui.dialogAnswers = {t.path("old"), t.path("new")};
         entry("miOpenOldDir")->trigger();  // after results: a new pair, the New side emptied
         EXPECT_EQ(window.setLabelText(Side::New), "<Empty>");
         entry("miOpenNewDir")->trigger();
         QTest::keyClick(window.grid(), Qt::Key_D, Qt::ControlModifier);
       },
       unpointedNew, newRoot, oldRoot, "4 of 4 files matching filter"},
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
         EXPECT_EQ(ui.saveDialogs[0].filters, DiffSaveFileFilters());
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
         if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
           ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + pdf + ".txt'").c_str()), 0);
           const std::string text = readFile(pdf + ".txt");
           EXPECT_NE(text.find("[Quorvane DIFF file]"), std::string::npos);
           EXPECT_NE(text.find("gone.txt"), std::string::npos);
         }
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

// Every entry is reached by the keyboard alone: the menus by their accelerators (a letter
// shared within a menu moves between its entries, Return chooses), the rest by arrows, and
// the shortcuts from the grid. Here the entries' commands are cut off and each entry is
// enabled, so that only the keys are under test.
TEST_F(MainMenuTest, TheKeyboardAloneReachesEveryEntry) {
  ChooseSetDirectory(program, Side::New, t.path("new"));
  ChooseSetDirectory(program, Side::Old, t.path("old"));
  Diff(program);
  ASSERT_TRUE(window.grid()->hasFocus());

  std::vector<QAction*> entries;
  const std::function<void(QMenu*)> collect = [&](QMenu* m) {
    for (QAction* a : m->actions()) {
      if (a->isSeparator()) continue;
      if (a->menu()) collect(a->menu());
      entries.push_back(a);
    }
  };
  for (QMenu* m : {menu().fileSetMenu(), menu().actionMenu(), menu().editMenu(), menu().optionsMenu(),
                   menu().helpMenu(), window.gridPopup()->menu()})
    collect(m);
  for (QAction* a : entries) {
    QObject::disconnect(a, nullptr, window.mainMenu(), nullptr);
    QObject::disconnect(a, nullptr, &window, nullptr);
  }
  const auto enableAll = [&] {
    for (QAction* a : entries) a->setEnabled(true);
    for (QMenu* m : {menu().fileSetMenu(), menu().actionMenu(), menu().editMenu(), menu().optionsMenu()})
      m->menuAction()->setEnabled(true);
  };

  using K = QKeyCombination;
  const K ret(Qt::Key_Return), down(Qt::Key_Down);
  const auto alt = [](Qt::Key key) { return K(Qt::AltModifier, key); };
  const auto ctrl = [](Qt::Key key) { return K(Qt::ControlModifier, key); };
  const auto downs = [&](std::vector<K> keys, int n) {
    for (int i = 0; i < n; ++i) keys.push_back(down);
    keys.push_back(ret);
    return keys;
  };
  const K fileSet = alt(Qt::Key_T), action = alt(Qt::Key_A), edit = alt(Qt::Key_E), options = alt(Qt::Key_O),
          help = alt(Qt::Key_H);
  struct Case {
    std::vector<K> keys;
    std::string entry;
  };
  std::vector<Case> cases = {
      {{fileSet, K(Qt::Key_N)}, "miOpenNewDir"},
      {{fileSet, K(Qt::Key_A)}, "miOpenNewArc"},
      {{fileSet, K(Qt::Key_O)}, "miOpenOldDir"},
      {{fileSet, K(Qt::Key_R)}, "miOpenOldArc"},
      {{fileSet, K(Qt::Key_D)}, "miIncludeExclude"},
      {{fileSet, K(Qt::Key_H), ret}, "miSaveNewSnapshot"},
      {{fileSet, K(Qt::Key_B)}, "miSaveNewBatch"},
      {{fileSet, K(Qt::Key_V)}, "miSaveOldSnapshot"},
      {{fileSet, K(Qt::Key_H), K(Qt::Key_H), ret}, "miSaveOldBatch"},
      {{fileSet, K(Qt::Key_S)}, "miSaveDiff"},
      {{fileSet, K(Qt::Key_P)}, "miPrintDiff"},
      {{fileSet, K(Qt::Key_Q)}, "miQuit"},
      {{action, K(Qt::Key_C)}, "miCompare"},
      {{action, K(Qt::Key_T)}, "miTakeSnapshot"},
      {{action, K(Qt::Key_A)}, "miStatus"},
      {{action, K(Qt::Key_R)}, "miResetDiff"},
      {{action, K(Qt::Key_O), K(Qt::Key_N)}, "miSort1"},
      {{action, K(Qt::Key_O), K(Qt::Key_O)}, "miSort7"},
      {{action, K(Qt::Key_O), K(Qt::Key_F)}, "miSort11"},
      {{action, K(Qt::Key_M)}, "miCheckMoved"},
      {{action, K(Qt::Key_S)}, "miSynchronize"},
      {{action, K(Qt::Key_F)}, "miFileOperations"},
      {{action, K(Qt::Key_V)}, "miViewLog"},
      {{edit, K(Qt::Key_O)}, "miCopy"},
      {{edit, K(Qt::Key_S)}, "miSearch"},
      {{edit, K(Qt::Key_N)}, "miSearchNext"},
      {{edit, K(Qt::Key_I)}, "miInformation"},
      {{edit, K(Qt::Key_F)}, "miOpenFile"},
      {{edit, K(Qt::Key_U)}, "miUserTool"},
      {{help, K(Qt::Key_I)}, "miHelpIndex"},
      {{help, K(Qt::Key_Q)}, "miQuickStart"},
      {{help, K(Qt::Key_L)}, "miLegend"},
      {downs({help}, 3), "miHints"},
      {{help, K(Qt::Key_A)}, "miAbout"},
      // Shortcuts, pressed in the grid.
      {{ctrl(Qt::Key_S)}, "miSaveDiff"},
      {{ctrl(Qt::Key_P)}, "miPrintDiff"},
      {{ctrl(Qt::Key_D)}, "miCompare"},
      {{ctrl(Qt::Key_T)}, "miTakeSnapshot"},
      {{ctrl(Qt::Key_R)}, "miResetDiff"},
      {{ctrl(Qt::Key_C)}, "miCopy"},
      {{ctrl(Qt::Key_F)}, "miSearch"},
      {{K(Qt::Key_F3)}, "miSearchNext"},
      {{alt(Qt::Key_I)}, "miInformation"},
      {{ctrl(Qt::Key_O)}, "miOpenFile"},
      {{ctrl(Qt::Key_U)}, "miUserTool"},
      {{alt(Qt::Key_S)}, "miOptions0"},
      {{alt(Qt::Key_F)}, "miOptions1"},
      {{alt(Qt::Key_U)}, "miOptions2"},
      {{K(Qt::Key_F1)}, "miHelpIndex"},
      {{ctrl(Qt::Key_Delete)}, "pmRemove"},
  };
  // The sort items without an accelerator, by arrows from the first.
  for (int tag : {2, 3, 4, 5, 6, 8, 9, 10})
    cases.push_back({downs({action, K(Qt::Key_O)}, tag - 1), "miSort" + std::to_string(tag)});
  // The Options menu by its accelerators.
  const Qt::Key pages[] = {Qt::Key_S, Qt::Key_F, Qt::Key_U, Qt::Key_D, Qt::Key_L, Qt::Key_P, Qt::Key_B, Qt::Key_T};
  for (int page = 0; page < 8; ++page) cases.push_back({{options, K(pages[page])}, "miOptions" + std::to_string(page)});

  std::set<std::string> reached;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.entry);
    const char* name = k.entry.c_str();
    QAction* target = entry(name) ? entry(name) : window.gridPopup()->action(name);
    ASSERT_NE(target, nullptr);
    QSignalSpy spy(target, &QAction::triggered);
    for (const K& key : k.keys) {
      enableAll();
      QWidget* to = QApplication::activePopupWidget();
      if (!to) to = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
      QTest::keyClick(to, key.key(), key.keyboardModifiers());
    }
    EXPECT_EQ(spy.count(), 1);
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    window.grid()->setFocus();
    reached.insert(k.entry);
  }
  // Every visible entry of the menus was reached; the popup's others are the menus' own.
  for (QAction* a : entries) {
    if (a->isVisible() && !a->menu() && !a->objectName().startsWith(QStringLiteral("pm"))) {
      EXPECT_TRUE(reached.count(a->objectName().toStdString())) << a->objectName().toStdString();
    }
  }
}

// A right click on a data row points at it and opens the popup at the cursor; the menu key
// opens it at the current cell. On a header or below the last row nothing opens.
TEST_F(MainMenuTest, ThePopupOpensOnADataRowWithItsEntries) {
  ChooseSetDirectory(program, Side::New, t.path("new"));
  ChooseSetDirectory(program, Side::Old, t.path("old"));
  Diff(program);
  QMenu* popup = window.gridPopup()->menu();
  QStringList captions;
  for (QAction* a : popup->actions())
    if (!a->isSeparator()) captions << a->text() + (a->shortcut().isEmpty() ? QString() : "\t" + a->shortcut().toString());
  EXPECT_EQ(captions.join(QStringLiteral(" | ")),
            "&Informations... | &Open file...\tCtrl+O | &User tool...\tCtrl+U | &Copy to Clipboard\tCtrl+C | "
            "Remove from list\tCtrl+Del | &Synchronize directories... | &File operations... | &Search...");

  ResultsGrid* grid = window.grid();
  const QPoint at = grid->cellRect(2, 6).center();  // gone.txt, an Old column
  QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(window.gridPopup()->openedAt(), grid->viewport()->mapToGlobal(at));
  EXPECT_EQ(label("LPopupFileName"), "gone.txt");
  EXPECT_EQ(window.pointer().pointed.row, 3);
  EXPECT_FALSE(window.pointer().pointed.newSide);
  popup->close();

  // A right click does not move the selection: the selected side is still the current
  // cell's (a New column), so Copy is enabled.
  EXPECT_TRUE(window.gridPopup()->action("pmCopy")->isEnabled());
  EXPECT_TRUE(window.gridPopup()->action("pmRemove")->isEnabled());
  EXPECT_TRUE(window.gridPopup()->action("pmInformations")->isEnabled());  // gone.txt is pointed

  QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, grid->cellRect(-1, 2).center());
  EXPECT_FALSE(popup->isVisible());
  EXPECT_EQ(label("LPopupFileName"), "gone.txt");  // the header points at nothing and keeps the text

  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(label("LPopupFileName"), "changed.txt");  // a key-up points at the current cell
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), grid->mapToGlobal(QPoint(0, 0)));
  QApplication::sendEvent(grid, &key);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(window.gridPopup()->openedAt(), grid->viewport()->mapToGlobal(grid->cellRect(1, 1).center()));
  popup->close();

  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(window.gridPopup()->openedAt(), grid->viewport()->mapToGlobal(grid->cellRect(2, 1).center()));
  popup->close();

  QTest::keyClick(grid, Qt::Key_Down);
  QTest::keyClick(grid, Qt::Key_Menu);
  EXPECT_TRUE(popup->isVisible());
  EXPECT_EQ(window.gridPopup()->openedAt(), grid->viewport()->mapToGlobal(grid->cellRect(3, 1).center()));
  popup->close();
}

}  // namespace
}  // namespace quorvane::ui
