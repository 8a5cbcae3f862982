#include "engine/file_list.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "engine/path_key.h"

namespace quorvane {

namespace {

std::size_t directoryLength(std::string_view path) {
  const std::size_t at = path.rfind('\\');
  return at == std::string_view::npos ? 0 : at + 1;
}

// The hash of a path from the folded hashes of its directory part and its name, so that
// an entry's hash is found again from its record without rebuilding its path.
std::uint64_t pathHash(std::uint64_t directoryHash, std::string_view name) {
  std::uint64_t h = directoryHash ^ (foldedHash(name) * 0xFF51AFD7ED558CCDull);
  h ^= h >> 31;
  h *= 0xC4CEB9FE1A85EC53ull;
  return h ^ (h >> 29);
}

constexpr std::uint32_t kIdBits = 29;
constexpr std::uint32_t kIdMask = (std::uint32_t{1} << kIdBits) - 1;
static_assert(FileList::kMaximumFileCount < kIdMask);

std::uint32_t tagOf(std::uint64_t h) { return static_cast<std::uint32_t>(h >> 61) << kIdBits; }

std::size_t varintSize(std::uint64_t v) {
  std::size_t n = 1;
  for (; v >= 0x80; v >>= 7) ++n;
  return n;
}

char* putVarint(char* at, std::uint64_t v) {
  for (; v >= 0x80; v >>= 7) *at++ = static_cast<char>(v | 0x80);
  *at++ = static_cast<char>(v);
  return at;
}

const char* getVarint(const char* at, std::uint64_t& v) {
  v = 0;
  for (unsigned shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*at++);
    v |= std::uint64_t{byte & 0x7Fu} << shift;
    if (!(byte & 0x80)) return at;
  }
}

// The slot of a hash in a table of any size, and the next slot of linear probing.
std::size_t slotOf(std::uint64_t h, std::size_t size) { return static_cast<std::size_t>(((h & 0xFFFFFFFFu) * size) >> 32); }
std::size_t nextSlot(std::size_t at, std::size_t size) { return at + 1 == size ? 0 : at + 1; }

const char* skipRecord(const char* at) {
  std::uint64_t v = 0;
  at = getVarint(at, v);
  at = getVarint(at, v);
  return at + v;
}

bool needsGrowth(std::size_t tableSize, std::size_t count) {
  return (count + 1) * 4 > tableSize * 3;  // load at most 3/4
}

}  // namespace

std::pair<std::size_t, std::size_t> FileList::Arena::Reserve(std::size_t n) {
  if (n > kChunkBytes / 4) {
    chunks.emplace_back(new char[n]);
    bytes += n;
    return {chunks.size() - 1, 0};
  }
  if (used + n > kChunkBytes) {
    current = chunks.size();
    chunks.emplace_back(new char[kChunkBytes]);
    used = 0;
    bytes += kChunkBytes;
  }
  const std::size_t at = used;
  used += n;
  return {current, at};
}

FileList::FileList() = default;
FileList::~FileList() = default;

// Record: varint directory id, varint name length, the name's bytes.
FileList::RecordView FileList::recordOf(const FileEntry* e) {
  const Block& block = blockOf(e);
  const std::size_t k = static_cast<std::size_t>(e - reinterpret_cast<const FileEntry*>(block.entries));
  const std::uint32_t ref = block.groups[k / kGroup];
  const char* at = block.list->records_.chunks[block.firstChunk + (ref >> kChunkShift)].get() + (ref & (kChunkBytes - 1));
  for (std::size_t i = 0; i < k % kGroup; ++i) at = skipRecord(at);
  std::uint64_t directory = 0, length = 0;
  at = getVarint(at, directory);
  at = getVarint(at, length);
  return {static_cast<std::uint32_t>(directory), {at, static_cast<std::size_t>(length)}};
}

