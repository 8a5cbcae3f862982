#include "engine/moved_files.h"

#include <cmath>
#include <string>

#include "engine/moved_pairing.h"

namespace quorvane {

namespace {

constexpr std::uint64_t kBusyRedrawMs = 200;

std::string busyProgressText(std::int32_t i, std::int32_t count) {
  const long percent = std::lround(100.0 * i / count);
  return "Checking moved files...  " + std::to_string(i) + "  (" + std::to_string(percent) + " %)  ";
}

}  // namespace

void CheckMovedFiles(Comparison& c) {
  const MovedFileOptions options{c.settings.MovedFilesByCRC, c.settings.MovedFilesByFileName,
                                 c.settings.MovedFilesIgnoreArcExt};
  RunState& state = c.State;
  platform::UserInterface& ui = c.ui;
  FileList& files = c.Files;
  const std::int32_t count = files.Count();

  state.Stats.MovedCount = 0;
  ui.pumpMessages();
  const bool busy = count > kMovedBusyThreshold;
  if (busy) ui.busyShow("Checking moved files...");

  Throttle busyRedraw(kBusyRedrawMs, c.Progress.clock());
  const auto onEntry = [&](std::int32_t i) {
    if ((i & 63) != 0) return;  // the clock is read once per 64 entries
    const std::uint64_t now = c.Progress.clock();
    if (busy && busyRedraw.Due(now)) {
      ui.busyText(busyProgressText(i, count));
    } else {
      c.Progress.Pump();
    }
  };
  // A pass that already ran on this list clears its links first.
  state.Stats.MovedCount = PairMovedEntries(files, options, state.MovedFilesDone && count > 0, onEntry);

  if (busy) ui.busyHide();
  state.MovedFilesDone = true;
  if (!c.settings.AutoMode) {
    const std::uint32_t moved = state.Stats.MovedCount;
    ui.message(moved == 0 ? std::string("No moved files found") : std::to_string(moved) + " moved files found",
               platform::MessageKind::Information, platform::MessageButtons::Ok);
  }
}

bool CheckMovedFilesCommand(Comparison& c) {
  if (c.State.SnapshotMode) return false;
  CheckMovedFiles(c);
  return true;
}

}  // namespace quorvane
