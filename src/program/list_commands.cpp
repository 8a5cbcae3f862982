#include "program/list_commands.h"

#include <algorithm>

#include "engine/file_entry.h"
#include "engine/moved_files.h"
#include "engine/results_view.h"

namespace quorvane {

bool CheckMovedFiles(Program& p) {
  if (p.runInProgress) return false;
  const bool ran = CheckMovedFilesCommand(p.comparison);
  if (ran) p.ui.resultsChanged();
  return ran;
}

void RemoveRows(Program& p, std::vector<std::int32_t> rows) {
  if (p.runInProgress) return;
  RemoveFromList(p.comparison, std::move(rows));
  p.ui.resultsChanged();
  p.ui.commandsChanged();
}

std::string CopyPaths(Program& p, std::vector<std::int32_t> rows, SelectedSide side) {
  if (p.runInProgress) return {};
  const Comparison& c = p.comparison;
  const std::uint16_t missingOnSide =
      c.State.SnapshotMode ? 0 : (side == SelectedSide::New ? stDeleted : stInserted);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::string text;
  for (const std::int32_t row : rows) {
    if (row < 0 || row >= c.Display.Count()) continue;
    const FileEntry& e = *c.Display.Items()[static_cast<std::size_t>(row)];
    if (e.Status & missingOnSide) continue;
    text += e.Path();
    text += "\r\n";
  }
  if (text.empty())
    p.ui.message("No file selected - nothing copied to clipboard", platform::MessageKind::Warning,
                 platform::MessageButtons::Ok);
  return text;
}

}  // namespace quorvane
