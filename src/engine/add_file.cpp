#include "engine/add_file.h"

#include <algorithm>
#include <vector>

#include "engine/errors.h"
#include "engine/path_key.h"
#include "engine/time_tolerance.h"

namespace quorvane {

namespace {

bool underListedDirectory(std::string_view path, const SortedTextList& dirs) {
  for (const std::string& d : dirs.Items()) {
    if (path.size() > d.size() && path[d.size()] == '\\' && startsWithFolded(path, d)) return true;
  }
  return false;
}

void applyAlias(Comparison& c, Side side) {
  std::string& path = c.Scan.Path;
  const std::size_t slash = path.rfind('\\');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return;
  const std::int32_t index = c.Aliases.IndexOf(std::string_view(path).substr(dot + 1));
  if (index < 0) return;
  path.replace(dot + 1, std::string::npos, c.Aliases.Replacement(index));
  (side == Side::New ? c.Scan.NewAlias : c.Scan.OldAlias) = index;
  ++c.Aliases.RewriteCount;
}

void warnDuplicate(Comparison& c, Side side, std::string_view existingPath) {
  RunStats& stats = c.State.Stats;
  (side == Side::New ? stats.NewDuplicates : stats.OldDuplicates) += 1;
  if (!c.settings.WarnDup || stats.DuplicateWarningsOff) return;
  const std::string text = std::string("The following file is duplicated in ") + sideWord(side) + " set:\r\r'" +
                           std::string(existingPath) + "'\r\rDo you want to be notified again for duplicates ?";
  if (c.ui.message(text, platform::MessageKind::Confirmation, platform::MessageButtons::YesNo) ==
      platform::Answer::No)
    stats.DuplicateWarningsOff = true;
}

void merge(Comparison& c, FileEntry& e) {
  const ScanRecord& s = c.Scan;
  e.Status = stIdentical;
  e.OldCRC = s.OldCRC;
  e.OldSize = s.OldSize;
  e.OldTime = s.OldTime;
  e.OldAttr = s.OldAttr;
  e.OldAlias = s.OldAlias;
  if (e.NewCRC != e.OldCRC && !c.settings.Quick) e.Status = (e.Status & ~stIdentical) | stCrcDiffers;
  const int age = CompareFileTimes(e.NewTime, e.OldTime, {c.settings.TimeTolerance, c.settings.IgnoreHourShift});
  if (age > 0) e.Status |= stNewer;
  if (age < 0) e.Status |= stOlder;
  if (e.NewSize > e.OldSize) e.Status |= stBigger;
  if (e.NewSize < e.OldSize) e.Status |= stSmaller;
}

// A New entry equal to path when folded, but not exactly, that has no Old partner yet.
bool hasFoldedPartnerFree(FileList& files, std::string_view path) {
  for (const FileEntry* e : files.FindFolded(path))
    if (e->Status == stInserted && e->Path() != path) return true;
  return false;
}

void createEntry(Comparison& c, Side side) {
  RunStats& stats = c.State.Stats;
  if (!c.State.SnapshotMode) c.Scan.Status = side == Side::New ? stInserted : stDeleted;
  if (stats.FilesFound > static_cast<std::uint32_t>(c.Files.MaximumFileCount))
    throw FatalError{"Maximum file count reached, " + std::to_string(stats.FilesFound) + " files read.",
                     ExitKind::Error};
  c.Files.CreateEntry(c.Scan, side);
}

}  // namespace

void AddFile(Comparison& c, Side side) {
  RunStats& stats = c.State.Stats;
  c.Progress.Pump();
  ++stats.FilesFound;
  c.Progress.Update(-1);

  const std::string& path = c.Scan.Path;
  if (!c.IncludeDirs.Empty() && !underListedDirectory(path, c.IncludeDirs)) return;
  if (!c.ExcludeDirs.Empty() && underListedDirectory(path, c.ExcludeDirs)) return;
  if (!c.Aliases.Empty()) applyAlias(c, side);

  // Every file is looked up by its exact path: besides the rewritings, an archive can
  // hold one path twice. Paths differing only in letter case are other entries.
  const bool rewritten = c.settings.Strip83 || c.settings.NoPath;
  FileEntry* found = c.Files.Find(path);
  if (found) {
    const bool sideHeld = side == Side::New || found->Status != stInserted;
    if (sideHeld) {
      // The very same path twice without a rewriting (an archive holding a member twice)
      // keeps the first quietly.
      if (rewritten) warnDuplicate(c, side, found->Path());
      return;
    }
    merge(c, *found);
    return;
  }
  if (side == Side::Old && !c.PendingOld.Empty() && c.PendingOld.Holds(path)) {
    if (rewritten) warnDuplicate(c, side, path);
    return;
  }
  if (side == Side::Old && hasFoldedPartnerFree(c.Files, path)) {
    c.PendingOld.Add(c.Scan);
    return;
  }
  createEntry(c, side);
}

void PairPendingOldFiles(Comparison& c) {
  const std::deque<ScanRecord>& pending = c.PendingOld.Records();
  if (pending.empty()) return;
  std::vector<const ScanRecord*> order;
  order.reserve(pending.size());
  for (const ScanRecord& r : pending) order.push_back(&r);
  std::sort(order.begin(), order.end(),
            [](const ScanRecord* a, const ScanRecord* b) { return compareListOrder(a->Path, b->Path) < 0; });

  // Paths equal when folded are neighbours in that order: each run of them meets the New
  // entries of its folded path without an Old partner, both taken in file-list order.
  for (std::size_t first = 0; first < order.size();) {
    std::size_t end = first + 1;
    while (end < order.size() && sameFolded(order[end]->Path, order[first]->Path)) ++end;
    std::vector<FileEntry*> partners;
    for (FileEntry* e : c.Files.FindFolded(order[first]->Path))
      if (e->Status == stInserted) partners.push_back(e);
    std::sort(partners.begin(), partners.end(), [](const FileEntry* a, const FileEntry* b) { return a->Path() < b->Path(); });
    for (std::size_t i = first; i < end; ++i) {
      c.Scan = *order[i];
      if (i - first < partners.size())
        merge(c, *partners[i - first]);
      else
        createEntry(c, Side::Old);
    }
    first = end;
  }
  c.PendingOld.Clear();
}

}  // namespace quorvane
