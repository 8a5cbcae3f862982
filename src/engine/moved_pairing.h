#pragma once
// Pairing of moved files: an Inserted or Deleted entry is linked through MovedPartner to
// a later entry holding the other side, with the same matching name and/or checksum.
#include <cstdint>
#include <functional>

#include "engine/file_list.h"

namespace quorvane {

struct MovedFileOptions {
  bool ByCRC = false;         // MovedFilesByCRC: the side's checksum, non-zero, equals the other side's
  bool ByFileName = true;     // MovedFilesByFileName: equal matching names
  bool IgnoreArcExt = true;   // MovedFilesIgnoreArcExt: archive extensions all match ".zip"
};

// Links pairs in file-list order: each Inserted (else Deleted) entry without a partner
// takes the earliest later entry without a partner whose status lacks its side bit and
// that passes the name and content tests; first match wins, a paired entry is never
// paired again. With clearLinks every link is dropped first; otherwise existing links are
// kept and respected. Returns the number of pairs made. onEntry(i), when given, runs
// before entry i is looked at (progress and pumping). O(n log n): candidates are grouped
// by (matching name, checksum) and ordered by position.
std::uint32_t PairMovedEntries(FileList& files, const MovedFileOptions& options, bool clearLinks = false,
                               const std::function<void(std::int32_t)>& onEntry = {});

}  // namespace quorvane
