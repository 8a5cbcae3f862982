#pragma once
// The order of the display index: the compare rule of each sort type and the sort that
// builds the whole index at once.
#include <cstdint>
#include <vector>

#include "engine/file_entry.h"
#include "engine/sort_type.h"

namespace quorvane {

struct SortRule {
  quorvane::SortType SortType = quorvane::SortType::FullPath;  // a value outside the enumerators makes every key equal
  bool Descending = false;
  bool SnapshotMode = false;  // no side swap: Status holds the CRC-16
};

// The compare rule: -1, 0 or 1 as item sorts before, with or after key. FullPath always
// says "before" (negated when descending); NewName and OldName compare the file-name
// parts, then the directory parts, folding ASCII letters; the other types compare one
// number, unsigned, an absent side taking the other side's size or time (NewSize,
// NewTime, OldSize, OldTime).
int CompareForDisplay(const FileEntry& item, const FileEntry& key, const SortRule& rule);

// Builds the display order of entries handed over in file-list order: the order that
// inserting them one by one in front of their equals would give, that is sorted by the
// rule with equal keys in the reverse of file-list order (in either direction); FullPath
// keeps file-list order ascending and reverses it descending. O(n log n). Each entry's
// key is taken when it is added, while the caller has it at hand.
class DisplaySorter {
 public:
  explicit DisplaySorter(const SortRule& rule, std::size_t expected = 0);
  void Add(FileEntry* entry);
  // Whether Add reads the entry's path (callers may fetch it ahead).
  bool ReadsPaths() const { return byName_; }
  // Replaces out with the entries added, in display order.
  void SortInto(std::vector<FileEntry*>& out);

 private:
  struct NumberKey {
    std::uint64_t key;
    std::uint32_t position;
  };
  struct TextKey {
    std::uint64_t chunk;   // eight bytes of the folded name + NUL + folded directory
    const char* name;
    const char* directory;
    std::uint32_t position;
    std::uint32_t nameLength;
    std::uint32_t length;  // name and directory
  };
  void sortNumbers();
  void sortTexts();
  void sortTextRange(std::size_t begin, std::size_t end, std::uint32_t level);

  SortRule rule_;
  bool byName_;
  bool textHasNul_ = false;  // the chunked order needs NUL-free names: else compare whole texts
  std::vector<FileEntry*> entries_;
  std::vector<NumberKey> numbers_;
  std::vector<TextKey> texts_;
};

// The same for a whole list at once.
void SortForDisplay(std::vector<FileEntry*>& entries, const SortRule& rule);

}  // namespace quorvane
