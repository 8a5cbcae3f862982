#include "sources/archive/archive_set_reader.h"

#include <algorithm>

#include "engine/add_file.h"
#include "engine/run_state.h"
#include "sources/archive/arj_file.h"
#include "sources/archive/rar_file.h"
#include "sources/archive/zip_file.h"
#include "sources/path_rewrite.h"

namespace quorvane {

namespace {

constexpr std::uint8_t kArchiveAttributeMask = 0xE1;  // read-only, archive and the two high bits
constexpr std::uint64_t kProgressThreshold = 32000;

void storeMember(Comparison& c, Side side, const TArchiveItem& item) {
  ScanRecord& s = c.Scan;
  s.Status = c.State.SnapshotMode ? 0 : stInserted;
  if (side == Side::New) {
    s.NewCRC = item.CRC;
    s.NewTime = item.Time;
    s.NewSize = item.Size;
    s.NewAttr = item.Attr;
    s.NewAlias = -1;
  } else {
    s.OldCRC = item.CRC;
    s.OldTime = item.Time;
    s.OldSize = item.Size;
    s.OldAttr = item.Attr;
    s.OldAlias = -1;
  }
}

}  // namespace

std::unique_ptr<TArchiveFile> OpenArchiveOfKind(SetKind kind, const std::string& path) {
  switch (kind) {
    case SetKind::Zip:
      return std::make_unique<TZIPFile>(path, false);
    case SetKind::Rar:
      return std::make_unique<TRARFile>(path, true);
    case SetKind::Arj:
      return std::make_unique<TARJFile>(path, true);
    case SetKind::Nothing:
    case SetKind::Ace:
    case SetKind::Lha:
    case SetKind::Zoo:
    case SetKind::Arc:
    case SetKind::Directory:
    case SetKind::Snapshot: break;
  }
  throw Exception("Error unsupported archive type");
}

void ReadArchiveSet(Comparison& c, Side side) {
  const Settings& settings = c.settings;
  std::uint8_t attributeMask = kArchiveAttributeMask;
  if (settings.SpecialAlsoArc) attributeMask |= settings.SpecialAttr;

  const SetDescription& set = c.Set(side);
  std::unique_ptr<TArchiveFile> archive = OpenArchiveOfKind(set.Kind, set.Root);
  const std::uint64_t archiveSize = archive->Size();
  RunStats& stats = c.State.Stats;

  TArchiveItem item;
  for (int index = archive->FindFirst("*.*", attributeMask, item); index != -1 && !c.Aborted();
       index = archive->FindNext(item)) {
    c.Scan.Path = item.Name;
    bool used = true;
    if (item.Name.find('\\') != std::string::npos) {
      c.State.SubdirectoriesWarning = true;
      used = settings.Recurse;
    }
    if (used && item.Name.back() != '\\') {
      c.Scan.Path = RewritePath(item.Name, settings);
      if ((item.Attr & ~attributeMask) == 0 && c.Masks.Passes(c.Scan.Path)) {
        stats.BytesRead = static_cast<double>(archive->Position());
        storeMember(c, side, item);
        AddFile(c, side);
      }
    }
    if (archiveSize > kProgressThreshold) {
      // A damaged RAR member may claim packed data beyond the end: the bar stops at 100.
      const std::uint64_t position = std::min(archive->Position(), archiveSize);
      c.Progress.Update(static_cast<int>(position / (archiveSize / 100 + 1)));
      c.Progress.Pump();
    }
  }
  c.Progress.Update(100, true);  // forced: the bar ends full whatever the throttle says
}

}  // namespace quorvane
