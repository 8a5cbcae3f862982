// "Choose an action" and the file type chooser: which button gives which answer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/dialogs/file_message_dialog.h"
#include "ui/dialogs/file_type_dialog.h"
#include "ui/dialogs/modal_answer.h"

namespace quorvane::ui {
namespace {

using platform::FileAction;

TEST(FileMessageDialogTest, EachButtonGivesItsAction) {
  FileMessageDialog dialog;
  const std::pair<const char*, FileAction> cases[] = {
      {"bnRetry", FileAction::Primary}, {"bnReplaceAll", FileAction::All}, {"bnSkip", FileAction::Skip},
      {"bnSkipAll", FileAction::SkipAll}, {"bnAbort", FileAction::Abort},
  };
  for (const auto& [name, action] : cases) {
    test::WhenModal<FileMessageDialog>([name = name](FileMessageDialog* d) {
      d->findChild<QPushButton*>(name)->click();
    });
    EXPECT_EQ(dialog.ask("Replace existing file ?", "/t/a.txt", "&Replace", "Replace &all", ""), action) << name;
  }
}

TEST(FileMessageDialogTest, EscapeAnswersAbort) {
  FileMessageDialog dialog;
  test::WhenModal<FileMessageDialog>([](FileMessageDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
  EXPECT_EQ(dialog.ask("Error opening : a.txt", "/t/a.txt", "&Retry", "", ""), FileAction::Abort);
}

TEST(FileMessageDialogTest, ShowsItsLinesAndHidesWhatThePromptLacks) {
  FileMessageDialog dialog;
  dialog.show();
  auto label = [&](const char* name) { return dialog.findChild<QLabel*>(name); };
  auto button = [&](const char* name) { return dialog.findChild<QPushButton*>(name); };

  dialog.fill("Error opening : a.txt", "/t/a.txt", "&Retry", "", "Permission denied");
  EXPECT_EQ(dialog.windowTitle(), "Choose an action");
  EXPECT_EQ(label("Label1")->text(), "Error opening : a.txt");
  EXPECT_EQ(label("Label2")->text(), "/t/a.txt");
  EXPECT_EQ(label("LReason")->text(), "Permission denied");
  EXPECT_TRUE(label("LReason")->isVisible());
  EXPECT_EQ(button("bnRetry")->text(), "&Retry");
  EXPECT_FALSE(button("bnReplaceAll")->isVisible());
  EXPECT_EQ(button("bnSkip")->text(), "&Skip");
  EXPECT_EQ(button("bnSkipAll")->text(), "Skip &all");

  dialog.fill("Delete file ?", "/t/b.txt", "&Delete", "Delete &all", "");
  EXPECT_TRUE(button("bnReplaceAll")->isVisible());
  EXPECT_EQ(button("bnReplaceAll")->text(), "Delete &all");
  EXPECT_FALSE(label("LReason")->isVisible());
}

TEST(FileTypeDialogTest, OkGivesTheItemsSetKindCancelNothingAndTheChoiceStays) {
  FileTypeDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "Choose file type");
  EXPECT_EQ(dialog.checkedIndex(), 0);
  EXPECT_EQ(dialog.item(7)->text(), "SNP, LST (Quorvane Snapshots)");
  const std::uint8_t kinds[FileTypeDialog::kItemCount] = {1, 2, 3, 4, 5, 6, 7, 9};
  for (int i = 0; i < FileTypeDialog::kItemCount; ++i) {
    test::WhenModal<FileTypeDialog>([i](FileTypeDialog* d) {
      d->item(i)->click();
      d->findChild<QPushButton*>("bnOK")->click();
    });
    EXPECT_EQ(dialog.choose(), kinds[i]) << "item " << i;
  }
  test::WhenModal<FileTypeDialog>([](FileTypeDialog* d) { d->findChild<QPushButton*>("bnCancel")->click(); });
  EXPECT_EQ(dialog.choose(), 0);
  EXPECT_EQ(dialog.checkedIndex(), 7);  // the last choice is offered again
  test::WhenModal<FileTypeDialog>([](FileTypeDialog* d) { d->findChild<QPushButton*>("bnOK")->click(); });
  EXPECT_EQ(dialog.choose(), 9);
}

}  // namespace
}  // namespace quorvane::ui
