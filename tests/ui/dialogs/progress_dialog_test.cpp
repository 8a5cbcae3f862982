// The comparison progress window: its Abort question, its keys and what it shows.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "support/recording_user_interface.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/dialogs/scan_bar.h"

namespace quorvane::ui {
namespace {

using platform::ProgressButton;

class ProgressDialogTest : public ::testing::Test {
 protected:
  ProgressDialogTest() : dialog(ui) {
    dialog.openFor({"New directory :", "/data/new/", "Old archive :", "/data/old.zip"});
    dialog.setButton(ProgressButton::Abort);
  }
  QPushButton* button() { return dialog.findChild<QPushButton*>("BitBtn1"); }
  QString label(const char* name) { return dialog.findChild<QLabel*>(name)->text(); }

  test::RecordingUserInterface ui{nullptr};
  ProgressDialog dialog;
};

TEST_F(ProgressDialogTest, AbortConfirmedWithOkSetsTheFlagAndHides) {
  QString asked;
  test::WhenModal<QMessageBox>([&](QMessageBox* box) {
    asked = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  button()->click();
  EXPECT_EQ(asked, " Interrupted : Click Ok to abort the scanning process");
  EXPECT_TRUE(ui.abortRequested());
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressDialogTest, AbortAnsweredWithCancelGoesOnReading) {
  test::WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
  button()->click();
  EXPECT_FALSE(ui.abortRequested());
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ProgressDialogTest, EscapeWhileReadingAsksAsTheAbortButtonDoes) {
  bool asked = false;
  test::WhenModal<QMessageBox>([&](QMessageBox* box) {
    asked = true;
    box->button(QMessageBox::Ok)->click();
  });
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(asked);
  EXPECT_TRUE(ui.abortRequested());
}

TEST_F(ProgressDialogTest, EnterWhileReadingDoesNothing) {
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(ui.abortRequested());
}

TEST_F(ProgressDialogTest, OnceTheButtonIsCloseEscapeOrEnterCloseTheModalWindow) {
  dialog.setButton(ProgressButton::Close);
  EXPECT_EQ(button()->text(), "&Close");
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    dialog.hide();
    bool wasModal = false;
    test::WhenModal<ProgressDialog>([&](ProgressDialog* d) {
      wasModal = true;
      QTest::keyClick(d, key);
    });
    dialog.showModal();
    EXPECT_TRUE(wasModal) << key;
    EXPECT_FALSE(dialog.isVisible()) << key;
  }
  EXPECT_FALSE(ui.abortRequested());
}

TEST_F(ProgressDialogTest, ShowsTheSetsFiguresAndWarning) {
  EXPECT_EQ(label("LNewCaption"), "New directory :");
  EXPECT_EQ(label("NewLabel"), "/data/new/");
  EXPECT_EQ(label("LOldCaption"), "Old archive :");
  EXPECT_EQ(label("OldLabel"), "/data/old.zip");
  dialog.setStatus("Scanning NEW set of files   ");
  dialog.setCurrentPath(quorvane::Side::New, "/data/new/sub/");
  dialog.setFigures({"1,234", "56", "00:01:02", "7", true});
  EXPECT_EQ(label("StatusLabel"), "Scanning NEW set of files   ");
  EXPECT_EQ(label("NewLabel"), "/data/new/sub/");
  EXPECT_EQ(label("LNbFiles"), "1,234");
  EXPECT_EQ(label("LKbRead"), "56");
  EXPECT_EQ(label("LElapsed"), "00:01:02");
  EXPECT_EQ(label("LRate"), "7 kb/s");
  EXPECT_TRUE(dialog.findChild<QLabel*>("LWarningPath")->isVisible());
}

TEST_F(ProgressDialogTest, TheBarFillsOrMovesItsBlockBackAndForth) {
  dialog.bar()->resize(40, 10);
  dialog.setBar(55);
  EXPECT_EQ(dialog.bar()->percent(), 55);
  dialog.setBar(250);
  EXPECT_EQ(dialog.bar()->percent(), 100);
  // Unknown length: the block goes right to the end, then back.
  const int last = 40 - 2 - ScanBar::kBlockWidth;
  int highest = 0;
  bool cameBack = false;
  for (int i = 0; i < 40; ++i) {
    dialog.setBar(-1);
    const int at = dialog.bar()->blockPosition();
    EXPECT_GE(at, 0);
    EXPECT_LE(at, last);
    if (at < highest) cameBack = true;
    highest = std::max(highest, at);
  }
  EXPECT_EQ(highest, last);
  EXPECT_TRUE(cameBack);
}

}  // namespace
}  // namespace quorvane::ui
