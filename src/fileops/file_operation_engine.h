#pragma once
// The file operation engine: copies one entry's file from one tree to the other (or to
// a chosen directory), or deletes it from one tree, asking before every risky step and
// on every failure (Retry, Skip, Skip all, Abort), remembering "all" answers for the
// rest of the run, simulating when asked, logging one line per file and reporting each
// outcome to the status model.
//
// A copy never destroys what it replaces: it is written to a staged file in the
// destination directory and renamed over the destination only when the whole transfer
// completed; after Skip, Abort or any failure the former destination is as it was and
// the staged file is gone. A move deletes its source only after its copy succeeded.
//
// A run: the driver clears the abort flag, sets Answers().Simulation, calls StartRun,
// then CopyEntry / DeleteEntry per entry while no abort is pending, then FinishRun.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_entry.h"
#include "fileops/operation_codes.h"
#include "fileops/operation_log.h"
#include "fileops/run_answers.h"
#include "fileops/status_model.h"
#include "platform/file_system.h"
#include "platform/user_interface.h"
#include "settings/settings.h"

namespace quorvane::fileops {

// The chunk of every transfer, and the size of the one copy buffer.
inline constexpr std::size_t kCopyBufferSize = 65535;

// The two sets' directories: native paths ending with "/".
struct SetDirectories {
  std::string NewDir;
  std::string OldDir;
};

enum class FinishChoice { KeepResults, ResetDiff };

class FileOperationEngine {
 public:
  FileOperationEngine(platform::UserInterface& ui, platform::FileSystem& fs, FileOpStatusModel& status,
                      const Settings& settings);

  // The dialog's boxes (kept between runs) and the sets' directories.
  FileOpOptions Options;
  SetDirectories Sets;

  RunAnswers& Answers() { return answers_; }
  const RunAnswers& Answers() const { return answers_; }
  FileOpStatusModel& Status() { return status_; }

  // Clears FilesChanged, loads the answers from Options (keeping Simulation), resets and
  // shows the status window for the rows, pumps messages.
  void StartRun(int firstRow, int lastRow);

  // With "Log file" ticked: opens the log and writes the run's header. On a failure shows
  // "FileOp: ..." or "Synchronize: Error updating the log file." and returns false (the
  // run is then to process no file). True when logging is off.
  bool OpenLog(RunKind kind);
  // Ends the log of the run: a synchronization writes its closing lines; their failure
  // shows "Synchronize: Error closing the log file." unless in automatic mode.
  void CloseLog(RunKind kind);
  bool Logging() const { return Options.cbLog && log_.isOpen(); }

  // Copies the entry by operation code 0..3; targetDirectory is used by codes 2 and 3.
  // move: the copy is the first half of a move, whose deletion completes it.
  OutcomeCode CopyEntry(OperationCode code, int row, const FileEntry& entry, bool move,
                        std::string_view targetDirectory = {});
  // Deletes the New side's file for codes 0, 2, 4 and the Old side's for the others.
  // completesMove: the deletion follows CopyEntry of the same entry with move set; it is
  // refused (Skip, nothing deleted) unless that copy ended with Ok.
  OutcomeCode DeleteEntry(OperationCode code, int row, const FileEntry& entry, bool completesMove);

  // Shows the status window's finished state modally, resets it, and when files changed
  // and SyncWarning is on asks whether to reset the comparison; OK calls resetDiff.
  FinishChoice FinishRun(const std::function<void()>& resetDiff);

 private:
  struct CopyJob;

  bool aborted() const { return ui_.abortRequested(); }
  platform::FileAction ask(std::string_view text, const std::string& path, std::string_view primary,
                           std::string_view all);
  void logBegin(const std::string& text);
  void logFinish(std::string_view word);
  void logFailed(bool atLineBeginning);
  void pumpFor(std::uint64_t milliseconds);
  // Whether the file of the entry's side differs from what the comparison read (size or
  // time, or a file where there was none): such a file is never replaced or deleted.
  bool changedSinceComparison(const FileEntry& entry, bool newSide, const platform::PathFacts& now) const;
  // The trash could not take the file: asks whether to delete (or replace) it for good.
  bool deletePermanently(const std::string& path, const std::string& reason);
  bool progressDue();

  void simulateCopy(CopyJob& job);
  void realCopy(CopyJob& job);
  bool confirmDestination(CopyJob& job);
  bool ensureDirectory(CopyJob& job);
  bool transfer(CopyJob& job);

  platform::UserInterface& ui_;
  platform::FileSystem& fs_;
  FileOpStatusModel& status_;
  const Settings& settings_;
  OperationLog log_;
  RunAnswers answers_;
  std::vector<unsigned char> buffer_;  // the copy buffer, for the engine's whole life
  std::uint64_t lastUpdate_ = 0;

  // The successful first half of a move, waiting for its deletion.
  struct PendingMove {
    const FileEntry* entry = nullptr;
    bool fromNew = false;
    std::string target;
  } pendingMove_;
};

}  // namespace quorvane::fileops
