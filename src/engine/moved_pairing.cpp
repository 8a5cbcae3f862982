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
    if (dot != std::string_view::npos && ArchiveKindOfExtension(name.substr(dot)) != SetKind::Nothing)
      return {name.substr(0, dot), true};
  }
  return {name, false};
}

// Numbers the distinct matching names (ASCII letters folded) from 1, by open addressing.
// A slot holds the name's hash (high half) and its number, so that only a probable match
// reads the stored name.
class MatchingNameTable {
 public:
  explicit MatchingNameTable(std::size_t expected) {
    std::size_t size = 64;
    while (size < expected * 2) size *= 2;
    slots_.assign(size, 0);
  }

  static std::uint64_t HashOf(const MatchingKey& key) {
    return foldedHash(key.text) ^ (key.archive ? 0x5BD1E9955BD1E995ull : 0);
  }
  // Fetches the first slot a hash probes into the cache ahead of IdOf.
  void Prefetch(std::uint64_t hash) const { __builtin_prefetch(&slots_[static_cast<std::size_t>(hash) & (slots_.size() - 1)]); }

  std::uint32_t IdOf(const MatchingKey& key, std::uint64_t hash) {
    const std::uint64_t tag = hash >> 32;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
      const std::uint64_t slot = slots_[at];
      if (slot == 0) {
        keys_.push_back(key);
        const auto id = static_cast<std::uint32_t>(keys_.size());
        slots_[at] = (tag << 32) | id;
        return id;
      }
      if ((slot >> 32) != tag) continue;
      const auto id = static_cast<std::uint32_t>(slot);
      const MatchingKey& known = keys_[id - 1];
      if (known.archive == key.archive && sameFolded(known.text, key.text)) return id;
    }
  }

 private:
  std::vector<std::uint64_t> slots_;  // 0 empty
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

// The keys some seeker asks for, one bit per hashed key: a candidate whose bit is clear
// can never be taken and stays out of the pool (most entries, when few files moved).
class SoughtKeys {
 public:
  explicit SoughtKeys(std::size_t expected) {
    std::size_t bits = 64;
    while (bits < expected * 8) bits *= 2;
    shift_ = 64 - static_cast<unsigned>(__builtin_ctzll(bits));
    words_.assign(bits / 64, 0);
  }
  void Add(std::uint64_t key) {
    const std::uint64_t at = slot(key);
    words_[at >> 6] |= std::uint64_t{1} << (at & 63);
  }
  bool MayHold(std::uint64_t key) const {
    const std::uint64_t at = slot(key);
    return (words_[at >> 6] >> (at & 63)) & 1;
  }

 private:
  std::uint64_t slot(std::uint64_t key) const { return (key * 0x9E3779B97F4A7C15ull) >> shift_; }
  std::vector<std::uint64_t> words_;
  unsigned shift_ = 58;
};

}  // namespace

