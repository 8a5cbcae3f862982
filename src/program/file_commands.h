#pragma once
// The commands that change files on disk: "&Synchronize directories..." and "&File
// operations...". Both act on the grid rows of the display index, through the file
// operation engine, and never change the file list or the display index; when files
// changed and SyncWarning is on, the run's end offers to reset the comparison (OK does
// what "&Reset Diff" does). While a comparison run is in progress they do nothing.
#include <cstdint>
#include <string>
#include <utility>

#include "fileops/file_operation_engine.h"
#include "fileops/status_model.h"
#include "platform/file_system.h"
#include "program/file_op_dialog_model.h"
#include "program/list_commands.h"
#include "program/program.h"
#include "program/sync_dialog_model.h"
#include "program/sync_guards.h"

namespace quorvane {

// The grid's selection: columns (1..3 the New file's, 5..7 the Old file's) and grid rows
// (1 = the first display-index entry), inclusive.
struct GridRect {
  int Left = 0;
  std::int32_t Top = 0;
  int Right = 0;
  std::int32_t Bottom = 0;
};

// What the two commands keep for the whole program: the engine with its copy buffer
// and the two dialogs' states. Made once the settings are loaded.
class FileCommands {
 public:
  FileCommands(Program& program, platform::FileSystem& fs, fileops::FileOpStatusModel& status);
  FileCommands(const FileCommands&) = delete;
  FileCommands& operator=(const FileCommands&) = delete;

  Program& program;
  platform::FileSystem& fs;
  fileops::FileOperationEngine engine;
  SyncDialogModel sync;
  FileOpDialogModel fileOp;
  // The side the last file operations command took its files from.
  SelectedSide selectedSide = SelectedSide::None;
};

// The rows a command runs over, first and last: the selection's, clipped to the grid,
// or every row with all. Empty (first > last) when nothing is left.
std::pair<std::int32_t, std::int32_t> RunRows(const Comparison& c, const GridRect& selection, bool all);
std::int32_t SelectedRowCount(const Comparison& c, const GridRect& selection);

// The log's name when none was saved: sync.log beside Quorvane.ini.
std::string DefaultLogFile();

// "&Synchronize directories...": shows the synchronization dialog (again after each
// Simulate) and runs the copies and deletions its boxes ask for on every selected row,
// or every row with "&All files displayed". Saves the [Synchronization] keys before each
// run. "No file to process" when nothing is shown.
void Synchronize(FileCommands& commands, const GridRect& selection);

// How a synchronization run went: refused by a guard (nothing touched, the message
// shown), ended at once by a log that could not be opened, or run; the counters of the
// run's status window as it ended.
enum class SyncRunResult { Ran, Refused, LogFailed };
struct SyncRunReport {
  SyncRunResult result = SyncRunResult::Refused;
  fileops::FileOpCounters counters;
  bool aborted = false;
};

// One synchronization over rows first..last with the dialog's boxes and options, the
// window's and the command line's alike: the guards, then the copies and deletions with
// the log, then the end of the run (FinishRun).
SyncRunReport RunSynchronization(FileCommands& commands, SyncDialogModel& dialog, std::int32_t first,
                                 std::int32_t last, bool simulate, const SyncGuardPolicy& guards);

// "&File operations...": copies, moves or deletes the files of the selected side (the
// selected columns: New or Old), to the other set or to a chosen target directory;
// shows the dialog again after Simulate and after a refused target. Saves [FileOp] and
// the target history ([History] DestDir..) before each run.
void FileOperations(FileCommands& commands, const GridRect& selection);

}  // namespace quorvane
