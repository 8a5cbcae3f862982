#pragma once
// The display index: the filtered and sorted view of the file list. It points at
// entries it does not own. The filter pass fills it in the order of SortType.
#include <cstdint>
#include <vector>

#include "engine/file_entry.h"
#include "engine/sort_type.h"

namespace quorvane {

class TDisplayIndex {
 public:
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  FileEntry* ItemAt(std::int32_t i) const { return items_[static_cast<std::size_t>(i)]; }
  void DeleteAt(std::int32_t i) { items_.erase(items_.begin() + i); }
  void Clear() { items_.clear(); }
  std::vector<FileEntry*>& Items() { return items_; }
  const std::vector<FileEntry*>& Items() const { return items_; }

  quorvane::SortType SortType = quorvane::SortType::FullPath;  // the compare rule
  bool Descending = false;
  std::int32_t SortKind = 0;   // the user's sort choice 0..9

 private:
  std::vector<FileEntry*> items_;
};

}  // namespace quorvane
