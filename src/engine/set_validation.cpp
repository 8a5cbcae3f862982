#include "engine/set_reading.h"

#include "engine/snapshot_header.h"
#include "platform/directory_listing.h"
#include "platform/path_checks.h"
#include "platform/text_file.h"

namespace quorvane {

std::string SetValidationError(const Comparison& c, Side side) {
  const SetDescription& set = side == Side::New ? c.State.NewSet : c.State.OldSet;
  const std::string sideUpper = sideWordUpper(side);
  if (set.Kind == SetKind::Directory) {
    if (set.Root == "/" && platform::directoryIsEmpty(set.Root))
      return "Error for " + sideUpper + " directory (no files ?) :\r" + set.Root;
    // A root that cannot be listed would read as an empty set, every Old file "Deleted".
    if (!platform::directoryExists(set.Root) || !platform::directoryCanBeListed(set.Root))
      return "Error for " + sideUpper + " directory (does not exist ?) :\r" + set.Root;
    return {};
  }
  if (set.Kind == SetKind::Snapshot) {
    std::string first;
    if (!platform::readFirstLine(set.Root, first)) return "Error opening " + sideUpper + " Snapshot :\r\n" + set.Root;
    if (!IsSnapshotHeader(first)) return std::string(kSnapshotHeaderMissing);
    return {};
  }
  if (isArchiveKind(set.Kind) && !platform::fileExists(set.Root))
    return "Error opening " + sideUpper + " archive : " + set.Root;
  return {};
}

bool ValidateSet(Comparison& c, Side side) {
  for (;;) {
    const std::string error = SetValidationError(c, side);
    if (error.empty()) return true;
    const std::string& root = c.Set(side).Root;
    const auto answer = c.ui.messageAbout("Please select an option :\r" + error, platform::MessageKind::Error,
                                          platform::MessageButtons::AbortRetry, {root, platform::openFailureReason(root)});
    if (answer != platform::Answer::Retry) {
      c.ui.requestAbort();
      return false;
    }
  }
}

}  // namespace quorvane