std::uint32_t PairMovedEntries(FileList& files, const MovedFileOptions& options, bool clearLinks,
                               const std::function<void(std::int32_t)>& onEntry) {
  const std::int32_t count = files.Count();
  const auto n = static_cast<std::size_t>(count);

  // One sweep over the entries (which lie in memory in reading order, not in key order)
  // copies what the pass reads; the rest works on these arrays.
  constexpr std::int32_t kAhead = 16;
  std::vector<FileEntry*> entries(n);
  std::vector<std::uint16_t> status(n);
  std::vector<std::uint32_t> newCrc(n), oldCrc(n), nameIds(n, 0);
  std::vector<std::int32_t> partner(n);
  std::vector<MatchingKey> keys(options.ByFileName ? n : 0);
  std::vector<std::uint64_t> hashes(options.ByFileName ? n : 0);
  for (std::int32_t i = 0; i < count; ++i) {
    if (i + kAhead < count) files.PrefetchEntry(i + kAhead, options.ByFileName);
    if (options.ByFileName && i + kAhead / 2 < count) files.PrefetchRecord(i + kAhead / 2);
    const auto at = static_cast<std::size_t>(i);
    FileEntry& e = files.ItemAt(i);
    entries[at] = &e;
    status[at] = e.Status;
    newCrc[at] = e.NewCRC;
    oldCrc[at] = e.OldCRC;
    if (clearLinks) e.MovedPartner = -1;
    partner[at] = e.MovedPartner;
    if (options.ByFileName) {
      keys[at] = matchingKeyOf(e.Name(), options.IgnoreArcExt);
      hashes[at] = MatchingNameTable::HashOf(keys[at]);
    }
  }
  if (options.ByFileName) {
    MatchingNameTable names(n);
    for (std::size_t i = 0; i < n; ++i) {
      if (i + kAhead < n) names.Prefetch(hashes[i + kAhead]);
      nameIds[i] = names.IdOf(keys[i], hashes[i]);
    }
  }

  // forInserted: entries an Inserted seeker may take (no Inserted bit), keyed by their Old
  // checksum; forDeleted: entries without the Deleted bit, keyed by their New checksum.
  // With checksum matching, a zero checksum can never match and is left out.
  // A seeker is Inserted if it has that bit, else Deleted if it has that one.
  const auto seekerKey = [&](std::size_t i, bool inserted) {
    return poolKey(nameIds[i], options.ByCRC ? (inserted ? newCrc[i] : oldCrc[i]) : 0);
  };
  std::size_t insertedSeekers = 0, deletedSeekers = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (status[i] & stInserted)
      ++insertedSeekers;
    else if (status[i] & stDeleted)
      ++deletedSeekers;
  }
  SoughtKeys soughtByInserted(insertedSeekers), soughtByDeleted(deletedSeekers);
  for (std::size_t i = 0; i < n; ++i) {
    if (status[i] & stInserted)
      soughtByInserted.Add(seekerKey(i, true));
    else if (status[i] & stDeleted)
      soughtByDeleted.Add(seekerKey(i, false));
  }
  CandidatePool forInserted;
  CandidatePool forDeleted;
  for (std::size_t i = 0; i < n; ++i) {
    const auto position = static_cast<std::uint32_t>(i);
    if (!(status[i] & stInserted) && !(options.ByCRC && oldCrc[i] == 0)) {
      const std::uint64_t key = poolKey(nameIds[i], options.ByCRC ? oldCrc[i] : 0);
      if (soughtByInserted.MayHold(key)) forInserted.Add(key, position);
    }
    if (!(status[i] & stDeleted) && !(options.ByCRC && newCrc[i] == 0)) {
      const std::uint64_t key = poolKey(nameIds[i], options.ByCRC ? newCrc[i] : 0);
      if (soughtByDeleted.MayHold(key)) forDeleted.Add(key, position);
    }
  }
  forInserted.Order();
  forDeleted.Order();

  const auto hasPartner = [&partner](std::uint32_t position) { return partner[position] != -1; };
  std::uint32_t pairs = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    if (onEntry) onEntry(i);
    const auto at = static_cast<std::size_t>(i);
    if (partner[at] != -1) continue;
    const bool inserted = status[at] & stInserted;
    if (!inserted && !(status[at] & stDeleted)) continue;
    const std::uint32_t crc = inserted ? newCrc[at] : oldCrc[at];
    if (options.ByCRC && crc == 0) continue;
    CandidatePool& pool = inserted ? forInserted : forDeleted;
    const std::int64_t j = pool.Take(seekerKey(at, inserted), static_cast<std::uint32_t>(i), hasPartner);
    if (j < 0) continue;
    partner[at] = static_cast<std::int32_t>(j);
    partner[static_cast<std::size_t>(j)] = i;
    entries[at]->MovedPartner = static_cast<std::int32_t>(j);
    entries[static_cast<std::size_t>(j)]->MovedPartner = i;
    ++pairs;
  }
  return pairs;
}

}  // namespace quorvane
