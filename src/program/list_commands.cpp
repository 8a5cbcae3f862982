#include "program/list_commands.h"

#include <algorithm>

#include "engine/file_entry.h"
#include "engine/filter_pass.h"
#include "engine/status_summary.h"
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
    e.AppendPath(text);
    text += "\r\n";
  }
  if (text.empty())
    p.ui.message("No file selected - nothing copied to clipboard", platform::MessageKind::Warning,
                 platform::MessageButtons::Ok);
  return text;
}

bool CopyToClipboard(Program& p, std::vector<std::int32_t> rows, SelectedSide side,
                     const std::function<bool(const std::string&)>& put) {
  if (p.runInProgress) return false;
  const std::string text = CopyPaths(p, std::move(rows), side);
  if (text.empty()) return false;
  if (put(text)) return true;
  p.ui.message("Error during copy to clipboard", platform::MessageKind::Error, platform::MessageButtons::Ok);
  return false;
}

void ShowComparisonStatus(Program& p) {
  if (p.runInProgress) return;
  p.ui.showStatusWindow(StatusSummaryOf(p.comparison));
}

std::uint32_t FilterMaskSum(const Program& p) {
  return std::uint32_t{p.comparison.Files.IFilter} + p.comparison.Files.XFilter;
}

void OptionsClosed(Program& p, std::uint32_t filterMaskSumBefore) {
  if (p.runInProgress) return;
  if (p.comparison.State.DiffInMemory && p.comparison.Files.Count() > 0 && FilterMaskSum(p) != filterMaskSumBefore)
    FilterPass(p.comparison);
  p.ui.resultsChanged();
  p.ui.commandsChanged();
}

}  // namespace quorvane
