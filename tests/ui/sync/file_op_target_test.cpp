// "..." of the file operations dialog asks the model's directory chooser and puts its
// answer in the target.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "ui/sync/file_op_dialog.h"

namespace quorvane::ui {
namespace {

TEST(FileOpTargetButton, TheChosenDirectoryBecomesTheTargetAndCancelKeepsIt) {
  FileOpDialogModel model;
  model.cbTo = "/before";
  std::optional<std::string> answer = "/chosen/Target Dir";
  int asked = 0;
  model.ChooseTarget = [&] {
    ++asked;
    return answer;
  };
  TFileOpDlg dialog;
  dialog.showModel(model);
  dialog.BnSelect->click();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(model.cbTo, "/chosen/Target Dir");  // letter case kept
  EXPECT_EQ(dialog.cbTo->currentText(), QStringLiteral("/chosen/Target Dir"));
  answer.reset();
  dialog.BnSelect->click();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(model.cbTo, "/chosen/Target Dir");
}

}  // namespace
}  // namespace quorvane::ui
