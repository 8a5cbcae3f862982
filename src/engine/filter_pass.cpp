#include "engine/filter_pass.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/display_sort.h"
#include "engine/results_view.h"

namespace quorvane {

namespace {

constexpr const char* kBusyText = "Filtering and sorting ...   ";
constexpr std::uint64_t kBusyRedrawMs = 100;
constexpr std::int32_t kPrefetchDistance = 16;

void countBits(std::array<std::uint32_t, 8>& counts, std::uint16_t s) {
  for (std::size_t bit = 0; bit < counts.size(); ++bit)
    if (s & (1u << bit)) ++counts[bit];
}

}  // namespace

bool FilterActive(const FileList& files) { return !(files.IFilter == 0xFFFF && files.XFilter == 0xFFFF); }

void FilterPass(Comparison& c) {
  FileList& files = c.Files;
  RunStats& stats = c.State.Stats;
  CommandState& commands = c.State.Commands;
  platform::UserInterface& ui = c.ui;
  const bool snapshotMode = c.State.SnapshotMode;
  const TDisplayIndex& d = c.Display;

  commands.GridVisible = false;
  commands.FileOperations = false;
  const std::int32_t count = files.Count();
  const bool busy = count > kFilterBusyThreshold;
  if (busy) ui.busyShow(kBusyText);

  const platform::NameMetrics* measure = ui.nameMetrics();
  files.WidestName = measure ? 13 * static_cast<std::int32_t>(std::lround(measure->width("ABCmio") / 6.0)) : 0;
  stats.StatusCounts.fill(0);
  stats.ShownCounts.fill(0);
  c.Display.Items().clear();
  DisplaySorter sorter(SortRule{d.SortType, d.Descending, snapshotMode}, static_cast<std::size_t>(count));

  const auto show = [&](FileEntry& e) {
    if (measure) files.WidestName = std::max(files.WidestName, measure->width(e.Name()));
    sorter.Add(&e);
  };
  const bool readsPaths = measure != nullptr || sorter.ReadsPaths();
  Throttle busyRedraw(kBusyRedrawMs, c.Progress.clock());
  for (std::int32_t i = 0; i < count; ++i) {
    // The clock is read once per 64 entries: often enough for the 100 ms and 250 ms rules.
    if ((i & 63) == 0) {
      if (busy && busyRedraw.Due(c.Progress.clock())) {
        const int percent = static_cast<int>(std::lround(100.0 * i / count));
        ui.busyText(kBusyText + std::to_string(percent) + " %");
        ui.busyBar(percent);
      }
      c.Progress.Pump();
    }
    // Entries lie in memory in the order they were read, not in key order.
    if (i + kPrefetchDistance < count) files.PrefetchEntry(i + kPrefetchDistance, readsPaths);
    if (readsPaths && i + kPrefetchDistance / 2 < count) files.PrefetchRecord(i + kPrefetchDistance / 2);

    FileEntry& e = files.ItemAt(i);
    if (snapshotMode) {
      show(e);
      continue;
    }
    const std::uint16_t s = FinalStatus(e.Status, files.IFilter);
    e.Status = s;
    countBits(stats.StatusCounts, s);
    if (ShownByFilter(s, files.IFilter, files.XFilter)) {
      show(e);
      countBits(stats.ShownCounts, s);
    }
  }
  if (!FilterActive(files)) stats.ShownCounts = stats.StatusCounts;

  sorter.SortInto(c.Display.Items());
  if (busy) ui.busyHide();
  ShowResults(c);
}

}  // namespace quorvane
