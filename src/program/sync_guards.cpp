#include "program/sync_guards.h"

#include "engine/set_kind.h"

namespace quorvane {

SideFileCounts FilesPerSide(Comparison& c) {
  SideFileCounts counts;
  const std::int32_t n = c.Files.Count();
  for (std::int32_t i = 0; i < n; ++i) {
    const FileEntry& e = c.Files.ItemAt(i);
    if ((e.Status & stDeleted) == 0) ++counts.New;
    if ((e.Status & stInserted) == 0) ++counts.Old;
  }
  return counts;
}

std::string EmptyRootMessage(Side side, const std::string& root) {
  return std::string("The ") + sideWordUpper(side) + " set directory is empty or missing: " + root +
         ". Synchronizing now would copy or delete every file. Check that the drive is mounted, then compare again.";
}

std::string MaxDeleteMessage(std::int64_t deletions, std::int64_t limit) {
  return "The synchronization would delete " + std::to_string(deletions) + " files, more than --MaxDelete:" +
         std::to_string(limit) + " allows. Nothing was changed.";
}

std::string MassDeletionQuestion(std::int64_t deletions, std::int64_t displayed) {
  return "This synchronization would delete " + std::to_string(deletions) + " of the " + std::to_string(displayed) +
         " files displayed.\r\rDo you want to continue ?";
}

bool IsMassDeletion(std::int64_t deletions, std::int64_t displayed) {
  return deletions >= 10 && deletions * 2 > displayed;
}

std::string EmptyRootProblem(Comparison& c, platform::FileSystem& fs) {
  const SideFileCounts counts = FilesPerSide(c);
  for (const Side side : {Side::New, Side::Old}) {
    const SetDescription& set = side == Side::New ? c.State.NewSet : c.State.OldSet;
    if (set.Kind != SetKind::Directory) continue;
    const std::int64_t held = side == Side::New ? counts.New : counts.Old;
    const std::int64_t otherHeld = side == Side::New ? counts.Old : counts.New;
    const platform::PathFacts facts = fs.facts(set.Root);
    if (facts.kind != platform::PathKind::Directory) return EmptyRootMessage(side, set.Root);
    if (otherHeld > 0 && (held == 0 || !fs.hasEntries(set.Root))) return EmptyRootMessage(side, set.Root);
  }
  return {};
}

}  // namespace quorvane
