// The main window driven as a user would: choosing sets by button, history and drop,
// Diff and Reset, the status bar, and quitting with and without the save prompt.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <deque>

#include "program/report_writers.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"
#include "ui/grid/results_grid.h"
#include "ui/main_window/idle_hint_panel.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/scripted_window_interface.h"

namespace quorvane::ui {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : program(ui, readers, writers), window(program) {
    ui.setMainWindow(&window);
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    t.file("new/same.txt", "same");
    t.file("new/changed.txt", "new content");
    t.file("old/same.txt", "same");
    t.file("old/changed.txt", "old");
    t.file("old/gone.txt", "gone");
    window.resize(1000, 500);
    window.show();
  }

  void click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  QString label(const char* name) const { return window.statusLabel(name)->text(); }

  void drop(int x, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
    data.setUrls(urls);
    // A drop reaches the widget that accepted the drag's entry, as in a real drag.
    QDragEnterEvent enter(QPoint(x, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent event(QPointF(x, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  }

  test::TempIni ini;
  test::TempTree t;
  test::ScriptedWindowInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
  MainWindow window;
};

TEST_F(MainWindowTest, ButtonsChooseTheSetsAndDiffShowsTheGrid) {
  EXPECT_FALSE(window.diffButton()->isEnabled());
  EXPECT_FALSE(window.resetButton()->isEnabled());
  EXPECT_EQ(window.setLabelText(Side::New), "<Empty>");
  EXPECT_FALSE(window.grid()->isVisible());

  ui.dialogAnswers = {t.path("new"), t.path("old")};
  click(window.setButton(0));
  EXPECT_FALSE(window.diffButton()->isEnabled());
  click(window.setButton(2));
  EXPECT_TRUE(window.diffButton()->isEnabled());
  EXPECT_TRUE(window.setLabelText(Side::New).startsWith(QString::fromStdString(t.path("new/"))));
  EXPECT_TRUE(window.setLabelText(Side::Old).startsWith(QString::fromStdString(t.path("old/"))));

  click(window.diffButton());
  EXPECT_TRUE(window.grid()->isVisible());
  EXPECT_EQ(label("LMatching"), "3 of 3 files matching filter");
  EXPECT_TRUE(window.resetButton()->isEnabled());
  EXPECT_FALSE(window.diffButton()->isEnabled());

  click(window.resetButton());
  EXPECT_FALSE(window.grid()->isVisible());
  EXPECT_TRUE(window.diffButton()->isEnabled());
  EXPECT_EQ(label("LMatching"), "0 of 0 files matching filter");
}

TEST_F(MainWindowTest, TheHistoryPopUpListsTheHistoryAndChoosingKeepsItsOrder) {
  program.settings.History.Dirs = {t.path("old"), t.path("new")};
  program.settings.History.Files = {t.path("x.snp")};
  QMenu* menu = window.historyMenu(2);
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->text().toStdString(), t.path("old"));
  EXPECT_EQ(menu->actions()[1]->text().toStdString(), t.path("new"));
  menu->actions()[1]->trigger();
  EXPECT_EQ(program.comparison.State.OldSet.Root, t.path("new/"));
  EXPECT_EQ(program.settings.History.Dirs, (std::vector<std::string>{t.path("old"), t.path("new")}));

  EXPECT_EQ(window.historyMenu(1)->actions().size(), 1);
  EXPECT_EQ(window.historyMenu(3)->actions()[0]->text().toStdString(), t.path("x.snp"));
}

TEST_F(MainWindowTest, DropsOnEachHalfChooseThatSide) {
  drop(100, {t.path("new")});
  drop(900, {t.path("old")});
  EXPECT_EQ(program.comparison.State.NewSet.Root, t.path("new/"));
  EXPECT_EQ(program.comparison.State.OldSet.Root, t.path("old/"));
  EXPECT_TRUE(window.diffButton()->isEnabled());
  EXPECT_TRUE(ui.messages.empty());

  drop(510, {t.path("new")});
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("File or directory dropped too close", 0), 0u);
}

TEST_F(MainWindowTest, QuittingAsksOnlyWhileResultsAreUnsaved) {
  program.settings.QuitSave = true;
  ChooseSetDirectory(program, Side::New, t.path("new"));
  ChooseSetDirectory(program, Side::Old, t.path("old"));
  click(window.diffButton());
  ASSERT_FALSE(program.comparison.State.ResultsSaved);

  ui.answers = {platform::Answer::Cancel};
  EXPECT_FALSE(window.close());
  EXPECT_FALSE(program.ended);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].rfind("The Diff or Snapshot currently in memory", 0), 0u);

