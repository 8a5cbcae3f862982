#include "engine/add_file.h"

#include "engine/errors.h"
#include "engine/path_key.h"

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
  if (e.NewTime > e.OldTime) e.Status |= stNewer;
  if (e.NewTime < e.OldTime) e.Status |= stOlder;
  if (e.NewSize > e.OldSize) e.Status |= stBigger;
  if (e.NewSize < e.OldSize) e.Status |= stSmaller;
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

  // Every file is looked up: besides the rewritings, two names that differ only in letter
  // case (possible on Linux) meet here and are duplicates of their side.
  FileEntry* found = c.Files.Find(path);
  if (found) {
    const bool sideHeld = side == Side::New || found->Status != stInserted;
    if (sideHeld) {
      const bool rewritten = c.settings.Strip83 || c.settings.NoPath;
      // The very same path twice (an archive holding a member twice) keeps the first quietly.
      if (rewritten || found->Path() != std::string_view(path)) warnDuplicate(c, side, found->Path());
      return;
    }
    merge(c, *found);
    return;
  }

  if (!c.State.SnapshotMode) c.Scan.Status = side == Side::New ? stInserted : stDeleted;
  if (stats.FilesFound > static_cast<std::uint32_t>(c.Files.MaximumFileCount))
    throw FatalError{"Maximum file count reached, " + std::to_string(stats.FilesFound) + " files read.",
                     ExitKind::Error};
  c.Files.CreateEntry(c.Scan, side);
}

}  // namespace quorvane
