// The synchronization dialog's state: presets, the rules between its boxes, the run
// buttons, and what it starts with.
#include <gtest/gtest.h>

#include <algorithm>

#include "program/file_op_dialog_model.h"
#include "program/sync_dialog_model.h"

namespace quorvane {
namespace {

using B = SyncBox;

struct PresetCase {
  SyncPreset preset;
  bool matchOld, matchNew, insOld, insNew, delOld, delNew;
};

TEST(SyncDialogModel, PresetsTickTheirBoxesAndUntickEverythingElse) {
  const PresetCase cases[] = {
      {SyncPreset::NewIsMaster, true, false, true, false, true, false},
      {SyncPreset::NoMaster, true, true, true, false, false, true},
      {SyncPreset::OldIsMaster, false, true, false, true, false, true},
  };
  for (const PresetCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.preset));
    SyncDialogModel m;
    // Everything ticked that can be, so that the preset has to untick it.
    for (B box : {B::cbMatchForce, B::cbMatchOldDelNew, B::cbMatchNewDelOld, B::cbInsOld, B::cbInsNew, B::cbDelOld,
                  B::cbDelNew, B::cbMatchOld})
      m.SetBox(box, true);
    m.ApplyPreset(c.preset);
    EXPECT_EQ(m.Checked(B::cbMatchOld), c.matchOld);
    EXPECT_EQ(m.Checked(B::cbMatchNew), c.matchNew);
    EXPECT_EQ(m.Checked(B::cbInsOld), c.insOld);
    EXPECT_EQ(m.Checked(B::cbInsNew), c.insNew);
    EXPECT_EQ(m.Checked(B::cbDelOld), c.delOld);
    EXPECT_EQ(m.Checked(B::cbDelNew), c.delNew);
    EXPECT_FALSE(m.Checked(B::cbMatchForce));
    EXPECT_FALSE(m.Checked(B::cbMatchOldDelNew));
    EXPECT_FALSE(m.Checked(B::cbMatchNewDelOld));
    EXPECT_TRUE(m.SimulateEnabled());
    EXPECT_TRUE(m.SyncEnabled());
    // No master ticks both update boxes: force and the moves are then out of reach.
    const bool tied = c.preset == SyncPreset::NoMaster;
    EXPECT_EQ(m.Enabled(B::cbMatchForce), !tied);
    EXPECT_EQ(m.Enabled(B::cbMatchOldDelNew), !tied);
    EXPECT_EQ(m.Enabled(B::cbMatchNewDelOld), !tied);
  }
}

TEST(SyncDialogModel, BothUpdateBoxesUntickAndLockForceAndMovesUntilOneIsUnticked) {
  SyncDialogModel m;
  ASSERT_TRUE(m.SetBox(B::cbMatchOld, true));
  ASSERT_TRUE(m.SetBox(B::cbMatchForce, true));
  ASSERT_TRUE(m.SetBox(B::cbMatchOldDelNew, true));
  ASSERT_TRUE(m.SetBox(B::cbMatchNewDelOld, true));
  ASSERT_TRUE(m.SetBox(B::cbMatchNew, true));
  for (B box : {B::cbMatchForce, B::cbMatchOldDelNew, B::cbMatchNewDelOld}) {
    EXPECT_FALSE(m.Checked(box));
    EXPECT_FALSE(m.Enabled(box));
    EXPECT_FALSE(m.SetBox(box, true)) << "a disabled box cannot be ticked";
    EXPECT_FALSE(m.Checked(box));
  }
  m.SetBox(B::cbMatchOld, false);
  for (B box : {B::cbMatchForce, B::cbMatchOldDelNew, B::cbMatchNewDelOld}) {
    EXPECT_TRUE(m.Enabled(box));
    EXPECT_FALSE(m.Checked(box)) << "enabling again does not tick again";
  }
  EXPECT_TRUE(m.SetBox(B::cbMatchNewDelOld, true));
}

