#pragma once
// The first line of a snapshot file: the header it is written with, the other one it is
// also recognised by, and the message shown when a file has neither.
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kSnapshotHeader = "[Pelto LIST]";
inline constexpr std::string_view kSnapshotHeaderAlternative = "[Quorvane Snapshot]";
inline constexpr std::string_view kSnapshotHeaderMissing =
    "Can't find Snapshot header ([Pelto LIST]/[Quorvane Snapshot]) in first line";

// The line, exactly as read (no blanks trimmed), is one of the two headers.
inline bool IsSnapshotHeader(std::string_view line) {
  return line == kSnapshotHeader || line == kSnapshotHeaderAlternative;
}

}  // namespace quorvane
