#include "engine/moved_pairing.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "engine/path_key.h"
#include "engine/set_kind.h"

namespace quorvane {

namespace {

// A matching name, without building it: an archive extension (when ignored) stands for
// ".zip", so the name is the stem plus that flag; otherwise the whole file-name part.
struct MatchingKey {
  std::string_view text;
  bool archive = false;
};

MatchingKey matchingKeyOf(std::string_view path, bool ignoreArchiveExtension) {
  const std::size_t slash = path.rfind('\\');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (ignoreArchiveExtension) {
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && ArchiveKindOfExtension(name.substr(dot)) != 0)
      return {name.substr(0, dot), true};
  }
  return {name, false};
}

// Numbers the distinct matching names (ASCII letters folded) from 1, by open addressing.
class MatchingNameTable {
 public:
  explicit MatchingNameTable(std::size_t expected) {
    std::size_t size = 1024;
    while (size < expected * 2) size *= 2;
    slots_.assign(size, 0);
  }

  std::uint32_t IdOf(const MatchingKey& key) {
    const std::uint64_t hash = foldedHash(key.text) ^ (key.archive ? 0x5BD1E9955BD1E995ull : 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
      const std::uint32_t id = slots_[at];
      if (id == 0) {
        keys_.push_back(key);
        slots_[at] = static_cast<std::uint32_t>(keys_.size());
        return slots_[at];
      }
      const MatchingKey& known = keys_[id - 1];
      if (known.archive == key.archive && sameFolded(known.text, key.text)) return id;
    }
  }

 private:
  std::vector<std::uint32_t> slots_;  // name id, 0 empty
  std::vector<MatchingKey> keys_;
};

// The candidates for one seeking side, grouped by key and, within a key, by position.
// Each group keeps a cursor that only moves forward: positions at or before the current
// seeker and entries already paired are passed once and never looked at again.
class CandidatePool {
 public:
  void Add(std::uint64_t key, std::uint32_t position) { items_.push_back({key, position}); }

  void Order() {
    std::sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
      return a.key != b.key ? a.key < b.key : a.position < b.position;
    });
    cursor_.resize(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) cursor_[i] = static_cast<std::uint32_t>(i);
  }

  // The earliest candidate of the key after position seeker that has no partner; -1 when none.
  template <typename HasPartner>
  std::int64_t Take(std::uint64_t key, std::uint32_t seeker, HasPartner hasPartner) {
    const auto first = std::lower_bound(items_.begin(), items_.end(), key,
                                        [](const Item& item, std::uint64_t k) { return item.key < k; });
    if (first == items_.end() || first->key != key) return -1;
    const std::size_t group = static_cast<std::size_t>(first - items_.begin());
    std::size_t at = cursor_[group];
    while (at < items_.size() && items_[at].key == key && (items_[at].position <= seeker || hasPartner(items_[at].position)))
      ++at;
    cursor_[group] = static_cast<std::uint32_t>(at);
    if (at == items_.size() || items_[at].key != key) return -1;
    return items_[at].position;
  }

 private:
  struct Item {
    std::uint64_t key;
    std::uint32_t position;
  };
  std::vector<Item> items_;
  std::vector<std::uint32_t> cursor_;  // meaningful at the first item of each group
};

std::uint64_t poolKey(std::uint32_t nameId, std::uint32_t crc) { return (std::uint64_t{nameId} << 32) | crc; }

}  // namespace

std::uint32_t PairMovedEntries(FileList& files, const MovedFileOptions& options,
                               const std::function<void(std::int32_t)>& onEntry) {
  const std::int32_t count = files.Count();
  std::vector<FileEntry*> entries(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) entries[static_cast<std::size_t>(i)] = &files.ItemAt(i);

  std::vector<std::uint32_t> nameIds(entries.size(), 0);
  if (options.ByFileName) {
    MatchingNameTable names(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
      nameIds[i] = names.IdOf(matchingKeyOf(entries[i]->Path(), options.IgnoreArcExt));
  }

  // forInserted: entries an Inserted seeker may take (no Inserted bit), keyed by their Old
  // checksum; forDeleted: entries without the Deleted bit, keyed by their New checksum.
  // With checksum matching, a zero checksum can never match and is left out.
  CandidatePool forInserted;
  CandidatePool forDeleted;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const FileEntry& e = *entries[i];
    const auto position = static_cast<std::uint32_t>(i);
    if (!(e.Status & stInserted) && !(options.ByCRC && e.OldCRC == 0))
      forInserted.Add(poolKey(nameIds[i], options.ByCRC ? e.OldCRC : 0), position);
    if (!(e.Status & stDeleted) && !(options.ByCRC && e.NewCRC == 0))
      forDeleted.Add(poolKey(nameIds[i], options.ByCRC ? e.NewCRC : 0), position);
  }
  forInserted.Order();
  forDeleted.Order();

  const auto hasPartner = [&entries](std::uint32_t position) { return entries[position]->MovedPartner != -1; };
  std::uint32_t pairs = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    if (onEntry) onEntry(i);
    FileEntry& e = *entries[static_cast<std::size_t>(i)];
    if (e.MovedPartner != -1) continue;
    const bool inserted = e.Status & stInserted;
    if (!inserted && !(e.Status & stDeleted)) continue;
    const std::uint32_t crc = inserted ? e.NewCRC : e.OldCRC;
    if (options.ByCRC && crc == 0) continue;
    CandidatePool& pool = inserted ? forInserted : forDeleted;
    const std::int64_t j =
        pool.Take(poolKey(nameIds[static_cast<std::size_t>(i)], options.ByCRC ? crc : 0), static_cast<std::uint32_t>(i), hasPartner);
    if (j < 0) continue;
    e.MovedPartner = static_cast<std::int32_t>(j);
    entries[static_cast<std::size_t>(j)]->MovedPartner = i;
    ++pairs;
  }
  return pairs;
}

}  // namespace quorvane