TEST(SyncDialogModel, RunButtonsNeedABoxThatChangesSomething) {
  SyncDialogModel m;
  EXPECT_FALSE(m.SimulateEnabled()) << "disabled at start";
  EXPECT_FALSE(m.SyncEnabled());
  m.SetBox(B::cbMatchForce, true);
  EXPECT_FALSE(m.SimulateEnabled()) << "Force update alone changes nothing";
  for (B box : {B::cbMatchOld, B::cbMatchNew, B::cbMatchOldDelNew, B::cbMatchNewDelOld, B::cbInsOld, B::cbInsNew,
                B::cbDelOld, B::cbDelNew}) {
    SyncDialogModel one;
    one.SetBox(box, true);
    EXPECT_TRUE(one.SimulateEnabled()) << SyncDialogModel::Caption(box);
    EXPECT_TRUE(one.SyncEnabled()) << SyncDialogModel::Caption(box);
    one.SetBox(box, false);
    EXPECT_FALSE(one.SimulateEnabled()) << SyncDialogModel::Caption(box);
  }
}

TEST(SyncDialogModel, StartsFromTheSavedKeys) {
  Settings s;
  SyncDialogModel fresh;
  fresh.LoadFrom(s, "/home/u/.config/sync.log");
  EXPECT_EQ(fresh.Options.edLogFile, "/home/u/.config/sync.log");
  EXPECT_FALSE(fresh.Options.cbLog);
  EXPECT_TRUE(fresh.Options.cbClearLog);
  EXPECT_FALSE(fresh.rbAll);
  EXPECT_TRUE(fresh.Options.cbConfirmDelete);
  EXPECT_TRUE(fresh.Options.cbConfirmReplace);
  EXPECT_FALSE(fresh.Options.cbConfirmCreate);

  s.Sync = {"/var/log/q.log", true, false, false, true};
  SyncDialogModel notDefault;
  notDefault.LoadFrom(s, "x");
  EXPECT_EQ(notDefault.Options.edLogFile, "/var/log/q.log");
  EXPECT_TRUE(notDefault.Options.cbLog);
  EXPECT_FALSE(notDefault.Options.cbClearLog);
  EXPECT_FALSE(notDefault.rbAll) << "ApplyAll counts only when saved as default";
  s.Sync.SaveDefault = true;
  SyncDialogModel saved;
  saved.LoadFrom(s, "x");
  EXPECT_TRUE(saved.cbSaveAsdefault);
  EXPECT_TRUE(saved.rbAll);
}

TEST(SyncDialogModel, SelectedCountText) {
  EXPECT_EQ(SelectedCountText(1, 40), "One file of 40");
  EXPECT_EQ(SelectedCountText(0, 40), "One file of 40");
  EXPECT_EQ(SelectedCountText(3, 40), "3 files of 40");
}

TEST(FileOpDialogModel, ActionsCaptionsAndHistory) {
  FileOpDialogModel m;
  EXPECT_EQ(m.Action, FileOpAction::Copy);
  EXPECT_EQ(m.OkCaption(), "Copy no&w");
  EXPECT_TRUE(m.PanelToVisible());
  m.Action = FileOpAction::Move;
  EXPECT_EQ(m.OkCaption(), "Move no&w");
  m.Action = FileOpAction::Delete;
  EXPECT_EQ(m.OkCaption(), "Delete no&w");
  EXPECT_FALSE(m.PanelToVisible());

  for (int i = 0; i < 10; ++i) m.AddToHistory("/t" + std::to_string(i) + "/");
  ASSERT_EQ(m.History.size(), 8u);
  EXPECT_EQ(m.History.front(), "/t9/");
  m.AddToHistory("/t5/");
  EXPECT_EQ(m.History.front(), "/t5/");
  EXPECT_EQ(m.History.size(), 8u);
  EXPECT_EQ(std::count(m.History.begin(), m.History.end(), "/t5/"), 1);
}

}  // namespace
}  // namespace quorvane
