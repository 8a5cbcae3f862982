#include "sources/set_readers.h"

#include <system_error>

#include "engine/errors.h"
#include "sources/archive/archive_set_reader.h"
#include "sources/directory_scanner.h"
#include "sources/old_set_prefetch.h"
#include "sources/snapshot_reader.h"

namespace quorvane {

namespace {

void readDirectorySet(Comparison& c, Side side, unsigned walksAtOnce) {
  const SetDescription& set = c.Set(side);
  if (c.settings.Pause) {
    c.ui.message("Click OK before reading " + set.Root, platform::MessageKind::Information,
                 platform::MessageButtons::Ok);
    if (!ValidateSet(c, side)) return;
  }
  ComparisonScanTarget target(c, side);
  WalkSetup setup = WalkSetup::Of(c);
  setup.WalksAtOnce = walksAtOnce;
  if (c.IncludeDirs.Empty()) {
    WalkDirectoryTree(target, setup, set.Root, "");
    return;
  }
  for (const std::string& dir : c.IncludeDirs.Items()) {
    if (c.Aborted()) break;
    WalkDirectoryTree(target, setup, set.Root, dir);
  }
}

}  // namespace

SetSourceReaders::SetSourceReaders() = default;
SetSourceReaders::~SetSourceReaders() = default;

void SetSourceReaders::ReadAhead(Comparison& c, Side side) {
  prefetch_.reset();
  if (side != Side::Old || !OldSetPrefetch::AppliesTo(c)) return;
  try {
    prefetch_ = std::make_unique<OldSetPrefetch>(c);
  } catch (const std::system_error&) {
    // No thread to be had: the Old set is read after the New set, as it always could be.
  }
}

void SetSourceReaders::DropReadAhead() noexcept { prefetch_.reset(); }

void SetSourceReaders::ReadSet(Comparison& c, Side side) {
  if (side == Side::Old && prefetch_) {
    const std::unique_ptr<OldSetPrefetch> prefetch = std::move(prefetch_);
    prefetch->Replay(c);
    return;
  }
  switch (c.Set(side).Kind) {
    case SetKind::Directory: readDirectorySet(c, side, prefetch_ ? 2 : 1); return;
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
