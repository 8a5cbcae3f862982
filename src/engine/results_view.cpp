#include "engine/results_view.h"

#include <string>

#include "engine/filter_pass.h"

namespace quorvane {

void ShowResults(Comparison& c) {
  CommandState& commands = c.State.Commands;
  if (c.Display.Count() == 0) {
    commands.GridVisible = false;
    commands.EditMenu = false;
    if (!c.settings.AutoMode) {
      const std::string text = c.Files.Count() == 0
                                   ? std::string("No file matching includes and wildcards\r\n(No files in memory)")
                                   : "No file matching filter\r\n(" + std::to_string(c.Files.Count()) + " files in memory)";
      c.ui.message(text, platform::MessageKind::Information, platform::MessageButtons::Ok);
    }
  } else {
    commands.GridVisible = true;
    commands.EditMenu = true;
  }
  UpdateIndicators(c);
}

std::string MatchingText(const Comparison& c) {
  if (c.State.SnapshotMode) return std::to_string(c.Files.Count()) + " files in snapshot";
  return std::to_string(c.Display.Count()) + " of " + std::to_string(c.Files.Count()) + " files matching filter";
}

void UpdateIndicators(Comparison& c) {
  CommandState& commands = c.State.Commands;
  commands.LCRCActive = c.settings.Quick || !(c.Files.IFilter & stCrcDiffers);
  commands.LFilterActive = FilterActive(c.Files) && !c.State.SnapshotMode;
  commands.LInclExclActive = !c.IncludeDirs.Empty() || !c.ExcludeDirs.Empty();
}

void RemoveFromList(Comparison& c, std::vector<std::int32_t> rows) {
  std::vector<FileEntry*>& items = c.Display.Items();
  std::vector<bool> removed(items.size(), false);
  for (const std::int32_t row : rows)
    if (row >= 0 && static_cast<std::size_t>(row) < items.size()) removed[static_cast<std::size_t>(row)] = true;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (!removed[i]) items[kept++] = items[i];
  items.resize(kept);
  ShowResults(c);
}

}  // namespace quorvane