// A group's records lie end to end. When the next record of a group cannot follow the
// others where they are, the group is copied to a place with room for all; the old copy
// stays as it is, so names handed out earlier remain valid.
void FileList::storeRecord(std::size_t id, std::uint32_t directory, std::string_view name) {
  Block& block = *blocks_[id / kBlockEntries];
  const std::size_t k = id % kBlockEntries;
  const std::size_t size = varintSize(directory) + varintSize(name.size()) + name.size();
  std::uint32_t& ref = block.groups[k / kGroup];
  std::size_t chunk = 0, offset = 0;
  if (k % kGroup == 0) {
    std::tie(chunk, offset) = records_.Reserve(size);
    ref = static_cast<std::uint32_t>((chunk - block.firstChunk) << kChunkShift | offset);
  } else {
    const std::size_t groupChunk = block.firstChunk + (ref >> kChunkShift);
    const std::size_t groupStart = ref & (kChunkBytes - 1);
    const bool follows = groupChunk == records_.current && records_.used == groupEnd_ &&
                         size <= kChunkBytes / 4 && records_.used + size <= kChunkBytes;
    if (follows) {
      std::tie(chunk, offset) = records_.Reserve(size);
    } else {
      const std::size_t held = groupEnd_ - groupStart;
      std::size_t start = 0;
      std::tie(chunk, start) = records_.Reserve(held + size);
      std::memcpy(records_.chunks[chunk].get() + start, records_.chunks[groupChunk].get() + groupStart, held);
      ref = static_cast<std::uint32_t>((chunk - block.firstChunk) << kChunkShift | start);
      offset = start + held;
    }
  }
  char* at = records_.chunks[chunk].get() + offset;
  at = putVarint(at, directory);
  at = putVarint(at, name.size());
  if (!name.empty()) std::memcpy(at, name.data(), name.size());
  groupEnd_ = offset + size;
}

std::string_view FileEntry::Name() const { return FileList::recordOf(this).name; }

std::string_view FileEntry::Directory() const {
  return FileList::blockOf(this).list->directories_[FileList::recordOf(this).directory].Text();
}

PathParts FileEntry::Parts() const {
  const FileList::RecordView r = FileList::recordOf(this);
  return {FileList::blockOf(this).list->directories_[r.directory].Text(), r.name};
}

void FileEntry::AppendPath(std::string& out) const {
  const PathParts parts = Parts();
  out.reserve(out.size() + parts.directory.size() + parts.name.size());
  out.append(parts.directory).append(parts.name);
}

std::string FileEntry::Path() const {
  std::string path;
  AppendPath(path);
  return path;
}

std::uint32_t FileList::findDirectory(std::string_view dir, std::uint64_t hash) const {
  if (lastDirectory_ != UINT32_MAX && directories_[lastDirectory_].Text() == dir) return lastDirectory_;
  if (directoryHash_.empty()) return UINT32_MAX;
  const std::uint64_t h = hash >> 32;
  const std::size_t mask = directoryHash_.size() - 1;
  for (std::size_t at = static_cast<std::size_t>(h) & mask; directoryHash_[at]; at = (at + 1) & mask) {
    if ((directoryHash_[at] >> 32) != h) continue;
    const std::uint32_t id = static_cast<std::uint32_t>(directoryHash_[at] & 0xFFFFFFFFu) - 1;
    if (directories_[id].Text() == dir) return id;
  }
  return UINT32_MAX;
}

// Directory parts are told apart by their exact bytes, so that each entry keeps its own
// letter case; those equal when folded share a folded rank.
std::uint32_t FileList::directoryOf(std::string_view dir, std::uint64_t hash) {
  // Files arrive directory by directory, so the last directory is almost always the one.
  const std::uint32_t known = findDirectory(dir, hash);
  if (known != UINT32_MAX) return lastDirectory_ = known;
  if (needsGrowth(directoryHash_.size(), directories_.size())) {
    std::vector<std::uint64_t> bigger(directoryHash_.empty() ? 1024 : directoryHash_.size() * 2, 0);
    const std::size_t mask = bigger.size() - 1;
    for (const std::uint64_t slot : directoryHash_) {
      if (!slot) continue;
      std::size_t at = static_cast<std::size_t>(slot >> 32) & mask;
      while (bigger[at]) at = (at + 1) & mask;
      bigger[at] = slot;
    }
    directoryHash_.swap(bigger);
  }
  const std::uint64_t h = hash >> 32;
  const std::size_t mask = directoryHash_.size() - 1;
  std::size_t at = static_cast<std::size_t>(h) & mask;
  while (directoryHash_[at]) at = (at + 1) & mask;
  const std::uint32_t id = static_cast<std::uint32_t>(directories_.size());
  const char* text = "";
  if (!dir.empty()) {
    const auto [chunk, offset] = directoryTexts_.Reserve(dir.size());
    char* at = directoryTexts_.chunks[chunk].get() + offset;
    std::memcpy(at, dir.data(), dir.size());
    text = at;
  }
  directories_.push_back({text, static_cast<std::uint32_t>(dir.size()), 0, 0, hash});
  directoryHash_[at] = (h << 32) | (id + 1);
  return lastDirectory_ = id;
}

