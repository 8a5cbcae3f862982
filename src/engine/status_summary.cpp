#include "engine/status_summary.h"

namespace quorvane {

platform::StatusSummary StatusSummaryOf(const Comparison& c) {
  const RunState& s = c.State;
  const RunStats& stats = s.Stats;
  platform::StatusSummary summary;
  summary.filesCompared = stats.FilesFound;
  summary.newDuplicates = stats.NewDuplicates;
  summary.oldDuplicates = stats.OldDuplicates;
  summary.filesInError = stats.FilesSkipped;
  for (std::size_t i = 0; i < 8; ++i) summary.shownCounts[i] = stats.ShownCounts[i];
  summary.matching = static_cast<std::uint32_t>(c.Display.Count());
  summary.memoryUsed = c.Files.MemoryUsed();
  summary.elapsedMs = s.LastRunMs;
  summary.saved = s.ResultsSaved;
  summary.subdirectoriesWarning = s.SubdirectoriesWarning && !c.settings.Recurse;
  return summary;
}

}  // namespace quorvane
