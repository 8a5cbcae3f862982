// A real comparison run through the windows: the progress window fills and waits for
// Close, the status window follows; Abort in the progress window stops the run.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "program/program.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/temp_tree.h"
#include "ui/dialogs/dialog_user_interface.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/dialogs/status_window.h"

namespace quorvane::ui {
namespace {

class ComparisonWindowsTest : public ::testing::Test {
 protected:
  ComparisonWindowsTest() : program(ui, readers, writers) {
    tree.file("new/same.txt", "same");
    tree.file("new/added.txt", "added");
    tree.file("old/same.txt", "same");
    tree.file("old/gone.txt", "gone");
    ChooseSetDirectory(program, Side::New, tree.path("new"));
    ChooseSetDirectory(program, Side::Old, tree.path("old"));
  }

  test::TempTree tree;
  DialogUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
};

TEST_F(ComparisonWindowsTest, TheProgressWindowWaitsWithTheTotalsThenTheStatusWindowShows) {
  program.settings.CloseProgressDlg = false;
  program.settings.ShowStatusDlg = true;
  QString status, files, button, compared, saved;
  test::WhenModal<ProgressDialog>([&](ProgressDialog* d) {
    status = d->findChild<QLabel*>("StatusLabel")->text();
    files = d->findChild<QLabel*>("LNbFiles")->text();
    button = d->findChild<QPushButton*>("BitBtn1")->text();
    QTest::keyClick(d, Qt::Key_Return);
    // The status window comes next.
    test::WhenModal<StatusWindow>([&](StatusWindow* w) {
      compared = w->findChild<QLabel*>("LCompared")->text();
      saved = w->findChild<QLabel*>("LSaveStatus")->text();
      QTest::keyClick(w, Qt::Key_Escape);
    });
  });
  Diff(program);
  EXPECT_EQ(status, "Operation complete");
  EXPECT_EQ(files, "4");
  EXPECT_EQ(button, "&Close");
  EXPECT_EQ(compared, "4");
  EXPECT_EQ(saved, "Not saved");
  EXPECT_EQ(program.comparison.Files.Count(), 3);
}

TEST_F(ComparisonWindowsTest, AbortInTheProgressWindowStopsTheRunAndEmptiesTheList) {
  program.settings.CloseProgressDlg = true;
  program.settings.ShowStatusDlg = false;
  // Every reading of the clock is 300 ms later: the run pumps events at every file.
  program.comparison.Progress.clock = [ms = std::uint64_t{0}]() mutable { return ms += 300; };
  bool asked = false;
  QTimer::singleShot(0, [&] {
    test::WhenModal<QMessageBox>([&](QMessageBox* box) {
      asked = true;
      box->button(QMessageBox::Ok)->click();
    });
    ui.progressDialog()->findChild<QPushButton*>("BitBtn1")->click();
  });
  Diff(program);
  EXPECT_TRUE(asked);
  EXPECT_TRUE(ui.abortRequested());
  EXPECT_FALSE(ui.progressDialog()->isVisible());
  EXPECT_EQ(program.comparison.Files.Count(), 0);
}

}  // namespace
}  // namespace quorvane::ui
