#include "sources/set_readers.h"

#include "engine/errors.h"
#include "sources/archive/archive_set_reader.h"
#include "sources/directory_scanner.h"
#include "sources/snapshot_reader.h"

namespace quorvane {

namespace {

void readDirectorySet(Comparison& c, Side side) {
  const SetDescription& set = c.Set(side);
  if (c.settings.Pause) {
    c.ui.message("Click OK before reading " + set.Root, platform::MessageKind::Information,
                 platform::MessageButtons::Ok);
    if (!ValidateSet(c, side)) return;
  }
  if (c.IncludeDirs.Empty()) {
    ScanDirectoryTree(c, side, set.Root, "");
    return;
  }
  for (const std::string& dir : c.IncludeDirs.Items()) {
    if (c.Aborted()) break;
    ScanDirectoryTree(c, side, set.Root, dir);
  }
}

}  // namespace

void SetSourceReaders::ReadSet(Comparison& c, Side side) {
  switch (c.Set(side).Kind) {
    case SetKind::Directory: readDirectorySet(c, side); return;
    case SetKind::Snapshot: ReadSnapshotSet(c, side); return;
    case SetKind::Zip:
    case SetKind::Rar:
    case SetKind::Ace:
    case SetKind::Arj:
    case SetKind::Lha:
    case SetKind::Zoo:
    case SetKind::Arc: ReadArchiveSet(c, side); return;
    case SetKind::Nothing: break;
  }
  throw EQuorvane("No set chosen");
}

}  // namespace quorvane
