#include "engine/comparison.h"

namespace quorvane {

Comparison::Comparison(Settings& s, platform::UserInterface& u)
    : settings(s), ui(u), Progress(u, State.Stats, State.SubdirectoriesWarning) {}

void Comparison::ClearFiles() {
  Files.Clear();
  PendingOld.Clear();
  Display.Clear();
  State.Stats.FilesFound = 0;
  State.Stats.BytesRead = 0;
}

}  // namespace quorvane
