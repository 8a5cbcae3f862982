#include "engine/run_comparison.h"

#include <utility>

#include "engine/add_file.h"
#include "engine/errors.h"
#include "engine/filter_pass.h"
#include "engine/include_dirs_found.h"
#include "engine/moved_files.h"
#include "engine/sort_menu_state.h"
#include "engine/status_summary.h"
#include "platform/path_checks.h"

namespace quorvane {

namespace {

std::string sideCaption(SetKind kind, Side side) {
  if (kind == SetKind::Nothing) return "<Nothing>";
  const std::string word = sideWord(side);
  if (kind == SetKind::Directory) return word + " directory :";
  if (kind == SetKind::Snapshot) return word + " snapshot :";
  return word + " archive :";  // every archive kind
}

void showMaskIndicators(Comparison& c) {
  CommandState& cmd = c.State.Commands;
  cmd.WildcardLabel = c.Masks.Include.MaskText();
  cmd.WildcardRed = cmd.WildcardLabel != "*.*";
  cmd.MaskActive = cmd.WildcardRed || c.Masks.ExclusionCount > 0;
}

void agreeChecksumKinds(Comparison& c) {
  RunState& s = c.State;
  if (s.NewSet.Kind == SetKind::Snapshot && s.OldSet.Checksum == ChecksumKind::Crc16)
    s.NewSet.Checksum = ChecksumKind::Crc16;
  if (s.OldSet.Kind == SetKind::Snapshot && s.NewSet.Checksum == ChecksumKind::Crc16)
    s.OldSet.Checksum = ChecksumKind::Crc16;
  if (s.NewSet.Checksum != s.OldSet.Checksum) {
    c.settings.Quick = true;  // stays on until the program ends
    s.CurrentChecksumKind = ChecksumKind::None;
  } else {
    s.CurrentChecksumKind = s.NewSet.Checksum;
  }
}

bool readSide(Comparison& c, SetReaders& readers, Side side) {
  try {
    readers.ReadSet(c, side);
    return true;
  } catch (const Exception& e) {
    // The readers' messages name no file; the set's root is the file (or directory) that
    // failed, and the system says why when it cannot be opened at all.
    const std::string& root = c.Set(side).Root;
    c.ui.messageAbout(e.what(), platform::MessageKind::Error, platform::MessageButtons::Ok,
                      {root, platform::openFailureReason(root)});
    return false;
  }
}

}  // namespace

RunOutcome RunComparison(Comparison& c, SetReaders& readers) {
  RunState& s = c.State;
  RunStats& stats = s.Stats;
  platform::UserInterface& ui = c.ui;

  ui.clearAbort();
  c.Problems.Clear();
  for (RunProblem& p : std::exchange(c.Masks.Refused, {})) c.Problems.Add(std::move(p.path), std::move(p.reason));
  c.PendingOld.Clear();
  showMaskIndicators(c);

  stats.FilesFound = 0;
  stats.MovedCount = stats.NewDuplicates = stats.OldDuplicates = 0;
  stats.DuplicateWarningsOff = false;
  stats.FilesSkipped = 0;
  stats.BytesRead = 0;
  s.MovedFilesDone = false;
  s.CurrentChecksumKind = ChecksumKind::Crc32;
  s.SubdirectoriesWarning = false;
  s.Commands.CheckMoved = !s.SnapshotMode;

  agreeChecksumKinds(c);

  if (!c.settings.Pause) {
    if (!ValidateSet(c, Side::New) || (!s.SnapshotMode && !ValidateSet(c, Side::Old))) {
      c.ClearFiles();
      return RunOutcome::Aborted;
    }
  }

  c.Progress.Start();
  ui.progressOpen({sideCaption(s.NewSet.Kind, Side::New), s.NewSet.Root, sideCaption(s.OldSet.Kind, Side::Old),
                   s.OldSet.Root});
  ui.progressStatus("Idle");
  ui.progressBar(0);
  ui.progressButton(platform::ProgressButton::Abort);
  ui.progressStatus("Scanning NEW set of files   ");
  // The Old set may be read on another thread meanwhile; that reading never outlives the run.
  if (!s.SnapshotMode) readers.ReadAhead(c, Side::Old);
  struct DropReadAheadOnExit {
    SetReaders& readers;
    ~DropReadAheadOnExit() { readers.DropReadAhead(); }
  } dropReadAhead{readers};

  bool failed = !readSide(c, readers, Side::New);
  if (!failed && !c.Aborted()) {
    s.Commands.SaveNewListing = true;
    if (!s.SnapshotMode) {
      ui.progressStatus("Scanning OLD set of files   ");
      failed = !readSide(c, readers, Side::Old);
      // What was read of the Old set pairs across letter case, even after a reader error.
      if (!c.Aborted()) PairPendingOldFiles(c);
      if (!failed && !c.Aborted()) s.Commands.SaveOldListing = s.Commands.SaveDiff = true;
    }
    c.Progress.Update(0, true);
    ui.progressButton(platform::ProgressButton::Close);
  }

  s.LastRunMs = c.Progress.ElapsedMs();
  if (c.Aborted()) {
    ui.progressHide();
    c.ClearFiles();
    return RunOutcome::Aborted;
  }
  if (failed) {
    ui.progressHide();
    return RunOutcome::Failed;
  }
  NoteIncludeDirsNotFound(c);

  if (c.settings.CheckMovedFiles && !s.SnapshotMode) {
    ui.progressStatus("Checking moved files");
    CheckMovedFiles(c);
  }
  ui.progressStatus("Applying filter and sorting");
  FilterPass(c);
  ui.progressStatus("Operation complete");
  s.LastRunMs = c.Progress.ElapsedMs();  // the time the user then spends reading the totals is not the run's
  UpdateSortMenu(s.Commands.SortMenu, s.SnapshotMode, c.Display.SortType);
  s.Commands.Diff = s.Commands.Compare = false;
  s.Commands.ResetDiff = true;
  s.Commands.Synchronize = s.NewSet.Kind == SetKind::Directory && s.OldSet.Kind == SetKind::Directory && !s.SnapshotMode;
  s.DiffInMemory = true;

  s.ResultsSaved = false;
  ui.progressHide();
  if (!c.settings.CloseProgressDlg) ui.progressShowModal();
  if (c.settings.ShowStatusDlg) ui.showStatusWindow(StatusSummaryOf(c));
  if (s.Commands.GridVisible) s.Commands.EditMenu = true;
  c.IncludeDirsUsed = c.IncludeDirs;
  return RunOutcome::Completed;
}

}  // namespace quorvane
