// The main window's commands on the displayed list and on one entry, driven by keys and
// clicks: F3 after a search, Alt+I, the grid's double click (Open file without the forced
// confirmation), Ctrl+U, and the View log entry, with a recording program starter.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"
#include "ui/dialogs/file_info_dialog.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/search_dialog.h"
#include "ui/grid/results_grid.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/scripted_window_interface.h"

namespace quorvane::ui {
namespace {

struct Started {
  std::vector<std::vector<std::string>> arguments;
};

class Recorder : public platform::ProgramStarter {
 public:
  explicit Recorder(Started& out) : out_(out) {}
  bool start(const std::vector<std::string>& arguments, bool) override {
    out_.arguments.push_back(arguments);
    return true;
  }
  std::optional<std::string> associatedProgram(const std::string&) override { return std::nullopt; }

 private:
  Started& out_;
};

class EntryCommandsTest : public ::testing::Test {
 protected:
  EntryCommandsTest() : program(ui, readers, writers), window(program) {
    ui.setMainWindow(&window);
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    program.settings.ConfirmDefaultViewer = false;
    program.settings.ConfirmUserTool = false;
    t.file("new/changed.txt", "new content");
    t.file("new/same.txt", "same");
    t.file("old/changed.txt", "old");
    t.file("old/gone.txt", "gone");
    t.file("old/same.txt", "same");
    window.setProgramStarter(std::make_unique<Recorder>(started));
    window.resize(1000, 500);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    ChooseSetDirectory(program, Side::New, t.path("new"));
    ChooseSetDirectory(program, Side::Old, t.path("old"));
    window.dispatch([&] { Diff(program); });  // rows: changed.txt, gone.txt, same.txt
  }

  QPoint cellCentre(int row, int column) const { return window.grid()->cellRect(row, column).center(); }

  test::TempIni ini;
  test::TempTree t;
  test::ScriptedWindowInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
  MainWindow window;
  Started started;
};

TEST_F(EntryCommandsTest, SearchMovesTheCurrentRowAndF3GoesOnFromIt) {
  ASSERT_EQ(program.comparison.Display.Count(), 3);
  test::WhenModal<TSearchDlg>([](TSearchDlg* d) {
    QTest::keyClicks(d->edit(), "T");
    d->searchButton()->click();
  });
  window.mainMenu()->action("miSearch")->trigger();
  EXPECT_EQ(window.grid()->currentRow(), 0);  // changed.txt
  window.activateWindow();  // back from the modal dialog
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(window.grid(), Qt::Key_F3);
  EXPECT_EQ(window.grid()->currentRow(), 1);  // gone.txt
  QTest::keyClick(window.grid(), Qt::Key_F3);
  EXPECT_EQ(window.grid()->currentRow(), 2);
  EXPECT_TRUE(ui.messages.empty());
  QTest::keyClick(window.grid(), Qt::Key_F3);  // the last row: nothing
  EXPECT_EQ(window.grid()->currentRow(), 2);
  EXPECT_TRUE(ui.messages.empty());
  window.grid()->setCurrentRow(1);
  window.searchDialog()->edit()->setText("same");
  QTest::keyClick(window.grid(), Qt::Key_F3);
  EXPECT_EQ(window.grid()->currentRow(), 2);
  window.grid()->setCurrentRow(1);
  window.searchDialog()->edit()->setText("changed");
  QTest::keyClick(window.grid(), Qt::Key_F3);  // no wrap
  EXPECT_EQ(ui.messages, std::vector<std::string>{"\"changed\" :\rNot found"});
}

TEST_F(EntryCommandsTest, AltIShowsTheFirstSelectedRowBesideTheGrid) {
  window.grid()->setCurrentRow(1);
  QString shown;
  QPoint at;
  test::WhenModal<TFileInfoDlg>([&](TFileInfoDlg* d) {
    shown = d->label("LName")->text() + "|" + d->label("LStatus")->text();
    at = d->pos();
    d->accept();
  });
  window.mainMenu()->action("miInformation")->trigger();
  EXPECT_EQ(shown, "gone.txt|Deleted   ");
  EXPECT_EQ(at, window.grid()->mapToGlobal(QPoint(16, 0)));
}

TEST_F(EntryCommandsTest, DoubleClickOpensTheFileAndCtrlURunsTheUserTool) {
  QTest::mouseDClick(window.grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(0, 1));
  ASSERT_EQ(started.arguments.size(), 1u);
  EXPECT_EQ(started.arguments[0], (std::vector<std::string>{"xdg-open", t.path("new/changed.txt")}));

  QTest::mouseClick(window.grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(0, 5));
  program.settings.DefaultUserTool = "meld";
  program.settings.DefaultUserParms = "%n %o";
  QTest::keyClick(window.grid(), Qt::Key_U, Qt::ControlModifier);
  ASSERT_EQ(started.arguments.size(), 2u);
  EXPECT_EQ(started.arguments[1],
            (std::vector<std::string>{"meld", t.path("new/changed.txt"), t.path("old/changed.txt")}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EntryCommandsTest, ViewLogSaysWhenTheLogIsMissing) {
  window.mainMenu()->action("miViewLog")->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("Log file not found :\r\n\r\n", 0), 0u);
  EXPECT_TRUE(started.arguments.empty());
}

}  // namespace
}  // namespace quorvane::ui