// The table is rebuilt from the entries' records rather than from the old table, so the
// old one is freed first and the two never coexist.
void FileList::growHash() {
  const std::size_t size = hash_.empty() ? 1024 : hash_.size() + hash_.size() / 2;
  std::vector<std::uint32_t>().swap(hash_);
  hash_.assign(size, 0);
  for (std::size_t id = 0; id < count_; ++id) {
    const RecordView r = recordOf(entryAt(id));
    const std::uint64_t h = pathHash(directories_[r.directory].hash, r.name);
    std::size_t at = slotOf(h, size);
    while (hash_[at]) at = nextSlot(at, size);
    hash_[at] = tagOf(h) | static_cast<std::uint32_t>(id + 1);
  }
  noteFootprint(0);
}

template <class Visit>
std::size_t FileList::probe(std::uint64_t h, Visit visit) const {
  const std::uint32_t tag = tagOf(h);
  const std::size_t size = hash_.size();
  std::size_t at = slotOf(h, size);
  for (; hash_[at]; at = nextSlot(at, size)) {
    if ((hash_[at] & ~kIdMask) != tag) continue;
    FileEntry* e = entryAt((hash_[at] & kIdMask) - 1);
    if (visit(e, recordOf(e))) break;
  }
  return at;
}

// The hash index is on the folded path, so the entries of one path in any letter case
// share a probe sequence; an exact look-up compares the directory id and the name's bytes.
FileEntry* FileList::Find(std::string_view path) {
  if (hash_.empty()) return nullptr;
  const std::size_t split = directoryLength(path);
  const std::string_view dir = path.substr(0, split), name = path.substr(split);
  const std::uint64_t dirHash = foldedHash(dir);
  const std::uint32_t directory = findDirectory(dir, dirHash);
  if (directory == UINT32_MAX) return nullptr;
  FileEntry* found = nullptr;
  probe(pathHash(dirHash, name), [&](FileEntry* e, const RecordView& r) {
    if (r.directory != directory || r.name != name) return false;
    found = e;
    return true;
  });
  return found;
}

std::vector<FileEntry*> FileList::FindFolded(std::string_view path) {
  std::vector<FileEntry*> found;
  if (hash_.empty()) return found;
  const std::size_t split = directoryLength(path);
  const std::string_view dir = path.substr(0, split), name = path.substr(split);
  probe(pathHash(foldedHash(dir), name), [&](FileEntry* e, const RecordView& r) {
    if (sameFolded(r.name, name) && sameFolded(directories_[r.directory].Text(), dir)) found.push_back(e);
    return false;
  });
  return found;
}

FileEntry* FileList::CreateEntry(const ScanRecord& source, Side side) {
  const std::string_view path = source.Path;
  const std::size_t split = directoryLength(path);
  const std::string_view dir = path.substr(0, split), name = path.substr(split);
  if (needsGrowth(hash_.size(), count_)) growHash();
  const std::uint64_t dirHash = foldedHash(dir);
  const std::uint32_t directory = directoryOf(dir, dirHash);
  const std::uint64_t h = pathHash(dirHash, name);
  bool held = false;
  const std::size_t at = probe(h, [&](FileEntry*, const RecordView& r) {
    return held = r.directory == directory && r.name == name;
  });
  if (held) return nullptr;
  if (count_ % kBlockEntries == 0) {
    Block* block = static_cast<Block*>(::operator new(sizeof(Block), std::align_val_t{kBlockBytes}));
    blocks_.emplace_back(block);
    block->list = this;
    block->index = static_cast<std::uint32_t>(blocks_.size() - 1);
    if (records_.chunks.empty() || records_.current + 1 != records_.chunks.size()) {
      records_.used = kChunkBytes;  // chunks of long records follow the current one: start afresh
      block->firstChunk = static_cast<std::uint32_t>(records_.chunks.size());
    } else {
      block->firstChunk = static_cast<std::uint32_t>(records_.current);
    }
    noteFootprint(0);
  }
  storeRecord(count_, directory, name);
  FileEntry* e = new (entryAt(count_)) FileEntry{};
  e->Status = source.Status;
  e->MovedPartner = -1;
  if (side == Side::New) {
    e->NewCRC = source.NewCRC;
    e->NewTime = source.NewTime;
    e->NewSize = source.NewSize;
    e->NewAttr = source.NewAttr;
    e->NewAlias = source.NewAlias;
  } else {
    e->OldCRC = source.OldCRC;
    e->OldTime = source.OldTime;
    e->OldSize = source.OldSize;
    e->OldAttr = source.OldAttr;
    e->OldAlias = source.OldAlias;
  }
  hash_[at] = tagOf(h) | static_cast<std::uint32_t>(count_ + 1);
  ++count_;
  memoryUsed_ += path.size() + 52;
  return e;
}

