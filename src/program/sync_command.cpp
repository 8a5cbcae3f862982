// "&Synchronize directories...": each row's status decides the copies and deletions.
#include <algorithm>

#include "config/ini_values.h"
#include "fileops/operation_codes.h"
#include "platform/tick_count.h"
#include "program/file_commands.h"
#include "program/file_op_target.h"
#include "program/run_commands.h"
#include "program/sync_guards.h"
#include "program/sync_plan.h"

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
  WriteFlag("Synchronization", "UseTrash", dialog.Options.cbUseTrash);
  WriteFlag("Synchronization", "SaveDefault", dialog.cbSaveAsdefault);
  if (dialog.cbSaveAsdefault) WriteFlag("Synchronization", "ApplyAll", dialog.rbAll);
  settings.Sync.LogFileName = dialog.Options.edLogFile;
  settings.Sync.LogFile = dialog.Options.cbLog;
  settings.Sync.ClearLogFile = dialog.Options.cbClearLog;
  settings.Sync.UseTrash = dialog.Options.cbUseTrash;
  settings.Sync.SaveDefault = dialog.cbSaveAsdefault;
  if (dialog.cbSaveAsdefault) settings.Sync.ApplyAll = dialog.rbAll;
}

// A copy that may be the first half of a move, then the deletion that completes it (only
// after a copy that ended Ok) or, without a copy, a plain deletion of the source.
void syncEntry(fileops::FileOperationEngine& engine, const SyncEntryPlan& plan, int row, const FileEntry& e) {
  const bool moveToOld = plan.copyToOld && plan.deleteNew;
  const bool moveToNew = plan.copyToNew && plan.deleteOld;
  OutcomeCode toOld = OutcomeCode::Skip;
  OutcomeCode toNew = OutcomeCode::Skip;
  if (plan.copyToOld) toOld = engine.CopyEntry(OperationCode::CopyNewToOld, row, e, moveToOld);
  if (plan.copyToNew) toNew = engine.CopyEntry(OperationCode::CopyOldToNew, row, e, moveToNew);
  if (plan.deleteNew) {
    if (!plan.copyToOld)
      engine.DeleteEntry(OperationCode::DeleteNew, row, e, false);
    else if (toOld == OutcomeCode::Ok)
      engine.DeleteEntry(OperationCode::CopyNewToOld, row, e, true);
  }
  if (plan.deleteOld) {
    if (!plan.copyToNew)
      engine.DeleteEntry(OperationCode::DeleteOld, row, e, false);
    else if (toNew == OutcomeCode::Ok)
      engine.DeleteEntry(OperationCode::CopyOldToNew, row, e, true);
  }
}

// The guards, before anything is touched. False when the run is refused (the message
// shown).
bool guardsPass(FileCommands& commands, const SyncBoxes& boxes, std::int32_t first, std::int32_t last, bool simulate,
                const SyncGuardPolicy& guards) {
  Program& program = commands.program;
  Comparison& c = program.comparison;
  if (!guards.allowEmpty) {
    const std::string problem = EmptyRootProblem(c, commands.fs);
    if (!problem.empty()) {
      program.ui.message(problem, platform::MessageKind::Error, platform::MessageButtons::Cancel);
      return false;
    }
  }
  if (guards.maxDelete < 0 && (!guards.askMassDeletion || simulate)) return true;
  std::int64_t deletions = 0;
  for (std::int32_t row = first; row <= last; ++row)
    deletions += PlanSyncEntry(boxes, program.settings.Quick, *c.Display.ItemAt(row - 1)).Deletions();
  if (guards.maxDelete >= 0 && deletions > guards.maxDelete) {
    program.ui.message(MaxDeleteMessage(deletions, guards.maxDelete), platform::MessageKind::Error,
                       platform::MessageButtons::Ok);
    return false;
  }
  if (guards.askMassDeletion && !simulate && IsMassDeletion(deletions, c.Display.Count()))
    return program.ui.message(MassDeletionQuestion(deletions, c.Display.Count()), platform::MessageKind::Warning,
                              platform::MessageButtons::OkCancel) == platform::Answer::Ok;
  return true;
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

SyncRunReport RunSynchronization(FileCommands& commands, SyncDialogModel& dialog, std::int32_t first,
                                 std::int32_t last, bool simulate, const SyncGuardPolicy& guards) {
  Program& program = commands.program;
  Comparison& c = program.comparison;
  fileops::FileOperationEngine& engine = commands.engine;
  SyncRunReport report;
  const SyncBoxes boxes = SyncBoxes::Of(dialog);
  if (!guardsPass(commands, boxes, first, last, simulate, guards)) {
    report.result = SyncRunResult::Refused;
    return report;
  }
  engine.Options = dialog.Options;
  engine.Options.cbMatchForce = dialog.Checked(SyncBox::cbMatchForce);
  engine.Options.leaveChangedFiles = true;
  engine.Sets = {c.State.NewSet.Root, c.State.OldSet.Root};
  engine.Answers().Simulation = simulate;
  engine.StartRun(first, last);

  const bool logOpened = engine.OpenLog(fileops::RunKind::Synchronization);
  if (logOpened) {
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
      syncEntry(engine, PlanSyncEntry(boxes, program.settings.Quick, entry), row, entry);
      processed = row;
    }
    engine.Status().ShowProgress("n/a", std::min(processed, last));
    engine.CloseLog(fileops::RunKind::Synchronization);
  }
  report.result = logOpened ? SyncRunResult::Ran : SyncRunResult::LogFailed;
  dialog.Options.cbLog = engine.Options.cbLog;  // a failed log write unticks it
  report.counters = engine.Status().Counters();
  report.aborted = program.ui.abortRequested();
  engine.FinishRun([&program] { ResetDiff(program); });
  return report;
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
    SyncGuardPolicy guards;
    guards.askMassDeletion = true;
    const SyncRunReport report = RunSynchronization(commands, dialog, first, last, simulate, guards);
    if (report.result == SyncRunResult::Refused) return;
    const bool logOpened = report.result == SyncRunResult::Ran;
    if (!simulate || !logOpened) return;  // a log that cannot be written ends the command
  }
}

}  // namespace quorvane
