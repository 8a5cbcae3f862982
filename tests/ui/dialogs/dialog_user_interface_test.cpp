// The contract as the windows implement it: each call reaches its window, and the print
// progress window's Abort stops a writer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QPushButton>
#include <QTextBrowser>

#include "reports/writer_progress.h"
#include "ui/dialogs/busy_window.h"
#include "ui/dialogs/dialog_user_interface.h"
#include "ui/dialogs/file_message_dialog.h"
#include "ui/dialogs/file_type_dialog.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/print_progress_window.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/dialogs/status_window.h"
#include "ui/help/help_window.h"

namespace quorvane::ui {
namespace {

TEST(DialogUserInterfaceTest, PrintProgressAbortWhileWritingThenCloseAfterwards) {
  DialogUserInterface ui;
  std::uint64_t now = 0;
  WriterProgress progress(ui, [&] { return now; });
  progress.Open("Saving", "Saving r.dif", "---");
  PrintProgressWindow* w = ui.printProgressWindow();
  auto* button = w->findChild<QPushButton*>("BitBtn1");
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(w->isModal());
  EXPECT_EQ(w->windowTitle(), "Saving");
  EXPECT_EQ(w->findChild<QLabel*>("LStatus")->text(), "Saving r.dif");
  EXPECT_EQ(w->findChild<QLabel*>("LStatus2")->text(), "---");
  EXPECT_EQ(button->text(), "&Abort");

  now = 300;
  EXPECT_FALSE(progress.Step(50, 100));
  EXPECT_EQ(w->findChild<QProgressBar*>("ProgressBar")->value(), 50);
  button->click();  // no question: the writer stops at its next refresh
  now = 600;
  EXPECT_TRUE(progress.Step(60, 100));

  bool modal = false;
  test::WhenModal<PrintProgressWindow>([&](PrintProgressWindow* shown) {
    modal = true;
    EXPECT_EQ(shown->findChild<QPushButton*>("BitBtn1")->text(), "&Close");
    shown->findChild<QPushButton*>("BitBtn1")->click();
  });
  progress.Close("Aborted", false, false, false);
  EXPECT_TRUE(modal);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(w->findChild<QLabel*>("LStatus2")->text(), "Aborted");
}

TEST(DialogUserInterfaceTest, EachCallReachesItsWindow) {
  DialogUserInterface ui;

  ui.busyShow("Filtering and sorting ...   0 %");
  ui.busyBar(50);
  EXPECT_TRUE(ui.busyWindow()->isVisible());
  EXPECT_EQ(ui.busyWindow()->filledWidth(), BusyWindow::kBarWidth / 2);
  ui.busyHide();
  EXPECT_FALSE(ui.busyWindow()->isVisible());

  test::WhenModal<FileMessageDialog>([](FileMessageDialog* d) { d->findChild<QPushButton*>("bnSkipAll")->click(); });
  EXPECT_EQ(ui.askFileAction("Error opening : a", "/t/a", "&Retry", "", ""), platform::FileAction::SkipAll);

  test::WhenModal<FileTypeDialog>([](FileTypeDialog* d) {
    d->item(3)->click();
    d->findChild<QPushButton*>("bnOK")->click();
  });
  EXPECT_EQ(ui.chooseFileType(), 4);

  test::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Retry)->click(); });
  EXPECT_EQ(ui.message("x", platform::MessageKind::Error, platform::MessageButtons::AbortRetry),
            platform::Answer::Retry);

  platform::StatusSummary summary;
  summary.filesCompared = 7;
  summary.saved = true;
  QString compared, saved;
  test::WhenModal<StatusWindow>([&](StatusWindow* w) {
    compared = w->findChild<QLabel*>("LCompared")->text();
    saved = w->findChild<QLabel*>("LSaveStatus")->text();
    w->accept();
  });
  ui.showStatusWindow(summary);
  EXPECT_EQ(compared, "7");
  EXPECT_EQ(saved, "Saved");

  ui.openHelpTopic("Legend");
  EXPECT_TRUE(ui.helpWindow()->isVisible());
  EXPECT_EQ(ui.helpWindow()->currentTopic(), "Legend");
}

TEST(DialogUserInterfaceTest, TheHelpButtonsOpenTheirTopics) {
  DialogUserInterface ui;
  test::WhenModal<FileTypeDialog>([](FileTypeDialog* d) {
    d->findChild<QPushButton*>("bnHelp")->click();
    d->reject();
  });
  ui.chooseFileType();
  EXPECT_EQ(ui.helpWindow()->currentTopic(), "Choose_file_type");
}

TEST(DialogUserInterfaceTest, TheProgressWindowOpensModelessAndItsAbortSetsTheOneFlag) {
  DialogUserInterface ui;
  ui.progressOpen({"New directory :", "/n/", "Old directory :", "/o/"});
  ui.progressButton(platform::ProgressButton::Abort);
  ProgressDialog* d = ui.progressDialog();
  EXPECT_TRUE(d->isVisible());
  EXPECT_FALSE(d->isModal());
  test::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
  d->findChild<QPushButton*>("BitBtn1")->click();
  EXPECT_TRUE(ui.abortRequested());
  EXPECT_FALSE(d->isVisible());
}

TEST(DialogUserInterfaceTest, SplashStatusShowsOnlyWhileTheSplashIsUp) {
  DialogUserInterface ui;
  ui.splash()->show();
  ui.splashStatus("Init Colors");
  EXPECT_EQ(ui.splash()->status(), "Init Colors");
  ui.splash()->close();
  ui.splashStatus("Init Memory");
  EXPECT_EQ(ui.splash()->status(), "Init Colors");
}

TEST(DialogUserInterfaceTest, DialogsFollowTheParentWindow) {
  auto* main = new QWidget;
  {
    DialogUserInterface ui;
    ui.setParentWindow(main);
    EXPECT_EQ(ui.progressDialog()->parentWidget(), main);
    EXPECT_EQ(ui.statusWindow()->parentWidget(), main);
    EXPECT_TRUE(ui.statusWindow()->isWindow());
  }
  delete main;  // the windows went with the interface, not twice
  DialogUserInterface ui;
  auto* other = new QWidget;
  ui.setParentWindow(other);
  delete other;  // a parent that goes first takes its dialogs along
  EXPECT_EQ(ui.aboutBox(), nullptr);
}

}  // namespace
}  // namespace quorvane::ui