void FileList::rankDirectories() {
  std::vector<std::uint32_t> ids(directories_.size());
  for (std::uint32_t i = 0; i < ids.size(); ++i) ids[i] = i;
  std::sort(ids.begin(), ids.end(), [this](std::uint32_t a, std::uint32_t b) {
    const int folded = compareFolded(directories_[a].Text(), directories_[b].Text());
    return folded != 0 ? folded < 0 : directories_[a].Text() < directories_[b].Text();
  });
  std::uint32_t folded = 0;
  for (std::uint32_t r = 0; r < ids.size(); ++r) {
    if (r > 0 && !sameFolded(directories_[ids[r - 1]].Text(), directories_[ids[r]].Text())) ++folded;
    directories_[ids[r]].foldedRank = folded;
    directories_[ids[r]].exactRank = r;
  }
  rankedDirectories_ = directories_.size();
}

// The list order of two entries: folded directory part, folded name, then the exact bytes
// of the directory part and of the name (both parts have equal lengths by then).
bool FileList::before(std::uint32_t a, std::uint32_t b) const {
  const RecordView ra = recordOf(entryAt(a)), rb = recordOf(entryAt(b));
  const Directory& da = directories_[ra.directory];
  const Directory& db = directories_[rb.directory];
  if (da.foldedRank != db.foldedRank) return da.foldedRank < db.foldedRank;
  const int folded = compareFolded(ra.name, rb.name);
  if (folded != 0) return folded < 0;
  if (da.exactRank != db.exactRank) return da.exactRank < db.exactRank;
  return ra.name < rb.name;
}

namespace {

// Sort item within one directory rank: eight folded bytes of the name as one integer, taken
// after the prefix all names of the directory share, so that most comparisons never touch
// the records.
struct NameItem {
  std::uint64_t key;
  std::uint32_t exactRank;
  std::uint32_t id;
};

std::uint64_t nameKey(std::string_view name, std::size_t from) {
  std::uint64_t v = 0;
  for (std::size_t i = from; i < from + 8; ++i)
    v = v << 8 | (i < name.size() ? foldAscii(static_cast<unsigned char>(name[i])) : 0u);
  return v;
}

// Length of the prefix two names share when folded.
std::size_t sharedFolded(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  const std::size_t n = std::min(a.size(), b.size());
  while (i < n && foldAscii(static_cast<unsigned char>(a[i])) == foldAscii(static_cast<unsigned char>(b[i]))) ++i;
  return i;
}

}  // namespace

void FileList::ensureOrdered() {
  if (orderedCount_ == count_) return;
  if (rankedDirectories_ != directories_.size()) rankDirectories();
  // Buckets by folded directory rank: a counting sort of the ids.
  std::uint32_t ranks = 0;
  for (const Directory& d : directories_) ranks = std::max(ranks, d.foldedRank + 1);
  std::vector<std::uint32_t> start(ranks + 1, 0);
  for (std::size_t id = 0; id < count_; ++id) ++start[directories_[recordOf(entryAt(id)).directory].foldedRank + 1];
  for (std::uint32_t r = 0; r < ranks; ++r) start[r + 1] += start[r];
  order_.resize(count_);
  order_.shrink_to_fit();
  {
    std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
    for (std::size_t id = 0; id < count_; ++id)
      order_[next[directories_[recordOf(entryAt(id)).directory].foldedRank]++] = static_cast<std::uint32_t>(id);
  }
  // Within a bucket, by name: small items for one directory at a time.
  std::vector<NameItem> items;
  for (std::uint32_t r = 0; r < ranks; ++r) {
    const std::size_t first = start[r], end = start[r + 1];
    if (end - first < 2) continue;
    const std::string_view firstName = recordOf(entryAt(order_[first])).name;
    std::size_t shared = firstName.size();
    for (std::size_t i = first + 1; i < end && shared > 0; ++i)
      shared = sharedFolded(firstName.substr(0, shared), recordOf(entryAt(order_[i])).name);
    items.clear();
    for (std::size_t i = first; i < end; ++i) {
      const RecordView rec = recordOf(entryAt(order_[i]));
      items.push_back({nameKey(rec.name, shared), directories_[rec.directory].exactRank, order_[i]});
    }
    std::sort(items.begin(), items.end(), [this, shared](const NameItem& a, const NameItem& b) {
      if (a.key != b.key) return a.key < b.key;
      const std::string_view na = recordOf(entryAt(a.id)).name;
      const std::string_view nb = recordOf(entryAt(b.id)).name;
      const int folded = compareFolded(na.substr(shared), nb.substr(shared));
      if (folded != 0) return folded < 0;
      if (a.exactRank != b.exactRank) return a.exactRank < b.exactRank;
      return na < nb;
    });
    for (std::size_t i = first; i < end; ++i) order_[i] = items[i - first].id;
  }
  noteFootprint((start.capacity() + ranks) * sizeof(std::uint32_t) + items.capacity() * sizeof(NameItem));
  orderedCount_ = count_;
}

