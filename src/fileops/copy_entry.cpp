// CopyEntry: the prompts and steps of one copy, through a staged file that replaces the
// destination only when complete.
#include <cerrno>
#include <memory>

#include "engine/file_retry.h"
#include "fileops/file_operation_engine.h"
#include "fileops/prompt_texts.h"
#include "platform/local_file_system.h"
#include "platform/path_form.h"
#include "platform/tick_count.h"

namespace quorvane::fileops {

using platform::FileAction;

struct FileOperationEngine::CopyJob {
  std::string source;       // native full paths
  std::string destination;
  std::string shownSource;  // as the prompts show them
  std::string shownDestination;
  std::uint64_t size = 0;
  bool destinationExisted = false;
  bool destinationIsDirectory = false;
  bool destinationReadOnly = false;
  bool skipped = false;
  bool sourceOpened = false;
  bool directoryPresent = false;
  bool destinationWritten = false;  // the new copy is in place
  bool kernelCopy = true;           // chunks move inside the system until that fails once
  bool changed = false;             // the destination changed since the comparison
  OutcomeCode outcome = OutcomeCode::Ok;
  std::unique_ptr<platform::SourceFile> input;
  std::unique_ptr<platform::StagedFile> output;
};

namespace {

std::string withSlash(std::string_view directory) {
  std::string d(directory);
  if (d.empty() || d.back() != '/') d += '/';
  return d;
}

int failureOr(int error) { return error != 0 ? error : EIO; }

}  // namespace

OutcomeCode FileOperationEngine::CopyEntry(OperationCode code, int row, const FileEntry& entry, bool move,
                                           std::string_view targetDirectory) {
  const bool fromNew = SourceIsNew(code);
  const std::string sourceDir = withSlash(fromNew ? Sets.NewDir : Sets.OldDir);
  const std::string destDir =
      withSlash(CopiesToTarget(code) ? targetDirectory : std::string_view(fromNew ? Sets.OldDir : Sets.NewDir));
  const std::string relative = platform::toNativePath(entry.Path());

  CopyJob job;
  job.source = sourceDir + relative;
  job.destination = destDir + relative;
  job.size = fromNew ? entry.NewSize : entry.OldSize;

  std::string statusText(move ? texts::kStatusMoving : texts::kStatusCopying);
  entry.AppendPath(statusText);
  status_.StartFile(statusText, sourceDir, job.size, row, destDir);

  if (Logging()) {
    std::string line(move ? texts::kLogMove : texts::kLogCopy);
    line += job.source;
    line += texts::kLogTo;
    line += destDir;
    line += texts::kLogDots;
    logBegin(line);
  }

  // Only absolute directories are ever written to: an empty target or set directory
  // would otherwise name the root or the working directory.
  const std::string_view chosenDest = CopiesToTarget(code) ? targetDirectory : std::string_view(fromNew ? Sets.OldDir : Sets.NewDir);
  const std::string_view chosenSource = fromNew ? Sets.NewDir : Sets.OldDir;
  const bool placed = !chosenDest.empty() && chosenDest.front() == '/' && !chosenSource.empty() && chosenSource.front() == '/';

  const platform::PathFacts destination = fs_.facts(job.destination);
  job.destinationExisted = destination.exists();
  job.destinationIsDirectory = destination.kind == platform::PathKind::Directory;
  job.destinationReadOnly = destination.readOnly;

  // A destination that is no longer what the comparison read (edited since, or a file
  // where there was none) is not the user's choice to overwrite.
  job.changed = placed && Options.leaveChangedFiles && !CopiesToTarget(code) && changedSinceComparison(entry, !fromNew, destination);
  if (!placed || job.changed) {
    job.skipped = true;
    job.outcome = OutcomeCode::Skip;
  } else if (answers_.Simulation) {
    simulateCopy(job);
  } else {
    realCopy(job);
  }

  if (aborted()) job.outcome = OutcomeCode::Abort;
  if (job.outcome != OutcomeCode::Ok) ++status_.Counters().Errors;

  if (move && job.outcome == OutcomeCode::Ok) {
    // The deletion that completes the move reports both halves.
    pendingMove_ = {&entry, fromNew, std::string(CopiesToTarget(code) ? targetDirectory : std::string_view())};
    return job.outcome;
  }
  pendingMove_ = {};
  status_.RefreshTotal();
  status_.AddResult(DisplayCode(code, false), job.outcome, entry, CopiesToTarget(code) ? targetDirectory : "",
                    job.changed ? texts::kChangedOnDisk : std::string_view());
  std::string_view word = texts::kWordError;
  if (job.changed) {
    word = texts::kWordSkipped;
  } else if (answers_.Simulation) {
    word = texts::kWordSimulation;
  } else if (job.outcome == OutcomeCode::Abort) {
    word = texts::kWordAborted;
  } else if (job.skipped) {
    word = texts::kWordSkipped;
  } else if (job.sourceOpened && job.destinationWritten && job.directoryPresent) {
    word = texts::kWordOk;
  }
  logFinish(word);
  return job.outcome;
}

void FileOperationEngine::simulateCopy(CopyJob& job) {
  if (!status_.SlowSimulation() || fs_.facts(job.source).kind != platform::PathKind::Regular) return;
  std::uint64_t position = 0;
  while (position < job.size && !aborted() && status_.SlowSimulation()) {
    position = job.size - position > kCopyBufferSize ? position + kCopyBufferSize : job.size;
    pumpFor(6);
    if (progressDue()) {
      status_.SetFileProgress(position);
      ui_.pumpMessages();
      lastUpdate_ = platform::tickCount();
    }
  }
  pumpFor(6);
}

void FileOperationEngine::realCopy(CopyJob& job) {
  ui_.pumpMessages();
  lastUpdate_ = platform::tickCount();
  answers_.SkipFile = false;
  job.shownSource = fs_.networkForm(job.source);
  job.shownDestination = fs_.networkForm(job.destination);

  if (!aborted()) {
    const RetryPrompt prompt{texts::kOpenSourceError, {}, job.shownSource, texts::kRetry};
    const RetryResult opened = RetryFileStepWithReason(ui_, answers_.SkipOpenErrors, prompt, [&] {
      int error = 0;
      job.input = fs_.openSource(job.source, &error);
      return job.input ? 0 : failureOr(error);
    });
    job.skipped = opened == RetryResult::Skipped;
    job.sourceOpened = opened == RetryResult::Done;
  }
  if (!job.skipped && !aborted()) job.skipped = !confirmDestination(job);
  if (!job.skipped && !aborted()) job.skipped = !ensureDirectory(job);
  if (!job.skipped && !aborted()) {
    const RetryPrompt prompt{texts::kOpenDestinationError, {}, job.shownDestination, texts::kRetry};
    const RetryResult created = RetryFileStepWithReason(ui_, answers_.SkipWriteErrors, prompt, [&] {
      answers_.FilesChanged = true;
      // A directory in the file's place is never replaced.
      if (job.destinationIsDirectory) return EISDIR;
      int error = 0;
      job.output = fs_.stageReplacement(job.destination, &error);
      return job.output ? 0 : failureOr(error);
    });
    job.skipped = created == RetryResult::Skipped;
    if (created == RetryResult::Done) ++(job.destinationExisted ? status_.Counters().Replaced : status_.Counters().Created);
  }
  if (job.skipped) job.outcome = OutcomeCode::Skip;

  if (!job.skipped && !aborted() && transfer(job)) {
    // The former destination gets its name in the trash before the new copy takes its
    // place: at every moment it is either at the destination or in the trash.
    std::unique_ptr<platform::TrashedName> kept;
    if (answers_.UseTrash && fs_.facts(job.destination).exists()) {
      std::string reason;
      kept = fs_.keepInTrash(job.destination, &reason);
      if (!kept && !deletePermanently(job.shownDestination, reason)) {
        job.skipped = true;
        job.outcome = OutcomeCode::Skip;
        --(job.destinationExisted ? status_.Counters().Replaced : status_.Counters().Created);
      }
    }
    if (!job.skipped && !aborted()) {
      const RetryPrompt prompt{texts::kWriteError, {}, job.shownDestination, texts::kRetry};
      const RetryResult committed = RetryFileStepWithReason(ui_, answers_.SkipWriteErrors, prompt, [&] {
        int error = 0;
        return job.output->commit(job.input->modified(), job.input->mode(), &error) ? 0 : failureOr(error);
      });
      job.destinationWritten = committed == RetryResult::Done;
      if (committed == RetryResult::Skipped) {
        job.skipped = true;
        job.outcome = OutcomeCode::WriteError;
      }
    }
    if (kept && !job.destinationWritten) kept->withdraw();
  }
  // Whatever did not complete leaves no trace: the staged file goes, the former
  // destination was never touched.
  if (job.output && !job.destinationWritten) job.output->discard();
  job.output.reset();
  job.input.reset();
}

// The overwrite, read-only and new-file prompts. False when the file is skipped.
bool FileOperationEngine::confirmDestination(CopyJob& job) {
  if (job.destinationExisted) {
    if (answers_.SkipAllReplace) return false;
    if (answers_.ConfirmReplace) {
      switch (ask(texts::kDestinationExists, job.shownDestination, texts::kReplace, texts::kReplaceAll)) {
        case FileAction::Primary: break;
        case FileAction::All: answers_.ConfirmReplace = false; break;
        case FileAction::Skip: return false;
        case FileAction::SkipAll: answers_.SkipAllReplace = true; return false;
        case FileAction::Abort: return true;
      }
    }
    // A hidden destination (a dot name) stays hidden: nothing to clear. A read-only one
    // is asked about; the replacement then carries the source's bits with the owner's
    // write bit, and the former file is never changed.
    if (job.destinationReadOnly) {
      if (answers_.SkipAllReadOnly) return false;
      if (!answers_.OverwriteReadOnly) {
        switch (ask(texts::kDestinationReadOnly, job.shownDestination, texts::kOverwrite, texts::kOverwriteAll)) {
          case FileAction::Primary: break;
          case FileAction::All: answers_.OverwriteReadOnly = true; break;
          case FileAction::Skip: return false;
          case FileAction::SkipAll: answers_.SkipAllReadOnly = true; return false;
          case FileAction::Abort: return true;
        }
      }
    }
    return true;
  }
  if (answers_.SkipAllCreate) return false;
  if (answers_.ConfirmCreate) {
    switch (ask(texts::kDestinationMissing, job.shownDestination, texts::kCreate, texts::kCreateAll)) {
      case FileAction::Primary: break;
      case FileAction::All: answers_.ConfirmCreate = false; break;
      case FileAction::Skip: return false;
      case FileAction::SkipAll: answers_.SkipAllCreate = true; return false;
      case FileAction::Abort: return true;
    }
  }
  return true;
}

// The destination's directory, made with every missing level after one confirmation.
// False when the file is skipped.
bool FileOperationEngine::ensureDirectory(CopyJob& job) {
  const std::string directory = platform::parentDirectory(job.destination);
  if (fs_.facts(directory).kind == platform::PathKind::Directory) {
    job.directoryPresent = true;
    return true;
  }
  if (answers_.SkipAllCreateDir) return false;
  const std::string shown = fs_.networkForm(directory);
  if (answers_.ConfirmCreateDir) {
    switch (ask(texts::kConfirmCreateDir, shown, texts::kCreate, texts::kCreateAll)) {
      case FileAction::Primary: break;
      case FileAction::All: answers_.ConfirmCreateDir = false; break;
      case FileAction::Skip: return false;
      case FileAction::SkipAll: answers_.SkipAllCreateDir = true; return false;
      case FileAction::Abort: return true;
    }
  }
  const RetryPrompt prompt{texts::kCreateDirError, {}, shown, texts::kRetry};
  const RetryResult made = RetryFileStepWithReason(ui_, answers_.SkipAllCreateDir, prompt, [&] {
    answers_.FilesChanged = true;
    const int error = fs_.makeDirectories(directory);
    if (error != 0) return error;
    return fs_.facts(directory).kind == platform::PathKind::Directory ? 0 : ENOTDIR;
  });
  job.directoryPresent = made == RetryResult::Done;
  return made != RetryResult::Skipped;
}

// Moves the bytes through the copy buffer. True when the whole file was written.
bool FileOperationEngine::transfer(CopyJob& job) {
  unsigned char* const buffer = buffer_.data();
  const RetryPrompt readPrompt{texts::kReadError, {}, job.shownSource, texts::kRetry};
  const RetryPrompt writePrompt{texts::kWriteError, {}, job.shownDestination, texts::kRetry};
  std::uint64_t position = 0;
  for (;;) {
    // The system moves the chunk itself when it can; a failure there is taken again
    // through the buffer, whose read and write tell which side failed.
    std::int64_t count = job.kernelCopy ? job.output->copyFrom(*job.input, kCopyBufferSize) : -1;
    const bool moved = count >= 0;
    if (!moved) job.kernelCopy = false;
    const RetryResult read = moved ? RetryResult::Done : RetryFileStepWithReason(ui_, answers_.SkipReadErrors, readPrompt, [&] {
      int error = 0;
      count = job.input->read(buffer, kCopyBufferSize, &error);
      if (count >= 0) return 0;
      job.input->seek(position);
      return failureOr(error);
    });
    if (read == RetryResult::Skipped) {
      job.skipped = true;
      job.outcome = OutcomeCode::ReadError;
    }
    if (read != RetryResult::Done) return false;

    if (count > 0 && !moved) {
      const RetryResult written = RetryFileStepWithReason(ui_, answers_.SkipWriteErrors, writePrompt, [&] {
        int error = 0;
        return job.output->write(buffer, static_cast<std::size_t>(count), &error) ? 0 : failureOr(error);
      });
      if (written == RetryResult::Skipped) {
        job.skipped = true;
        job.outcome = OutcomeCode::WriteError;
      }
      if (written != RetryResult::Done) return false;
    }
    if (progressDue()) {
      status_.SetFileProgress(position);
      ui_.pumpMessages();
      lastUpdate_ = platform::tickCount();
    }
    position += static_cast<std::uint64_t>(count);
    if (aborted()) return false;
    if (static_cast<std::size_t>(count) != kCopyBufferSize) return true;
  }
}

}  // namespace quorvane::fileops
