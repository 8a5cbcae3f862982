#include "program/termine.h"

#include "config/ini_file.h"

namespace quorvane {

bool QuitPrompt(Program& p) {
  if (p.settings.AutoMode || !p.settings.QuitSave || p.comparison.State.ResultsSaved) return true;
  return p.ui.message("The Diff or Snapshot currently in memory\rhas not been saved yet.\rDo you still want to quit ?",
                      platform::MessageKind::Warning, platform::MessageButtons::YesCancel) == platform::Answer::Yes;
}

void Termine(Program& p, const std::string& message, ExitKind kind) {
  if (p.ended) return;
  if (message.empty() && kind != ExitKind::Quiet) {
    if (p.ui.mainWindowExists()) IniFileSave(p.settings, p.ui);
  } else if (!message.empty()) {
    p.ui.message(message, kind == ExitKind::Error ? platform::MessageKind::Error : platform::MessageKind::Information,
                 platform::MessageButtons::Ok);
  }
  p.ended = true;
  if (p.settings.AutoMode && kind != ExitKind::Quiet) {
    const Comparison& c = p.comparison;
    if (kind == ExitKind::Error || p.autoRunFailed || p.syncFailed || !c.Problems.Empty())
      p.exitCode = 1;
    else if (p.commandLine.Sync.Requested())
      p.exitCode = 0;  // a synchronization's code tells whether it completed, not what differed
    else if (c.State.SnapshotMode || c.Display.Count() == static_cast<std::int32_t>(c.State.Stats.ShownCounts[Slot(StatusIndex::Identical)]))
      p.exitCode = 0;
    else
      p.exitCode = 2;
  } else {
    p.exitCode = (kind == ExitKind::Error) ? 1 : 0;
  }
}

}  // namespace quorvane
