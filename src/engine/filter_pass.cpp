#include "engine/filter_pass.h"

namespace quorvane {

void ApplyFilter(Comparison& c) {
  RunStats& stats = c.State.Stats;
  stats.StatusCounts.fill(0);
  stats.ShownCounts.fill(0);
  auto& shown = c.Display.Items();
  shown.clear();
  const std::int32_t n = c.Files.Count();
  shown.reserve(static_cast<std::size_t>(n));
  for (std::int32_t i = 0; i < n; ++i) {
    FileEntry& e = c.Files.ItemAt(i);
    if (!c.State.SnapshotMode) {
      const std::uint16_t differences = e.Status & 0xFE & c.Files.IFilter;
      if ((e.Status & (stInserted | stDeleted)) == 0) e.Status = differences ? (e.Status & ~stIdentical) : (e.Status | stIdentical);
      for (int bit = 0; bit < 8; ++bit)
        if (e.Status & (1u << bit)) {
          ++stats.StatusCounts[static_cast<std::size_t>(bit)];
          ++stats.ShownCounts[static_cast<std::size_t>(bit)];
        }
    }
    shown.push_back(&e);
  }
}

}  // namespace quorvane
