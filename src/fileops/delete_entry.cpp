// DeleteEntry: the confirmation, the read-only prompt and the deletion of one file. A
// symlink is removed itself, never the file it names; a directory is never removed.
#include <cerrno>

#include "engine/file_retry.h"
#include "fileops/file_operation_engine.h"
#include "fileops/prompt_texts.h"
#include "platform/path_form.h"

namespace quorvane::fileops {

using platform::FileAction;

OutcomeCode FileOperationEngine::DeleteEntry(OperationCode code, int row, const FileEntry& entry, bool completesMove) {
  const bool fromNew = SourceIsNew(code);
  std::string target;
  if (completesMove) {
    // Only the deletion of the file whose copy just succeeded completes a move.
    if (pendingMove_.entry != &entry || pendingMove_.fromNew != fromNew) return OutcomeCode::Skip;
    target = std::move(pendingMove_.target);
    pendingMove_ = {};
  }
  const std::string& directory = fromNew ? Sets.NewDir : Sets.OldDir;
  const std::string path = directory + platform::toNativePath(entry.Path());

  std::string statusText(texts::kStatusDeleting);
  entry.AppendPath(statusText);
  status_.StartFile(statusText, directory, fromNew ? entry.NewSize : entry.OldSize, row, "n/a");

  if (Logging() && !completesMove) {
    std::string line(texts::kLogDelete);
    line += path;
    line += texts::kLogDots;
    logBegin(line);
  }

  OutcomeCode outcome = OutcomeCode::Ok;
  bool attempted = false;
  bool deleted = false;
  bool skipped = false;
  // A file edited since the comparison is not the file the user chose to delete. (The
  // source of a move was just copied as it is now: its deletion loses nothing.)
  const bool changed = Options.leaveChangedFiles && !completesMove && !directory.empty() && directory.front() == '/' &&
                       changedSinceComparison(entry, fromNew, fs_.facts(path));
  if (directory.empty() || directory.front() != '/' || changed) {
    // Never a path relative to the working directory, never a changed file.
    skipped = true;
    outcome = OutcomeCode::Skip;
  } else if (!answers_.Simulation && !aborted()) {
    answers_.SkipFile = answers_.SkipAllDelete;
    skipped = answers_.SkipFile;
    if (!skipped && answers_.ConfirmDelete) {
      switch (ask(texts::kConfirmDelete, path, texts::kDelete, texts::kDeleteAll)) {
        case FileAction::Primary: break;
        case FileAction::All: answers_.ConfirmDelete = false; break;
        case FileAction::Skip: skipped = true; break;
        case FileAction::SkipAll: answers_.SkipAllDelete = true; skipped = true; break;
        case FileAction::Abort: break;
      }
    }
    if (!skipped && !aborted()) {
      answers_.FilesChanged = true;
      const platform::PathFacts facts = fs_.facts(path);
      bool mayDelete = true;
      if (facts.readOnly) {
        if (answers_.SkipAllReadOnly) {
          skipped = true;
        } else if (!answers_.OverwriteReadOnly) {
          switch (ask(texts::kDeleteReadOnly, fs_.networkForm(path), texts::kDelete, texts::kDeleteAll)) {
            case FileAction::Primary: break;
            case FileAction::All: answers_.OverwriteReadOnly = true; break;
            case FileAction::Skip: skipped = true; break;
            case FileAction::SkipAll: answers_.SkipAllReadOnly = true; skipped = true; break;
            case FileAction::Abort: break;
          }
        }
        mayDelete = !skipped && !aborted();
      }
      // The trash first; the second half of a move deletes for good (the file now
      // exists at the destination).
      const bool toTrash = !completesMove && answers_.UseTrash;
      if (mayDelete && toTrash) {
        std::string reason;
        if (fs_.moveToTrash(path, &reason) == 0) {
          attempted = deleted = true;
          mayDelete = false;
        } else if (!deletePermanently(path, reason) || aborted()) {
          skipped = true;
          mayDelete = false;
        }
      }
      if (mayDelete && facts.readOnly) fs_.makeWritable(path);
      if (mayDelete) {
        attempted = true;
        const RetryPrompt prompt{texts::kDeleteError, {}, path, texts::kRetry};
        const RetryResult removed = RetryFileStepWithReason(ui_, answers_.SkipDeleteErrors, prompt, [&] {
          answers_.SkipFile = false;
          return fs_.removeFile(path);
        });
        deleted = removed == RetryResult::Done;
        skipped = removed == RetryResult::Skipped;
      }
    }
    if (skipped) outcome = OutcomeCode::Skip;
    if (attempted && !deleted) outcome = OutcomeCode::LfnError;
  }

  if (aborted()) outcome = OutcomeCode::Abort;
  if (outcome == OutcomeCode::Ok) {
    ++status_.Counters().Deleted;
  } else {
    ++status_.Counters().Errors;
  }
  status_.RefreshTotal();
  status_.AddResult(DisplayCode(code, completesMove), outcome, entry, target,
                    changed ? texts::kChangedOnDisk : std::string_view());

  std::string_view word = texts::kWordOk;
  if (changed) {
    word = texts::kWordSkipped;
  } else if (answers_.Simulation) {
    word = texts::kWordSimulation;
  } else if (outcome == OutcomeCode::Abort) {
    word = texts::kWordAborted;
  } else if (attempted && !deleted) {
    word = texts::kWordError;
  } else if (skipped) {
    word = texts::kWordSkipped;
  }
  logFinish(word);
  return outcome;
}

}  // namespace quorvane::fileops
