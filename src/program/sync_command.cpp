// "&Synchronize directories...": each row's status decides the copies and deletions.
#include <algorithm>

#include "config/ini_values.h"
#include "fileops/operation_codes.h"
#include "platform/tick_count.h"
#include "program/file_commands.h"
#include "program/file_op_target.h"
#include "program/run_commands.h"

namespace quorvane {

using fileops::OperationCode;
using fileops::OutcomeCode;

namespace {

// The [Synchronization] keys, before every run.
void saveSyncSettings(Settings& settings, const SyncDialogModel& dialog) {
  std::string stored;
  ReadText("Synchronization", "LogFileName", stored);
  if (!SamePathIgnoringCase(stored, dialog.Options.edLogFile))
    WriteText("Synchronization", "LogFileName", dialog.Options.edLogFile);
  WriteFlag("Synchronization", "LogFile", dialog.Options.cbLog);
  WriteFlag("Synchronization", "ClearLogFile", dialog.Options.cbClearLog);
  WriteFlag("Synchronization", "SaveDefault", dialog.cbSaveAsdefault);
  if (dialog.cbSaveAsdefault) WriteFlag("Synchronization", "ApplyAll", dialog.rbAll);
  settings.Sync.LogFileName = dialog.Options.edLogFile;
  settings.Sync.LogFile = dialog.Options.cbLog;
  settings.Sync.ClearLogFile = dialog.Options.cbClearLog;
  settings.Sync.SaveDefault = dialog.cbSaveAsdefault;
  if (dialog.cbSaveAsdefault) settings.Sync.ApplyAll = dialog.rbAll;
}

struct SyncBoxes {
  bool matchOld, matchNew, force, matchOldDelNew, matchNewDelOld, insOld, insNew, delOld, delNew;
};

// A copy that may be the first half of a move, then the deletion that completes it (only
// after a copy that ended Ok) or, without a copy, a plain deletion of the source.
void copyThenDelete(fileops::FileOperationEngine& engine, int row, const FileEntry& e, bool copy, bool remove,
                    OperationCode copyCode, OperationCode plainDelete) {
  OutcomeCode copied = OutcomeCode::Skip;
  if (copy) copied = engine.CopyEntry(copyCode, row, e, remove);
  if (!remove) return;
  if (copy) {
    if (copied == OutcomeCode::Ok) engine.DeleteEntry(copyCode, row, e, true);
  } else {
    engine.DeleteEntry(plainDelete, row, e, false);
  }
}

void syncEntry(fileops::FileOperationEngine& engine, const SyncBoxes& b, bool quick, int row, const FileEntry& e) {
  if ((e.Status & stInserted) != 0) {
    copyThenDelete(engine, row, e, b.insOld, b.insNew, OperationCode::CopyNewToOld, OperationCode::DeleteNew);
    return;
  }
  if ((e.Status & stDeleted) != 0) {
    copyThenDelete(engine, row, e, b.delNew, b.delOld, OperationCode::CopyOldToNew, OperationCode::DeleteOld);
    return;
  }
  const bool contentDiffers = quick || (e.Status & stCrcDiffers) != 0;
  const bool copyToOld = b.matchOld && (b.force || ((e.Status & stNewer) != 0 && contentDiffers));
  const bool copyToNew = b.matchNew && (b.force || ((e.Status & stOlder) != 0 && contentDiffers));
  const bool moveToOld = b.matchOld && b.matchOldDelNew;
  const bool moveToNew = b.matchNew && b.matchNewDelOld;
  OutcomeCode toOld = OutcomeCode::Skip;
  OutcomeCode toNew = OutcomeCode::Skip;
  if (copyToOld) toOld = engine.CopyEntry(OperationCode::CopyNewToOld, row, e, moveToOld);
  if (copyToNew) toNew = engine.CopyEntry(OperationCode::CopyOldToNew, row, e, moveToNew);
  if (moveToOld) {
    if (!copyToOld)
      engine.DeleteEntry(OperationCode::DeleteNew, row, e, false);  // not newer: Old keeps its file
    else if (toOld == OutcomeCode::Ok)
      engine.DeleteEntry(OperationCode::CopyNewToOld, row, e, true);
  }
  if (moveToNew) {
    if (!copyToNew)
      engine.DeleteEntry(OperationCode::DeleteOld, row, e, false);
    else if (toNew == OutcomeCode::Ok)
      engine.DeleteEntry(OperationCode::CopyOldToNew, row, e, true);
  }
}

}  // namespace

// The rows a command runs over: the selection's, clipped to the grid, or every row.
std::pair<std::int32_t, std::int32_t> RunRows(const Comparison& c, const GridRect& selection, bool all) {
  const std::int32_t count = c.Display.Count();
  if (all) return {1, count};
  std::int32_t first = std::max<std::int32_t>(1, std::min(selection.Top, selection.Bottom));
  std::int32_t last = std::min<std::int32_t>(count, std::max(selection.Top, selection.Bottom));
  return {first, last};
}

std::int32_t SelectedRowCount(const Comparison& c, const GridRect& selection) {
  const auto [first, last] = RunRows(c, selection, false);
  return last >= first ? last - first + 1 : 0;
}

void Synchronize(FileCommands& commands, const GridRect& selection) {
  Program& program = commands.program;
  if (program.runInProgress) return;
  Comparison& c = program.comparison;
  if (c.Display.Count() == 0) {
    if (!program.settings.AutoMode)
      program.ui.message("No file to process", platform::MessageKind::Warning, platform::MessageButtons::Ok);
    return;
  }
  fileops::FileOperationEngine& engine = commands.engine;
  SyncDialogModel& dialog = commands.sync;
  engine.Answers().FilesChanged = false;
  dialog.SetSelectedCount(SelectedRowCount(c, selection), c.Display.Count());
  for (;;) {
    const platform::DialogChoice choice = program.ui.showSyncDialog(dialog);
    // A dialog closes through a disabled button only by mistake; nothing to do then.
    if (choice == platform::DialogChoice::Cancel || !dialog.SimulateEnabled()) return;
    saveSyncSettings(program.settings, dialog);

    const bool simulate = choice == platform::DialogChoice::Simulate;
    const auto [first, last] = RunRows(c, selection, dialog.rbAll);
    engine.Options = dialog.Options;
    engine.Options.cbMatchForce = dialog.Checked(SyncBox::cbMatchForce);
    engine.Sets = {c.State.NewSet.Root, c.State.OldSet.Root};
    engine.Answers().Simulation = simulate;
    engine.StartRun(first, last);

    const bool logOpened = engine.OpenLog(fileops::RunKind::Synchronization);
    if (logOpened) {
      const SyncBoxes boxes{dialog.Checked(SyncBox::cbMatchOld),       dialog.Checked(SyncBox::cbMatchNew),
                            dialog.Checked(SyncBox::cbMatchForce),     dialog.Checked(SyncBox::cbMatchOldDelNew),
                            dialog.Checked(SyncBox::cbMatchNewDelOld), dialog.Checked(SyncBox::cbInsOld),
                            dialog.Checked(SyncBox::cbInsNew),         dialog.Checked(SyncBox::cbDelOld),
                            dialog.Checked(SyncBox::cbDelNew)};
      program.ui.clearAbort();
      std::uint64_t lastUpdate = platform::tickCount();
      std::int32_t processed = first - 1;
      for (std::int32_t row = first; row <= last && !program.ui.abortRequested(); ++row) {
        const FileEntry& entry = *c.Display.ItemAt(row - 1);
        if (platform::tickCount() - lastUpdate > 250) {
          engine.Status().ShowProgress(entry.Path(), row);
          program.ui.pumpMessages();
          lastUpdate = platform::tickCount();
        }
        syncEntry(engine, boxes, program.settings.Quick, row, entry);
        processed = row;
      }
      engine.Status().ShowProgress("n/a", std::min(processed, last));
      engine.CloseLog(fileops::RunKind::Synchronization);
    }
    dialog.Options.cbLog = engine.Options.cbLog;  // a failed log write unticks it
    engine.FinishRun([&program] { ResetDiff(program); });
    if (!simulate || !logOpened) return;  // a log that cannot be written ends the command
  }
}

}  // namespace quorvane
