// The synchronization and file operations dialogs as faces of their states: presets,
// the rules between boxes as clicks meet them, the run buttons, captions, and what each
// way of closing returns.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/dialogs/dialog_user_interface.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/sync/file_op_dialog.h"
#include "ui/sync/options_panel.h"
#include "ui/sync/sync_dialog.h"

namespace quorvane::ui {
namespace {

using B = SyncBox;
using platform::DialogChoice;

void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

struct PresetRow {
  SyncPreset preset;
  bool matchOld, matchNew, insOld, insNew, delOld, delNew;
};

TEST(SyncDialog, PresetButtonsTickTheirBoxes) {
  const PresetRow rows[] = {
      {SyncPreset::NewIsMaster, true, false, true, false, true, false},
      {SyncPreset::NoMaster, true, true, true, false, false, true},
      {SyncPreset::OldIsMaster, false, true, false, true, false, true},
  };
  TSyncDlg dlg;
  SyncDialogModel model;
  dlg.showModel(model);
  dlg.show();
  EXPECT_FALSE(dlg.bnSync->isEnabled()) << "disabled at start";
  EXPECT_FALSE(dlg.bnSimulate->isEnabled());
  for (const PresetRow& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.preset));
    click(dlg.box(B::cbMatchForce));  // any earlier tick goes with the preset
    click(dlg.preset(r.preset));
    EXPECT_EQ(dlg.box(B::cbMatchOld)->isChecked(), r.matchOld);
    EXPECT_EQ(dlg.box(B::cbMatchNew)->isChecked(), r.matchNew);
    EXPECT_EQ(dlg.box(B::cbInsOld)->isChecked(), r.insOld);
    EXPECT_EQ(dlg.box(B::cbInsNew)->isChecked(), r.insNew);
    EXPECT_EQ(dlg.box(B::cbDelOld)->isChecked(), r.delOld);
    EXPECT_EQ(dlg.box(B::cbDelNew)->isChecked(), r.delNew);
    EXPECT_FALSE(dlg.box(B::cbMatchForce)->isChecked());
    const bool tied = r.preset == SyncPreset::NoMaster;
    EXPECT_EQ(dlg.box(B::cbMatchForce)->isEnabled(), !tied);
    EXPECT_EQ(dlg.box(B::cbMatchOldDelNew)->isEnabled(), !tied);
    EXPECT_EQ(dlg.box(B::cbMatchNewDelOld)->isEnabled(), !tied);
    EXPECT_TRUE(dlg.bnSync->isEnabled());
    EXPECT_TRUE(dlg.bnSimulate->isEnabled());
    EXPECT_EQ(model.Checked(B::cbMatchOld), r.matchOld) << "the model holds what is shown";
  }
}

TEST(SyncDialog, ClicksFollowTheRulesBetweenBoxes) {
  TSyncDlg dlg;
  SyncDialogModel model;
  dlg.showModel(model);
  dlg.show();
  click(dlg.box(B::cbMatchForce));
  EXPECT_TRUE(dlg.box(B::cbMatchForce)->isChecked());
  EXPECT_FALSE(dlg.bnSimulate->isEnabled()) << "Force update alone changes nothing";
  click(dlg.box(B::cbMatchOld));
  click(dlg.box(B::cbMatchOldDelNew));
  EXPECT_TRUE(dlg.bnSimulate->isEnabled());
  click(dlg.box(B::cbMatchNew));
  for (B b : {B::cbMatchForce, B::cbMatchOldDelNew, B::cbMatchNewDelOld}) {
    EXPECT_FALSE(dlg.box(b)->isChecked());
    EXPECT_FALSE(dlg.box(b)->isEnabled());
    click(dlg.box(b));
    EXPECT_FALSE(dlg.box(b)->isChecked()) << "a disabled box cannot be ticked";
  }
  click(dlg.box(B::cbMatchOld));
  click(dlg.box(B::cbMatchNew));
  EXPECT_TRUE(dlg.box(B::cbMatchForce)->isEnabled());
  EXPECT_FALSE(dlg.bnSync->isEnabled()) << "nothing ticked any more";
  EXPECT_FALSE(dlg.bnSimulate->isEnabled());
}

TEST(SyncDialog, Captions) {
  TSyncDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Synchronize directories"));
  EXPECT_EQ(dlg.preset(SyncPreset::NewIsMaster)->text(), QStringLiteral("&New is master. Only Old set is modified."));
  EXPECT_EQ(dlg.preset(SyncPreset::NoMaster)->text(),
            QStringLiteral("No master. &Both sets are modified to most up-to-date."));
  EXPECT_EQ(dlg.preset(SyncPreset::OldIsMaster)->text(), QStringLiteral("&Old is master. Only New set is modified."));
  EXPECT_EQ(dlg.box(B::cbMatchOldDelNew)->text(), QStringLiteral("Then Delete files from New set (move them)"));
  EXPECT_EQ(dlg.box(B::cbInsOld)->text(), QStringLiteral("Update Old set (add files to it)"));
  EXPECT_EQ(dlg.box(B::cbDelNew)->text(), QStringLiteral("Update New set (add files to it)"));
  EXPECT_EQ(dlg.bnSync->text(), QStringLiteral("Synchronize no&w"));
  EXPECT_EQ(dlg.bnSimulate->text(), QStringLiteral("Sim&ulate"));
  EXPECT_TRUE(dlg.bnSimulate->isDefault());
  EXPECT_EQ(dlg.rbAll->text(), QStringLiteral("&All files displayed"));
  EXPECT_EQ(dlg.pnOptions->cbConfirmReplace->text(), QStringLiteral("Confirm file Replacement"));
  EXPECT_EQ(dlg.pnOptions->cbIgnoreDeleteErrors->text(), QStringLiteral("Ignore file delete errors"));
  EXPECT_EQ(dlg.pnOptions->cbUseTrash->text(), QStringLiteral("Move deleted and replaced files to the trash"));
  EXPECT_EQ(dlg.pnOptions->cbUseTrash->objectName(), QStringLiteral("cbUseTrash"));
}

