#pragma once
// The order of the display index: the compare rule of each sort type and the sort that
// builds the whole index at once.
#include <cstdint>
#include <vector>

#include "engine/file_entry.h"

namespace quorvane {

struct SortRule {
  std::uint8_t SortType = 0;  // 0..10; any other value makes every key equal
  bool Descending = false;
  bool SnapshotMode = false;  // no side swap: Status holds the CRC-16
};

// The compare rule: -1, 0 or 1 as item sorts before, with or after key. Type 0 always
// says "before" (negated when descending); types 1 and 5 compare the file-name parts,
// then the directory parts, folding ASCII letters; the other types compare one number,
// unsigned, an absent side taking the other side's size or time (types 2, 3, 6, 7).
int CompareForDisplay(const FileEntry& item, const FileEntry& key, const SortRule& rule);

// Reorders entries, given in file-list order, into the order that inserting them one by
// one in front of their equals would give: sorted by the rule, equal keys in the reverse
// of the given order (in either direction); type 0 keeps the given order ascending and
// reverses it descending. O(n log n).
void SortForDisplay(std::vector<FileEntry*>& entries, const SortRule& rule);

}  // namespace quorvane
