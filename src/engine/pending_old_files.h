#pragma once
// Old files read with no New entry of exactly their path but some New entry without an
// Old partner whose path is equal to theirs when ASCII letters are folded. They wait
// until the whole Old set has been read, so that every exact pairing is made first
// (AddFile, PairPendingOldFiles).
#include <deque>
#include <string_view>
#include <unordered_set>

#include "engine/file_entry.h"

namespace quorvane {

class PendingOldFiles {
 public:
  void Add(const ScanRecord& record) {
    records_.push_back(record);
    paths_.insert(records_.back().Path);
  }
  // A pending file of exactly this path.
  bool Holds(std::string_view path) const { return paths_.count(path) != 0; }
  bool Empty() const { return records_.empty(); }
  void Clear() {
    paths_.clear();
    records_.clear();
  }
  const std::deque<ScanRecord>& Records() const { return records_; }

 private:
  std::deque<ScanRecord> records_;  // a deque: the views in paths_ stay valid as it grows
  std::unordered_set<std::string_view> paths_;
};

}  // namespace quorvane
