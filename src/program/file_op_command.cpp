// "&File operations...": copy, move or delete the files of one side.
#include <algorithm>

#include "config/ini_values.h"
#include "config/set_selection.h"
#include "fileops/operation_codes.h"
#include "platform/tick_count.h"
#include "program/file_commands.h"
#include "program/directory_commands.h"
#include "program/file_op_target.h"
#include "program/run_commands.h"

namespace quorvane {

using fileops::OperationCode;
using fileops::OutcomeCode;
using platform::MessageButtons;
using platform::MessageKind;

namespace {

SelectedSide sideOfColumns(const GridRect& s) {
  const int left = std::min(s.Left, s.Right);
  const int right = std::max(s.Left, s.Right);
  if (left >= 1 && right <= 3) return SelectedSide::New;
  if (left >= 5 && right <= 7) return SelectedSide::Old;
  return SelectedSide::None;
}

// [History] DestDir.. (the list as it was before this run's target) and [FileOp].
void saveFileOpSettings(Settings& settings, const FileOpDialogModel& dialog) {
  if (settings.SaveHistory)
    for (std::size_t i = 0; i < dialog.History.size(); ++i)
      WriteText("History", "DestDir" + std::to_string(i), dialog.History[i]);
  WriteFlag("FileOp", "SaveDefault", dialog.cbSaveAsDefault);
  // The trash box of the shared options panel is kept with the synchronization's.
  if (dialog.Options) {
    WriteFlag("Synchronization", "UseTrash", dialog.Options->cbUseTrash);
    settings.Sync.UseTrash = dialog.Options->cbUseTrash;
  }
  if (dialog.cbSaveAsDefault) WriteFlag("FileOp", "ApplyAll", dialog.rbAll);
  settings.FileOp.SaveDefault = dialog.cbSaveAsDefault;
  if (dialog.cbSaveAsDefault) settings.FileOp.ApplyAll = dialog.rbAll;
}

void processEntry(fileops::FileOperationEngine& engine, FileOpAction action, OperationCode code, int row,
                  const FileEntry& entry, const std::string& target) {
  switch (action) {
    case FileOpAction::Delete:
      engine.DeleteEntry(code, row, entry, false);
      return;
    case FileOpAction::Copy:
      engine.CopyEntry(code, row, entry, false, target);
      return;
    case FileOpAction::Move:
      // The source goes only once its copy is complete.
      if (engine.CopyEntry(code, row, entry, true, target) == OutcomeCode::Ok) engine.DeleteEntry(code, row, entry, true);
      return;
  }
}

}  // namespace

void FileOperations(FileCommands& commands, const GridRect& selection) {
  Program& program = commands.program;
  if (program.runInProgress) return;
  Comparison& c = program.comparison;
  platform::UserInterface& ui = program.ui;
  if (c.Display.Count() == 0) {
    if (!program.settings.AutoMode) ui.message("No file to process", MessageKind::Warning, MessageButtons::Ok);
    return;
  }
  const SelectedSide side = sideOfColumns(selection);
  if (side == SelectedSide::None) {
    ui.message("You must select either the NEW file or the OLD file column", MessageKind::Warning, MessageButtons::Ok);
    return;
  }
  commands.selectedSide = side;
  const bool fromNew = side == SelectedSide::New;
  const SetDescription& source = fromNew ? c.State.NewSet : c.State.OldSet;
  const SetDescription& other = fromNew ? c.State.OldSet : c.State.NewSet;
  if (source.Kind != SetKind::Directory) {
    ui.message(fromNew ? "The NEW set is not a directory.\rCan't perform file operations on it."
                       : "The OLD set is not a directory.\rCan't perform file operations on it.",
               MessageKind::Error, MessageButtons::Ok);
    return;
  }

  FileOpDialogModel& dialog = commands.fileOp;
  dialog.LFrom = source.Root;
  if (other.Kind == SetKind::Directory)
    dialog.cbTo = other.Root;
  else if (!c.State.SnapshotMode)
    dialog.cbTo.clear();
  // An entry without a file on the side is passed over.
  const std::uint16_t sideMask = c.State.SnapshotMode ? 0 : fromNew ? stDeleted : stInserted;
  dialog.LFileList.clear();
  {
    const auto [first, last] = RunRows(c, selection, false);
    for (std::int32_t row = first; row <= last && dialog.LFileList.size() < FileOpDialogModel::kPreviewCount; ++row) {
      const FileEntry& e = *c.Display.ItemAt(row - 1);
      if ((e.Status & sideMask) == 0) dialog.LFileList.push_back(std::string(e.Path()) + "...");
    }
  }
  dialog.LSelected = SelectedCountText(SelectedRowCount(c, selection), c.Display.Count());
  dialog.ChooseTarget = [&program, &dialog] {
    return ChooseWithDirectoryChooser(program, "Select TARGET directory", dialog.cbTo.empty() ? dialog.LFrom : dialog.cbTo,
                                      DirectoryChoice::Target);
  };

  fileops::FileOperationEngine& engine = commands.engine;
  for (;;) {
    const platform::DialogChoice choice = ui.showFileOpDialog(dialog);
    if (choice == platform::DialogChoice::Cancel) return;
    saveFileOpSettings(program.settings, dialog);
    const bool simulate = choice == platform::DialogChoice::Simulate;
    const FileOpAction action = dialog.Action;
    const auto [first, last] = RunRows(c, selection, dialog.rbAll);

    OperationCode code = fromNew ? OperationCode::DeleteNew : OperationCode::DeleteOld;
    std::string target;
    if (action != FileOpAction::Delete) {
      const TargetCheck check = CheckTarget(commands.fs, dialog.cbTo, fromNew, c.State.NewSet.Root, c.State.OldSet.Root);
      if (!check.error.empty()) {
        ui.message(check.error, MessageKind::Error, MessageButtons::Ok);
        continue;  // the dialog again, for another target
      }
      dialog.cbTo = check.directory;
      code = check.code;
      if (fileops::CopiesToTarget(code)) target = check.directory;
    }

    ui.clearAbort();
    if (action != FileOpAction::Delete) {
      dialog.AddToHistory(dialog.cbTo);
      program.settings.History.DestDirs = dialog.History;
    }
    engine.Options = *dialog.Options;
    engine.Options.cbMatchForce = false;
    engine.Options.leaveChangedFiles = true;
    engine.Sets = {c.State.NewSet.Root, c.State.OldSet.Root};
    engine.Answers().Simulation = simulate;
    engine.StartRun(first, last);
    const bool logOpened = engine.OpenLog(fileops::RunKind::FileOperation);
    if (logOpened) {
      std::uint64_t lastUpdate = platform::tickCount();
      std::int32_t processed = first - 1;
      for (std::int32_t row = first; row <= last && !ui.abortRequested(); ++row) {
        const FileEntry& entry = *c.Display.ItemAt(row - 1);
        if (platform::tickCount() - lastUpdate > 250) {
          engine.Status().ShowProgress(entry.Path(), row);
          ui.pumpMessages();
          lastUpdate = platform::tickCount();
        }
        if ((entry.Status & sideMask) == 0) processEntry(engine, action, code, row, entry, target);
        processed = row;
      }
      engine.Status().ShowProgress("n/a", std::min(processed, last));
    }
    engine.CloseLog(fileops::RunKind::FileOperation);
    dialog.Options->cbLog = engine.Options.cbLog;  // a failed log write unticks it
    if (ui.abortRequested()) ui.message("File operation aborted", MessageKind::Error, MessageButtons::Ok);
    engine.FinishRun([&program] { ResetDiff(program); });
    if (!simulate || !logOpened) return;
  }
}

}  // namespace quorvane
