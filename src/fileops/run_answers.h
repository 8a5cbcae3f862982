#pragma once
// The options a run starts from (the confirmation, error-handling and log boxes the
// synchronization dialog holds between runs, which the file operations command shares)
// and the answers of one run, which "all" and "Skip &all" buttons change as it goes.
#include <string>

namespace quorvane::fileops {

// The dialog's boxes. They keep their state between runs; a run never changes them,
// except that a failed log write unticks LogFile.
struct FileOpOptions {
  bool cbConfirmDelete = true;
  bool cbConfirmCreate = false;
  bool cbConfirmReplace = true;
  bool cbConfirmCreateDir = false;
  bool cbIgnoreReadOnly = false;
  bool cbIgnoreOpenErrors = false;
  bool cbIgnoreReadErrors = false;
  bool cbIgnoreWriteErrors = false;
  bool cbIgnoreDeleteErrors = false;
  bool cbMatchForce = false;
  bool cbLog = false;       // "Log file"
  bool cbClearLog = true;   // "Clear log"
  std::string edLogFile;    // the log's native path
  // "Move deleted and replaced files to the trash" (the dialog loads it from the
  // settings, where it is on by default)
  bool cbUseTrash = false;
  // Not boxes of the dialog: a scripted run skips read-only files without asking, and
  // may write its log to the standard output.
  bool skipReadOnly = false;
  bool logToStandardOutput = false;
  // The entries come from a comparison of these very trees: a destination or a file to
  // delete whose size or time is no longer what the comparison read is left alone.
  bool leaveChangedFiles = false;
};

struct RunAnswers {
  bool ConfirmDelete = true;
  bool ConfirmCreate = false;
  bool ConfirmCreateDir = false;
  bool ConfirmReplace = true;
  bool OverwriteReadOnly = false;
  bool SkipOpenErrors = false;
  bool SkipReadErrors = false;
  bool SkipWriteErrors = false;
  bool SkipDeleteErrors = false;
  bool SkipAllDelete = false;
  bool SkipAllReplace = false;
  bool SkipAllCreate = false;
  bool SkipAllCreateDir = false;
  bool SkipAllReadOnly = false;
  bool ForceUpdate = false;
  bool Simulation = false;
  bool FilesChanged = false;
  bool SkipFile = false;
  bool UseTrash = false;
  bool DeletePermanently = false;  // "Delete a&ll" when the trash could not take a file
  bool SkipAllTrash = false;       // "Skip &all" there

  // The answers a run starts with: the boxes, every skip-all flag off.
  static RunAnswers From(const FileOpOptions& o, bool simulation) {
    RunAnswers a;
    a.ConfirmDelete = o.cbConfirmDelete;
    a.ConfirmCreate = o.cbConfirmCreate;
    a.ConfirmCreateDir = o.cbConfirmCreateDir;
    a.ConfirmReplace = o.cbConfirmReplace;
    a.OverwriteReadOnly = o.cbIgnoreReadOnly;
    a.SkipOpenErrors = o.cbIgnoreOpenErrors;
    a.SkipReadErrors = o.cbIgnoreReadErrors;
    a.SkipWriteErrors = o.cbIgnoreWriteErrors;
    a.SkipDeleteErrors = o.cbIgnoreDeleteErrors;
    a.ForceUpdate = o.cbMatchForce;
    a.SkipAllReadOnly = o.skipReadOnly && !o.cbIgnoreReadOnly;
    a.UseTrash = o.cbUseTrash;
    a.Simulation = simulation;
    return a;
  }
};

}  // namespace quorvane::fileops
