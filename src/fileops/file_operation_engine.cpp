#include "fileops/file_operation_engine.h"

#include "fileops/prompt_texts.h"
#include "platform/dos_time.h"
#include "platform/tick_count.h"

namespace quorvane::fileops {

using platform::FileAction;

FileOperationEngine::FileOperationEngine(platform::UserInterface& ui, platform::FileSystem& fs,
                                         FileOpStatusModel& status, const Settings& settings)
    : ui_(ui), fs_(fs), status_(status), settings_(settings), log_(fs), buffer_(kCopyBufferSize) {}

void FileOperationEngine::StartRun(int firstRow, int lastRow) {
  answers_ = RunAnswers::From(Options, answers_.Simulation);
  pendingMove_ = {};
  status_.ResetStatus(answers_.Simulation, firstRow, lastRow);
  status_.setTrashInUse(answers_.UseTrash);
  status_.ShowModeless();
  ui_.pumpMessages();
  lastUpdate_ = platform::tickCount();
}

bool FileOperationEngine::OpenLog(RunKind kind) {
  if (!Options.cbLog) return true;
  if (Options.logToStandardOutput ? log_.openStandardOutput(kind) : log_.open(Options.edLogFile, Options.cbClearLog, kind))
    return true;
  ui_.message(kind == RunKind::Synchronization ? texts::kSyncLogFailed : texts::kFileOpLogFailed,
              platform::MessageKind::Error, platform::MessageButtons::Ok);
  return false;
}

void FileOperationEngine::CloseLog(RunKind kind) {
  if (!log_.isOpen()) return;
  const bool written = Options.cbLog ? log_.close(kind) : (log_.abandon(), true);
  if (!written && kind == RunKind::Synchronization && !settings_.AutoMode)
    ui_.message(texts::kSyncLogCloseFailed, platform::MessageKind::Error, platform::MessageButtons::Ok);
}

FinishChoice FileOperationEngine::FinishRun(const std::function<void()>& resetDiff) {
  log_.abandon();  // a driver that did not close its log: the file is closed, nothing added
  pendingMove_ = {};
  status_.Hide();
  status_.ShowComplete();
  status_.ShowModal();
  status_.ResetStatus(false, 1, 0);
  // A headless run ends with the program: no comparison is shown to go stale.
  if (!answers_.FilesChanged || !settings_.SyncWarning || settings_.AutoMode) return FinishChoice::KeepResults;
  if (ui_.message(texts::kFilesChangedCaution, platform::MessageKind::Warning, platform::MessageButtons::OkCancel) !=
      platform::Answer::Ok)
    return FinishChoice::KeepResults;
  if (resetDiff) resetDiff();
  return FinishChoice::ResetDiff;
}

platform::FileAction FileOperationEngine::ask(std::string_view text, const std::string& path,
                                              std::string_view primary, std::string_view all) {
  const platform::FileAction action = ui_.askFileAction(text, path, primary, all, {});
  if (action == platform::FileAction::Abort) ui_.requestAbort();
  return action;
}

void FileOperationEngine::logBegin(const std::string& text) {
  if (Logging() && !log_.begin(text)) logFailed(true);
}

void FileOperationEngine::logFinish(std::string_view word) {
  if (Logging() && !log_.finish(word)) logFailed(false);
}

void FileOperationEngine::logFailed(bool atLineBeginning) {
  Options.cbLog = false;
  log_.abandon();
  if (atLineBeginning && settings_.AutoMode) return;
  ui_.message(texts::kLogWriteFailed, platform::MessageKind::Error, platform::MessageButtons::Ok);
}

void FileOperationEngine::pumpFor(std::uint64_t milliseconds) {
  const std::uint64_t start = platform::tickCount();
  for (;;) {
    ui_.pumpMessages();
    if (platform::tickCount() - start >= milliseconds) return;
    platform::sleepMilliseconds(1);
  }
}

bool FileOperationEngine::changedSinceComparison(const FileEntry& entry, bool newSide,
                                                 const platform::PathFacts& now) const {
  const bool existed = (entry.Status & (newSide ? stDeleted : stInserted)) == 0;
  if (!now.exists()) return false;  // nothing there to lose
  if (!existed) return true;        // a file appeared where the comparison saw none
  if (now.kind != platform::PathKind::Regular) return false;  // refused further on
  const std::uint64_t size = newSide ? entry.NewSize : entry.OldSize;
  const std::uint32_t time = newSide ? entry.NewTime : entry.OldTime;
  return now.size != size || platform::dosTimeFromUnix(now.modified.seconds) != time;
}

bool FileOperationEngine::deletePermanently(const std::string& path, const std::string& reason) {
  if (answers_.DeletePermanently) return true;
  if (answers_.SkipAllTrash) return false;
  std::string text(texts::kTrashFailed);
  text += reason;
  text += texts::kTrashFailedQuestion;
  switch (ask(text, path, texts::kDelete, texts::kDeleteAll)) {
    case FileAction::Primary: return true;
    case FileAction::All: answers_.DeletePermanently = true; return true;
    case FileAction::Skip: return false;
    case FileAction::SkipAll: answers_.SkipAllTrash = true; return false;
    case FileAction::Abort: return false;
  }
  return false;
}

bool FileOperationEngine::progressDue() { return platform::tickCount() - lastUpdate_ > 250; }

}  // namespace quorvane::fileops
