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
    a.Simulation = simulation;
    return a;
  }
};

}  // namespace quorvane::fileops
