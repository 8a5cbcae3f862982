// The directory chooser and the include/exclude editor on the offscreen platform: clicks
// in the list reach the model and the indicator shows its count; the editor's memos
// become the lists by the line rules.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "support/temp_ini.h"
#include "support/temp_tree.h"
#include "ui/dialogs/directory_chooser_dialog.h"
#include "ui/dialogs/directory_lists_dialog.h"
#include "ui/dialogs/modal_answer.h"

namespace quorvane::ui {
namespace {

using Strings = std::vector<std::string>;

struct Chooser {
  Chooser() {
    for (const char* d : {"base/alpha", "base/beta", "base/gamma"}) t.dir(d);
    include.Add("beta");
    model.cbInclude = true;
    model.Show("Please select NEW directory", t.path("base"), true);
    dialog.showModel(model);
    dialog.show();
    dialog.list->doItemsLayout();
  }
  int row(const char* name) const {
    for (int i = 0; i < dialog.list->count(); ++i)
      if (dialog.list->item(i)->text() == QString::fromLatin1(name)) return i;
    ADD_FAILURE() << name;
    return 0;
  }
  void click(const char* name, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect r = dialog.list->visualItemRect(dialog.list->item(row(name)));
    QTest::mouseClick(dialog.list->viewport(), Qt::LeftButton, modifiers, r.center());
  }
  QString indicator() const { return dialog.bnDirs->text(); }

  test::TempTree t;
  SortedTextList include;
  SortedTextList exclude;
  DirectoryChooserModel model{include, exclude, [] { return Strings{"/"}; }};
  TOpenDirectoryDlg dialog;
};

TEST(DirectoryChooserWindow, TheIndicatorCountsTheSubdirectoriesAsTheyAreSelectedAndDeselected) {
  Chooser c;
  EXPECT_EQ(c.dialog.windowTitle(), QStringLiteral("Please select NEW directory"));
  EXPECT_TRUE(c.dialog.cbInclude->isChecked());
  // beta is in the include list, so it starts selected.
  EXPECT_TRUE(c.dialog.list->item(c.row("beta"))->isSelected());
  EXPECT_EQ(c.indicator(), QStringLiteral("1 Included directories"));

  c.click("alpha", Qt::ControlModifier);
  EXPECT_EQ(c.indicator(), QStringLiteral("2 Included directories"));
  c.click("gamma", Qt::ControlModifier);
  EXPECT_EQ(c.indicator(), QStringLiteral("3 Included directories"));
  c.click("beta", Qt::ControlModifier);  // deselected: the list's entry is taken out
  EXPECT_EQ(c.indicator(), QStringLiteral("2 Included directories"));
  c.click("gamma");  // a plain click keeps only the clicked one
  EXPECT_EQ(c.indicator(), QStringLiteral("1 Included directories"));
  EXPECT_FALSE(c.dialog.list->item(c.row("alpha"))->isSelected());
  c.click("gamma", Qt::ControlModifier);
  EXPECT_EQ(c.indicator(), QStringLiteral("0 Included directories"));
  // The ancestors cannot be selected.
  c.click("base", Qt::ControlModifier);
  EXPECT_EQ(c.indicator(), QStringLiteral("0 Included directories"));

  c.click("alpha");
  SortedTextList merged = c.include;
  c.model.MergeSelection(merged);
  EXPECT_EQ(merged.Items(), Strings{"alpha"});

  // Unticking the box leaves the count to the list.
  c.dialog.cbInclude->click();
  EXPECT_EQ(c.indicator(), QStringLiteral("1 Included directories"));
}

TEST(DirectoryChooserWindow, ABadNameTurnsTheCaptionAndADoubleClickOpensTheDirectory) {
  Chooser c;
  QLineEdit* edit = c.dialog.DirectoryName->lineEdit();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromStdString(c.t.path("base/nothing")));
  EXPECT_EQ(c.dialog.windowTitle(), QStringLiteral("Error : Bad directory"));
  edit->clear();
  QTest::keyClicks(edit, QString::fromStdString(c.t.path("base/alpha")));
  EXPECT_EQ(c.dialog.windowTitle(), QStringLiteral("Please select NEW directory"));
  EXPECT_EQ(c.model.Directory(), c.t.path("base/alpha"));

  edit->clear();
  QTest::keyClicks(edit, QString::fromStdString(c.t.path("base")));
  c.dialog.list->doItemsLayout();
  emit c.dialog.list->itemDoubleClicked(c.dialog.list->item(c.row("gamma")));
  EXPECT_EQ(c.dialog.DirectoryName->currentText(), QString::fromStdString(c.t.path("base/gamma")));
  EXPECT_EQ(c.model.Chosen(), c.t.path("base/gamma"));
}

TEST(DirectoryListsWindow, OkAppliesTheLineRulesAndSaveWritesTheExcludeMemo) {
  test::TempIni ini;
  SortedTextList include;
  SortedTextList exclude;
  include.Add("old");
  DirectoryListsEditor editor(include, exclude);
  editor.Show();
  TfrmDirs dialog;
  test::WhenModal<TfrmDirs>([](TfrmDirs* d) {
    EXPECT_EQ(d->meInclude->toPlainText(), QStringLiteral("old"));
    EXPECT_FALSE(d->bnSave->isVisible());
    EXPECT_TRUE(d->LHelp->text().contains(QStringLiteral("to Include for the next scan")));
    d->meInclude->setPlainText(QStringLiteral("\n\\\ndata\\\n\\lead\nsub\\dir\n"));
    d->tabs->setCurrentIndex(1);
    EXPECT_TRUE(d->bnSave->isVisible());
    EXPECT_TRUE(d->LHelp->text().contains(QStringLiteral("to Exclude for all scans")));
    d->meExclude->setPlainText(QStringLiteral("tmp\\\ncache"));
    d->bnSave->click();
    d->bnOK->click();
  });
  EXPECT_EQ(dialog.choose(editor), platform::DialogChoice::Run);
  editor.Ok();
  EXPECT_EQ(include.Items(), (Strings{"data", "sub\\dir", "\\lead"}));
  EXPECT_EQ(exclude.Items(), (Strings{"cache", "tmp"}));
  EXPECT_NE(ini.read().find("Exclude=tmp\\;cache"), std::string::npos) << ini.read();

  // Cancel leaves the lists.
  editor.Show();
  test::WhenModal<TfrmDirs>([](TfrmDirs* d) {
    d->meInclude->setPlainText(QStringLiteral("other"));
    QTest::keyClick(d, Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.choose(editor), platform::DialogChoice::Cancel);
  EXPECT_EQ(include.Items(), (Strings{"data", "sub\\dir", "\\lead"}));
}

}  // namespace
}  // namespace quorvane::ui