TEST(SyncDialog, ChoosingReturnsTheButtonAndKeepsTheEdits) {
  TSyncDlg dlg;
  SyncDialogModel model;
  model.Options.edLogFile = "/tmp/a.log";
  model.LSelected = "3 files of 9";
  test::WhenModal<TSyncDlg>([](TSyncDlg* d) {
    EXPECT_EQ(d->LSelected->text(), QStringLiteral("3 files of 9"));
    EXPECT_EQ(d->pnOptions->edLogFile->text(), QStringLiteral("/tmp/a.log"));
    EXPECT_TRUE(d->pnOptions->cbConfirmDelete->isChecked());
    click(d->preset(SyncPreset::OldIsMaster));
    click(d->rbAll);
    click(d->pnOptions->cbLog);
    click(d->pnOptions->cbConfirmDelete);
    EXPECT_EQ(d->pnOptions->cbUseTrash->isChecked(), false);
    click(d->pnOptions->cbUseTrash);
    click(d->bnSimulate);
  });
  EXPECT_EQ(dlg.choose(model), DialogChoice::Simulate);
  EXPECT_TRUE(model.Options.cbUseTrash);
  EXPECT_TRUE(model.Checked(B::cbInsNew));
  EXPECT_TRUE(model.rbAll);
  EXPECT_TRUE(model.Options.cbLog);
  EXPECT_FALSE(model.Options.cbConfirmDelete);

  test::WhenModal<TSyncDlg>([](TSyncDlg* d) {
    EXPECT_TRUE(d->box(B::cbInsNew)->isChecked()) << "the boxes keep their state";
    EXPECT_TRUE(d->rbAll->isChecked());
    EXPECT_TRUE(d->rbAll->font().bold());
    click(d->bnSync);
  });
  EXPECT_EQ(dlg.choose(model), DialogChoice::Run);

  test::WhenModal<TSyncDlg>([](TSyncDlg* d) { QTest::keyClick(d, Qt::Key_Escape); });
  EXPECT_EQ(dlg.choose(model), DialogChoice::Cancel);
}

TEST(FileOpDialog, ActionDecidesTheTargetPanelAndTheRunButton) {
  TFileOpDlg dlg;
  FileOpDialogModel model;
  fileops::FileOpOptions options;
  model.Options = &options;
  model.LFrom = "/data/new/";
  model.cbTo = "/data/old/";
  model.History = {"/a/", "/b/"};
  model.LSelected = "One file of 4";
  model.LFileList = {"x.txt..."};
  dlg.showModel(model);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("File operations"));
  EXPECT_EQ(dlg.LFrom->text(), QStringLiteral("/data/new/"));
  EXPECT_FALSE(dlg.LFrom->isEnabled());
  EXPECT_EQ(dlg.cbTo->currentText(), QStringLiteral("/data/old/"));
  EXPECT_EQ(dlg.cbTo->count(), 2);
  EXPECT_EQ(dlg.LSelected->text(), QStringLiteral("One file of 4"));
  EXPECT_EQ(dlg.LFileList->text(), QStringLiteral("x.txt..."));
  EXPECT_EQ(dlg.bnOk->text(), QStringLiteral("Copy no&w"));
  EXPECT_TRUE(dlg.PanelTo->isVisible());
  dlg.ActionCombo->setCurrentIndex(2);
  EXPECT_EQ(model.Action, FileOpAction::Delete);
  EXPECT_EQ(dlg.bnOk->text(), QStringLiteral("Delete no&w"));
  EXPECT_FALSE(dlg.PanelTo->isVisible());
  dlg.ActionCombo->setCurrentIndex(1);
  EXPECT_EQ(dlg.bnOk->text(), QStringLiteral("Move no&w"));
  EXPECT_TRUE(dlg.PanelTo->isVisible());
}

TEST(FileOpDialog, ChoosingReturnsTheButtonAndKeepsTheTarget) {
  DialogUserInterface ui;
  FileOpDialogModel model;
  fileops::FileOpOptions options;
  model.Options = &options;
  test::WhenModal<TFileOpDlg>([](TFileOpDlg* d) {
    d->cbTo->setEditText(QStringLiteral("/srv/target"));
    click(d->pnOptions->cbIgnoreReadOnly);
    click(d->bnOk);
  });
  EXPECT_EQ(ui.showFileOpDialog(model), DialogChoice::Run);
  EXPECT_EQ(model.cbTo, "/srv/target");
  EXPECT_TRUE(options.cbIgnoreReadOnly);

  test::WhenModal<TFileOpDlg>([](TFileOpDlg* d) { click(d->bnSimulate); });
  EXPECT_EQ(ui.showFileOpDialog(model), DialogChoice::Simulate);
  test::WhenModal<TFileOpDlg>([](TFileOpDlg* d) { click(d->bnCancel); });
  EXPECT_EQ(ui.showFileOpDialog(model), DialogChoice::Cancel);

  SyncDialogModel sync;
  test::WhenModal<TSyncDlg>([](TSyncDlg* d) {
    EXPECT_FALSE(d->bnSync->isEnabled());
    click(d->bnCancel);
  });
  EXPECT_EQ(ui.showSyncDialog(sync), DialogChoice::Cancel);
}

}  // namespace
}  // namespace quorvane::ui
