// The operation status window: it shows the core's status model, fills its list from
// the model on demand (a hundred thousand rows included), and hands Abort, Escape, Close
// and "Slow Simulation" back to the model.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "engine/file_list.h"
#include "fileops/scripted_user_interface.h"
#include "ui/fileops/file_op_status_window.h"
#include "ui/fileops/status_list_model.h"

namespace quorvane::ui {
namespace {

using fileops::OutcomeCode;

class StatusWindowTest : public ::testing::Test {
 protected:
  StatusWindowTest() : window(status, ui) {
    ScanRecord r;
    r.Path = "sub\\a.txt";
    entry = list.CreateEntry(r, Side::New);
  }
  QString label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
  QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }
  QTableView* view() { return window.findChild<QTableView*>("LVStatus"); }

  FileList list;
  const FileEntry* entry = nullptr;
  fileops::ScriptedUserInterface ui;
  fileops::FileOpStatusModel status;
  TfrmFileOpStatus window;
};

TEST_F(StatusWindowTest, ShowsTheModel) {
  status.ResetStatus(true, 1, 4);
  EXPECT_EQ(window.windowTitle(), "File operation status - SIMULATION MODE");
  EXPECT_FALSE(window.findChild<QLabel*>("LSimulation0")->isHidden());
  EXPECT_TRUE(window.findChild<QCheckBox*>("cbSlowSimulation")->isEnabled());
  status.StartFile("COPYING sub\\a.txt", "/data/new/", 1000, 3, "/data/old/");
  status.SetFileProgress(500);
  ++status.Counters().Created;
  ++status.Counters().Errors;
  status.RefreshTotal();
  EXPECT_EQ(label("LStatus"), "COPYING sub\\a.txt");
  EXPECT_EQ(label("LSource"), "/data/new/");
  EXPECT_EQ(label("LDest"), "/data/old/");
  EXPECT_EQ(window.findChild<QProgressBar*>("ProgressBarFile")->value(), 50);
  EXPECT_EQ(window.findChild<QProgressBar*>("ProgressBarTotal")->value(), 75);
  EXPECT_EQ(label("LCompletion"), "3 of 4 (75 %)");
  EXPECT_EQ(label("LCreated"), "1");
  EXPECT_EQ(label("LErrors"), "1");
  EXPECT_TRUE(window.findChild<QLabel*>("LErrors")->styleSheet().contains("red"));
  status.ResetStatus(false, 1, 0);
  EXPECT_EQ(window.windowTitle(), "File operation status");
  EXPECT_TRUE(window.findChild<QLabel*>("LSimulation0")->isHidden());
  EXPECT_FALSE(window.findChild<QCheckBox*>("cbSlowSimulation")->isEnabled());
  EXPECT_EQ(label("LCreated"), "0");
  EXPECT_FALSE(window.findChild<QLabel*>("LErrors")->styleSheet().contains("red"));
}

TEST_F(StatusWindowTest, RowsComeFromTheModelWithTheirCaptions) {
  status.ResetStatus(true, 1, 3);
  status.AddResult(0, OutcomeCode::Ok, *entry, "");
  status.AddResult(4, OutcomeCode::ReadError, *entry, "");
  QCoreApplication::processEvents();
  ASSERT_EQ(window.shownRows(), 2);
  QAbstractItemModel* rows = view()->model();
  EXPECT_EQ(rows->headerData(0, Qt::Horizontal).toString(), "Status");
  EXPECT_EQ(rows->headerData(1, Qt::Horizontal).toString(), "Filename");
  EXPECT_EQ(rows->data(rows->index(0, 0)).toString(), "Simulation Ok");
  EXPECT_EQ(rows->data(rows->index(1, 0)).toString(), "Read error");
  EXPECT_EQ(rows->data(rows->index(1, 1)).toString(), "sub\\a.txt");
  EXPECT_FALSE(rows->data(rows->index(1, 0), Qt::DecorationRole).isNull());
  EXPECT_EQ(view()->columnWidth(0), 144);
  EXPECT_EQ(view()->columnWidth(1), 512);
  status.ResetStatus(false, 1, 0);
  EXPECT_EQ(window.shownRows(), 0) << "emptied at once";
}

TEST_F(StatusWindowTest, TheTrashAndTheReasonOfASkippedFileAreShown) {
  status.ResetStatus(false, 1, 2);
  status.setTrashInUse(true);
  ++status.Counters().Deleted;
  ++status.Counters().Replaced;
  status.UpdateCounters();
  EXPECT_EQ(label("LDeleted"), "1 (trash)");
  EXPECT_EQ(label("LReplaced"), "1 (trash)");
  EXPECT_EQ(label("LCreated"), "0");
  status.AddResult(0, OutcomeCode::Skip, *entry, "", "changed on disk since the comparison");
  status.AddResult(0, OutcomeCode::Skip, *entry, "");
  QCoreApplication::processEvents();
  QAbstractItemModel* rows = view()->model();
  EXPECT_EQ(rows->data(rows->index(0, 0)).toString(), "Skip (changed on disk since the comparison)");
  EXPECT_EQ(rows->data(rows->index(1, 0)).toString(), "Skip");
  status.setTrashInUse(false);
  EXPECT_EQ(label("LDeleted"), "1");
}

TEST_F(StatusWindowTest, AHundredThousandRowsReachTheListSmoothly) {
  window.showModeless();
  status.ResetStatus(false, 1, 100'000);
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < 100'000; ++i) {
    status.AddResult(static_cast<std::uint8_t>(i % 8), OutcomeCode::Ok, *entry, "");
    if (i % 2000 == 0) QCoreApplication::processEvents();  // the engine pumps as it goes
  }
  QCoreApplication::processEvents();
  EXPECT_LT(timer.elapsed(), 3000);
  EXPECT_EQ(window.shownRows(), 100'000);
  EXPECT_EQ(view()->model()->rowCount(), 100'000);
  window.hideWindow();
}

TEST_F(StatusWindowTest, AbortAsksAndSetsTheFlagThenCloseEndsTheModalWindow) {
  status.ResetStatus(false, 1, 1);
  ui.scriptAnswer(platform::Answer::Ok);
  button("bnAbort")->click();
  EXPECT_TRUE(ui.abortRequested());
  EXPECT_FALSE(button("bnAbort")->isEnabled());
  ASSERT_EQ(ui.questions().size(), 1u);
  EXPECT_EQ(ui.questions()[0].text, " Interrupted : Click Ok to abort the current operation");

  status.ShowComplete();
  EXPECT_EQ(button("bnAbort")->text(), "Close");
  EXPECT_TRUE(button("bnAbort")->isEnabled());
  QTimer::singleShot(50, [&] { button("bnAbort")->click(); });
  window.showModal();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(label("LStatus"), "Complete.");
}

TEST_F(StatusWindowTest, EscapeWhileRunningAsksAsAbortDoes) {
  status.ResetStatus(false, 1, 1);
  window.showModeless();
  ui.scriptAnswer(platform::Answer::Cancel);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_EQ(ui.questions().size(), 1u);
  EXPECT_FALSE(ui.abortRequested());
  EXPECT_TRUE(window.isVisible());
  window.hideWindow();
}

TEST_F(StatusWindowTest, SlowSimulationIsTheModelsFlag) {
  status.ResetStatus(true, 1, 1);
  auto* box = window.findChild<QCheckBox*>("cbSlowSimulation");
  EXPECT_TRUE(box->isChecked());
  box->click();
  EXPECT_FALSE(status.SlowSimulation());
}

TEST(StatusPictures, EveryDisplayCodeHasItsOwnPicture) {
  std::vector<QImage> pictures;
  for (std::uint8_t code = 0; code < 8; ++code) pictures.push_back(StatusListModel::Picture(code).toImage());
  for (std::size_t a = 0; a < pictures.size(); ++a)
    for (std::size_t b = a + 1; b < pictures.size(); ++b) EXPECT_NE(pictures[a], pictures[b]) << a << " " << b;
}

}  // namespace
}  // namespace quorvane::ui