void FileList::PrefetchEntry(std::int32_t i, bool withRecord) {
  ensureOrdered();
  const std::size_t id = order_[static_cast<std::size_t>(i)];
  __builtin_prefetch(entryAt(id));
  if (withRecord) __builtin_prefetch(&blocks_[id / kBlockEntries]->groups[id % kBlockEntries / kGroup]);
}

void FileList::PrefetchRecord(std::int32_t i) {
  ensureOrdered();
  const std::size_t id = order_[static_cast<std::size_t>(i)];
  const Block& block = *blocks_[id / kBlockEntries];
  const std::uint32_t ref = block.groups[id % kBlockEntries / kGroup];
  __builtin_prefetch(records_.chunks[block.firstChunk + (ref >> kChunkShift)].get() + (ref & (kChunkBytes - 1)));
}

FileEntry& FileList::ItemAt(std::int32_t i) {
  ensureOrdered();
  return *entryAt(order_[static_cast<std::size_t>(i)]);
}

std::int32_t FileList::IndexOf(const FileEntry* entry) {
  if (!entry || count_ == 0) return -1;
  ensureOrdered();
  // The entry's id from its block, then a binary search in the order.
  const Block& block = blockOf(entry);
  if (block.list != this) return -1;
  const std::size_t id =
      block.index * kBlockEntries + static_cast<std::size_t>(entry - reinterpret_cast<const FileEntry*>(block.entries));
  if (id >= count_) return -1;
  const auto target = static_cast<std::uint32_t>(id);
  const auto it = std::lower_bound(order_.begin(), order_.end(), target,
                                   [this](std::uint32_t a, std::uint32_t b) { return before(a, b); });
  if (it == order_.end() || *it != target) return -1;
  return static_cast<std::int32_t>(it - order_.begin());
}

std::int32_t FileList::FindIndex(std::string_view path) { return IndexOf(Find(path)); }

void FileList::Clear() {
  blocks_.clear();
  records_.Clear();
  groupEnd_ = 0;
  directoryTexts_.Clear();
  count_ = 0;
  std::vector<std::uint32_t>().swap(hash_);
  std::vector<std::uint32_t>().swap(order_);
  orderedCount_ = 0;
  directories_.clear();
  directoryHash_.clear();
  lastDirectory_ = UINT32_MAX;
  rankedDirectories_ = 0;
  memoryUsed_ = 0;
  peakFootprint_ = 0;
}

std::uint64_t FileList::FootprintBytes() const {
  return blocks_.size() * sizeof(Block) + records_.bytes + directoryTexts_.bytes +
         hash_.capacity() * sizeof(std::uint32_t) + order_.capacity() * sizeof(std::uint32_t) +
         directories_.capacity() * sizeof(Directory) + directoryHash_.capacity() * sizeof(std::uint64_t) +
         (records_.chunks.capacity() + directoryTexts_.chunks.capacity() + blocks_.capacity()) * sizeof(void*);
}

std::uint64_t FileList::PeakFootprintBytes() const { return std::max(peakFootprint_, FootprintBytes()); }

void FileList::noteFootprint(std::uint64_t extra) { peakFootprint_ = std::max(peakFootprint_, FootprintBytes() + extra); }

}  // namespace quorvane