  program.comparison.State.ResultsSaved = true;
  EXPECT_TRUE(window.close());
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(program.ended);
  EXPECT_EQ(program.exitCode, 0);
}

TEST_F(MainWindowTest, TheStatusBarShowsTheIndicators) {
  EXPECT_EQ(label("LWildCard"), "*.*");
  EXPECT_EQ(label("LFilterActive"), "Filter");
  EXPECT_EQ(label("LCRCActive"), "No CRC");
  EXPECT_EQ(label("LMaskActive"), "Mask");
  EXPECT_EQ(label("LInclExclActive"), "Dirs");
  EXPECT_EQ(label("LPopupFileName"), "<no file selected>");
  program.comparison.IncludeDirs.Add("x");
  window.refreshIndicators();
  EXPECT_TRUE(window.statusLabel("LInclExclActive")->styleSheet().contains("#0000FF"));
  EXPECT_TRUE(window.statusLabel("LFilterActive")->styleSheet().contains("#808080"));
}

// "Enable hints when idle": every fourth tick the next hint, beside what it talks about,
// until the File Set menu opens or results show.
TEST_F(MainWindowTest, IdleHintsCycleUntilTheFileSetMenuOpensOrResultsShow) {
  const QLabel* hint = window.hintPanel();
  window.hintPanel()->timer()->setInterval(2);
  window.mainMenu()->action("miHints")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint->isVisible(); }));
  EXPECT_EQ(hint->text(), view::kIdleHintTexts[0]);
  const QWidget* area = hint->parentWidget();
  EXPECT_EQ(hint->x(), area->width() / 4 - hint->width() / 2);
  EXPECT_EQ(hint->y(), (area->height() - hint->height()) / 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint->text() == view::kIdleHintTexts[2]; }));
  const QToolButton* newDir = window.setButton(0);
  EXPECT_EQ(hint->x(), newDir->mapTo(area, QPoint(newDir->width() / 2, 0)).x());
  EXPECT_EQ(hint->y(), newDir->mapTo(area, QPoint(0, newDir->height())).y() + 8);

  emit window.mainMenu()->fileSetMenu()->aboutToShow();
  EXPECT_FALSE(hint->isVisible());
  EXPECT_FALSE(window.hintPanel()->timer()->isActive());

  window.mainMenu()->action("miHints")->trigger();
  ChooseSetDirectory(program, Side::New, t.path("new"));
  ChooseSetDirectory(program, Side::Old, t.path("old"));
  click(window.diffButton());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.hintPanel()->timer()->isActive(); }));
  EXPECT_FALSE(hint->isVisible());
}

// A column dragged wider is remembered; the Old set's label moves only when a New column
// changed.
TEST_F(MainWindowTest, DraggedColumnWidthsAreKeptAndMoveTheOldLabelWithTheNewColumns) {
  ChooseSetDirectory(program, Side::New, t.path("new"));
  ChooseSetDirectory(program, Side::Old, t.path("old"));
  click(window.diffButton());
  ResultsGrid* grid = window.grid();
  const QWidget* oldPanel = window.findChild<QLabel*>(QStringLiteral("OldLabel"))->parentWidget();
  const auto drag = [&](int column, int by) {
    const QPoint edge(grid->cellRect(-1, column).right() + 1, grid->rowPitch() / 2);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, edge);
    QMouseEvent move(QEvent::MouseMove, QPointF(edge + QPoint(by, 0)), grid->viewport()->mapToGlobal(QPointF(edge + QPoint(by, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, edge + QPoint(by, 0));
  };
  const int oldX = oldPanel->x();
  const int width2 = grid->columnLayout().widths[2];
  drag(2, 30);
  EXPECT_EQ(grid->columnLayout().widths[2], width2 + 30);
  EXPECT_EQ(program.settings.ColWidths[1], width2 + 30);
  EXPECT_EQ(oldPanel->x(), oldX + 30);

  const int width7 = grid->columnLayout().widths[7];
  drag(7, -10);
  EXPECT_EQ(program.settings.ColWidths[6], width7 - 10);
  EXPECT_EQ(oldPanel->x(), oldX + 30);
}

}  // namespace
}  // namespace quorvane::ui
