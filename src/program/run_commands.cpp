#include "program/run_commands.h"

#include "engine/errors.h"
#include "engine/set_kind.h"
#include "platform/path_checks.h"
#include "program/scripted_sync.h"
#include "program/termine.h"

namespace quorvane {

namespace {

// Marks the run in progress and brackets it with the run notices, also when a fatal
// error unwinds through it.
class RunScope {
 public:
  explicit RunScope(Program& p) : p_(p) {
    p_.runInProgress = true;
    p_.ui.runStarted();
  }
  ~RunScope() {
    p_.runInProgress = false;
    p_.ui.runEnded();
    p_.ui.resultsChanged();
    p_.ui.commandsChanged();
  }
  RunScope(const RunScope&) = delete;
  RunScope& operator=(const RunScope&) = delete;

 private:
  Program& p_;
};

// The output of the automatic mode must not be one of the files it reads: writing it
// would destroy the set, and reading it while it is written gives nonsense. Shows the
// refusal and returns false when it is.
bool outputIsNoSet(Program& p) {
  const std::string& target = p.settings.OutputFile;
  if (target == kPrinterTarget) return true;
  const RunState& s = p.comparison.State;
  for (const Side side : {Side::New, Side::Old}) {
    if (side == Side::Old && s.SnapshotMode) continue;
    const SetDescription& set = side == Side::New ? s.NewSet : s.OldSet;
    if (set.Kind == SetKind::Directory || set.Kind == SetKind::Nothing) continue;
    if (!platform::sameExistingFile(target, set.Root)) continue;
    p.ui.messageAbout(std::string("The output file is the ") + sideWordUpper(side) + " set :\r" + target +
                          "\rNothing was compared, nothing was written.",
                      platform::MessageKind::Error, platform::MessageButtons::Ok, {target, {}});
    return false;
  }
  return true;
}

void reopenSets(Program& p) {
  try {
    p.selection.ReopenSets();
  } catch (const Exception& e) {
    p.ui.message(e.what(), platform::MessageKind::Error, platform::MessageButtons::Ok);
  }
}

}  // namespace

RunOutcome RunCurrentSets(Program& p) {
  if (p.runInProgress) return RunOutcome::Aborted;
  RunScope scope(p);
  return RunComparison(p.comparison, p.readers);
}

void RunAutomaticComparison(Program& p) {
  if (p.runInProgress) return;
  Comparison& c = p.comparison;
  if (p.settings.AutoMode && !outputIsNoSet(p)) {
    p.autoRunFailed = true;
    Termine(p, "", ExitKind::Error);
    return;
  }
  const RunOutcome outcome = RunCurrentSets(p);
  if (!p.settings.AutoMode) return;
  // Only a completed run has a result: the output of a failed or aborted one would be
  // empty or partial, and written over yesterday's good report or snapshot.
  // A synchronization writes the report only when -O: asked for it.
  const bool syncing = p.commandLine.Sync.Requested() && !c.State.SnapshotMode;
  if (outcome == RunOutcome::Completed && syncing && p.settings.OutputFile.empty()) {
    p.outputWritten = true;
  } else if (outcome == RunOutcome::Completed) {
    p.outputWritten = c.State.SnapshotMode
                          ? p.writers.WriteSnapshot(p, p.settings.OutputFile, p.commandLine.AppendOutput)
                          : p.writers.WriteDiffReport(p, p.settings.OutputFile, p.commandLine.AppendOutput);
  }
  p.autoRunFailed = outcome != RunOutcome::Completed || !p.outputWritten;
  if (syncing && !p.autoRunFailed) p.syncFailed = !RunScriptedSynchronization(p);
  if (QuitPrompt(p)) Termine(p, "", ExitKind::Normal);
}

void Diff(Program& p) {
  if (p.runInProgress) return;
  const RunState& s = p.comparison.State;
  if (s.NewSet.Kind == SetKind::Nothing || s.OldSet.Kind == SetKind::Nothing) return;
  p.comparison.State.SnapshotMode = false;
  RunAutomaticComparison(p);
}

bool TakeSnapshot(Program& p) {
  if (p.runInProgress) return false;
  RunState& s = p.comparison.State;
  if (s.NewSet.Kind == SetKind::Nothing) {
    p.ui.message("You must specify a NEW set of files\rfirst to generate a snapshot.\r\rClick on the NewDir or "
                 "NewArc speedbutton.",
                 platform::MessageKind::Error, platform::MessageButtons::Ok);
    return false;
  }
  const auto confirmed = [&](const std::string& question) {
    return p.ui.message(question + s.NewSet.Root + " ?", platform::MessageKind::Warning,
                        platform::MessageButtons::YesCancel) == platform::Answer::Yes;
  };
  if (s.DiffInMemory) {
    if (!confirmed("A Diff or snapshot is already in memory.\rDo you want to generate a new snapshot from :\r"))
      return false;
    reopenSets(p);
    p.ui.resultsChanged();
    p.ui.commandsChanged();
    if (s.NewSet.Kind == SetKind::Nothing) return false;
  } else if (s.OldSet.Kind != SetKind::Nothing) {
    if (!confirmed("Only a NEW set of files must be specified\rto generate a snapshot. \r\rDo you want to generate a "
                   "new snapshot from :\r"))
      return false;
    s.OldSet.Kind = SetKind::Nothing;
    s.OldSet.Root = "<Empty>";
    SideSelection& old = p.selection.Selection(Side::Old);
    old.Label = "<Empty>";
    old.Note.clear();
    p.ui.commandsChanged();
  }
  s.SnapshotMode = true;
  RunAutomaticComparison(p);
  return true;
}

void ResetDiff(Program& p) {
  if (p.runInProgress) return;
  reopenSets(p);
  p.ui.resultsChanged();
  p.ui.commandsChanged();
}

}  // namespace quorvane
