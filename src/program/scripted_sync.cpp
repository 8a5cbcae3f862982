#include "program/scripted_sync.h"

#include <string>

#include "fileops/status_model.h"
#include "platform/local_file_system.h"
#include "program/file_commands.h"

namespace quorvane {

namespace {

SyncPreset presetOf(SyncMaster master) {
  switch (master) {
    case SyncMaster::NoMaster: return SyncPreset::NoMaster;
    case SyncMaster::OldMaster: return SyncPreset::OldIsMaster;
    case SyncMaster::NewMaster:
    case SyncMaster::None: break;
  }
  return SyncPreset::NewIsMaster;
}

void scriptedAnswers(fileops::FileOpOptions& o, const SyncSwitches& sync) {
  o.cbConfirmDelete = o.cbConfirmCreate = o.cbConfirmReplace = o.cbConfirmCreateDir = false;
  o.cbIgnoreReadOnly = sync.OverwriteReadOnly;
  o.skipReadOnly = true;
  o.cbIgnoreOpenErrors = o.cbIgnoreReadErrors = o.cbIgnoreWriteErrors = o.cbIgnoreDeleteErrors = true;
  o.cbLog = true;
  o.logToStandardOutput = sync.LogFile.empty();
  if (!sync.LogFile.empty()) o.edLogFile = sync.LogFile;
}

}  // namespace

bool RunScriptedSynchronization(Program& program) {
  const SyncSwitches& sync = program.commandLine.Sync;
  Comparison& c = program.comparison;
  for (const Side side : {Side::New, Side::Old}) {
    const SetDescription& set = side == Side::New ? c.State.NewSet : c.State.OldSet;
    if (set.Kind == SetKind::Directory) continue;
    program.ui.message(std::string("--Sync: the ") + sideWordUpper(side) + " set is not a directory: " + set.Root +
                           "\rNothing was synchronized.",
                       platform::MessageKind::Error, platform::MessageButtons::Ok);
    return false;
  }
  platform::LocalFileSystem fs;
  fileops::FileOpStatusModel status;
  status.setSlowSimulation(false);
  FileCommands commands(program, fs, status);
  SyncDialogModel& dialog = commands.sync;
  dialog.ApplyPreset(presetOf(sync.Master));
  dialog.rbAll = true;
  scriptedAnswers(dialog.Options, sync);

  SyncGuardPolicy guards;
  guards.allowEmpty = sync.AllowEmpty;
  guards.maxDelete = sync.MaxDelete;
  const SyncRunReport report = RunSynchronization(commands, dialog, 1, c.Display.Count(), sync.Simulate, guards);
  if (report.result != SyncRunResult::Ran) return false;
  if (report.aborted || report.counters.Errors > 0) {
    program.ui.message("Files not synchronized: " + std::to_string(report.counters.Errors) +
                           " (failed, skipped, or changed since the comparison); see the log.",
                       platform::MessageKind::Error, platform::MessageButtons::Ok);
    return false;
  }
  return true;
}

}  // namespace quorvane
