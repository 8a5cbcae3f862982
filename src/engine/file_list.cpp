#include "engine/file_list.h"

#include <algorithm>
#include <cstring>

#include "engine/path_key.h"

namespace quorvane {

FileList::FileList() = default;
FileList::~FileList() = default;

const char* FileList::storePath(std::string_view path) {
  if (path.size() > kArenaChunk / 4) {
    // A very long path gets a chunk of its own so that the current chunk keeps its room.
    arena_.emplace(arena_.begin(), new char[path.size()]);
    std::memcpy(arena_.front().get(), path.data(), path.size());
    arenaBytes_ += path.size();
    return arena_.front().get();
  }
  if (arenaUsed_ + path.size() > kArenaChunk) {
    arena_.emplace_back(new char[kArenaChunk]);
    arenaUsed_ = 0;
    arenaBytes_ += kArenaChunk;
  }
  char* at = arena_.back().get() + arenaUsed_;
  std::memcpy(at, path.data(), path.size());
  arenaUsed_ += path.size();
  return at;
}

namespace {

// Open addressing with linear probing; a slot holds (hash high 32 bits << 32) | (id + 1).
void growTable(std::vector<std::uint64_t>& table) {
  std::vector<std::uint64_t> bigger(table.empty() ? 1024 : table.size() * 2, 0);
  const std::size_t mask = bigger.size() - 1;
  for (const std::uint64_t slot : table) {
    if (!slot) continue;
    std::size_t at = static_cast<std::size_t>(slot >> 32) & mask;
    while (bigger[at]) at = (at + 1) & mask;
    bigger[at] = slot;
  }
  table.swap(bigger);
}

bool needsGrowth(const std::vector<std::uint64_t>& table, std::size_t count) {
  return (count + 1) * 4 > table.size() * 3;  // load at most 3/4
}

std::size_t directoryLength(std::string_view path) {
  const std::size_t at = path.rfind('\\');
  return at == std::string_view::npos ? 0 : at + 1;
}

}  // namespace

void FileList::growHash() { growTable(hash_); }

std::uint32_t FileList::directoryOf(std::string_view path) {
  const std::string_view dir = path.substr(0, directoryLength(path));
  // Files arrive directory by directory, so the last directory is almost always the one.
  if (lastDirectory_ != UINT32_MAX) {
    const Directory& last = directories_[lastDirectory_];
    if (sameFolded({last.text, last.length}, dir)) return lastDirectory_;
  }
  if (needsGrowth(directoryHash_, directories_.size())) growTable(directoryHash_);
  const std::uint64_t h = foldedHash(dir) >> 32;
  const std::size_t mask = directoryHash_.size() - 1;
  std::size_t at = static_cast<std::size_t>(h) & mask;
  for (; directoryHash_[at]; at = (at + 1) & mask) {
    if ((directoryHash_[at] >> 32) != h) continue;
    const std::uint32_t id = static_cast<std::uint32_t>(directoryHash_[at] & 0xFFFFFFFFu) - 1;
    if (sameFolded({directories_[id].text, directories_[id].length}, dir)) return lastDirectory_ = id;
  }
  const std::uint32_t id = static_cast<std::uint32_t>(directories_.size());
  directories_.push_back({storePath(dir), static_cast<std::uint32_t>(dir.size()), 0});
  directoryHash_[at] = (h << 32) | (id + 1);
  return lastDirectory_ = id;
}

// The hash index is on the folded path, so the entries of one path in any letter case
// share a probe sequence; an exact look-up compares the bytes of those.
FileEntry* FileList::Find(std::string_view path) {
  if (hash_.empty()) return nullptr;
  const std::uint64_t h = foldedHash(path) >> 32;
  const std::size_t mask = hash_.size() - 1;
  for (std::size_t at = static_cast<std::size_t>(h) & mask; hash_[at]; at = (at + 1) & mask) {
    if ((hash_[at] >> 32) != h) continue;
    FileEntry* e = entryAt(static_cast<std::size_t>(hash_[at] & 0xFFFFFFFFu) - 1);
    if (e->Path() == path) return e;
  }
  return nullptr;
}

std::vector<FileEntry*> FileList::FindFolded(std::string_view path) {
  std::vector<FileEntry*> found;
  if (hash_.empty()) return found;
  const std::uint64_t h = foldedHash(path) >> 32;
  const std::size_t mask = hash_.size() - 1;
  for (std::size_t at = static_cast<std::size_t>(h) & mask; hash_[at]; at = (at + 1) & mask) {
    if ((hash_[at] >> 32) != h) continue;
    FileEntry* e = entryAt(static_cast<std::size_t>(hash_[at] & 0xFFFFFFFFu) - 1);
    if (sameFolded(e->Path(), path)) found.push_back(e);
  }
  return found;
}

FileEntry* FileList::CreateEntry(const ScanRecord& source, Side side) {
  if (needsGrowth(hash_, count_)) growHash();
  const std::uint64_t h = foldedHash(source.Path) >> 32;
  const std::size_t mask = hash_.size() - 1;
  std::size_t at = static_cast<std::size_t>(h) & mask;
  for (; hash_[at]; at = (at + 1) & mask) {
    if ((hash_[at] >> 32) != h) continue;
    if (entryAt(static_cast<std::size_t>(hash_[at] & 0xFFFFFFFFu) - 1)->Path() == source.Path) return nullptr;
  }
  if ((count_ >> kBlockShift) == blocks_.size())
    blocks_.emplace_back(static_cast<FileEntry*>(
        ::operator new(kBlockSize * sizeof(FileEntry), std::align_val_t{alignof(FileEntry)})));
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
  e->path_ = storePath(source.Path);
  e->pathLength_ = static_cast<std::uint32_t>(source.Path.size());
  e->directory_ = directoryOf(source.Path);
  hash_[at] = (h << 32) | (count_ + 1);
  ++count_;
  memoryUsed_ += source.Path.size() + 52;
  return e;
}

void FileList::rankDirectories() {
  std::vector<std::uint32_t> ids(directories_.size());
  for (std::uint32_t i = 0; i < ids.size(); ++i) ids[i] = i;
  std::sort(ids.begin(), ids.end(), [this](std::uint32_t a, std::uint32_t b) {
    return compareFolded({directories_[a].text, directories_[a].length}, {directories_[b].text, directories_[b].length}) < 0;
  });
  for (std::uint32_t r = 0; r < ids.size(); ++r) directories_[ids[r]].rank = r;
  rankedDirectories_ = directories_.size();
}

namespace {

// Sort item: the directory rank and the first twelve folded bytes of the name as two
// integers, so that most comparisons never touch the entries.
struct SortItem {
  std::uint64_t high;  // rank << 32 | name bytes 0..3
  std::uint64_t low;   // name bytes 4..11
  FileEntry* entry;
};

std::uint64_t nameBytes(std::string_view name, std::size_t from, std::size_t count) {
  std::uint64_t v = 0;
  for (std::size_t i = from; i < from + count; ++i)
    v = v << 8 | (i < name.size() ? foldAscii(static_cast<unsigned char>(name[i])) : 0u);
  return v;
}

}  // namespace

void FileList::ensureOrdered() {
  if (orderedCount_ == count_) return;
  if (rankedDirectories_ != directories_.size()) {
    rankDirectories();
    orderedCount_ = 0;  // ranks changed: sort everything again
  }
  const auto itemOf = [this](FileEntry* e) {
    const std::string_view path = e->Path();
    const std::string_view name = path.substr(directoryLength(path));
    const std::uint64_t rank = directories_[e->directory_].rank;
    return SortItem{rank << 32 | nameBytes(name, 0, 4), nameBytes(name, 4, 8), e};
  };
  const auto before = [](const SortItem& a, const SortItem& b) {
    if (a.high != b.high) return a.high < b.high;
    if (a.low != b.low) return a.low < b.low;
    const std::string_view pa = a.entry->Path(), pb = b.entry->Path();
    const int folded = compareFolded(pa.substr(directoryLength(pa)), pb.substr(directoryLength(pb)));
    if (folded != 0) return folded < 0;
    return pa < pb;  // one directory rank, names equal when folded: the exact bytes decide
  };
  std::vector<SortItem> items;
  items.reserve(count_);
  for (std::size_t i = 0; i < orderedCount_; ++i) items.push_back(itemOf(order_[i]));
  for (std::size_t id = orderedCount_; id < count_; ++id) items.push_back(itemOf(entryAt(id)));
  const auto mid = items.begin() + static_cast<std::ptrdiff_t>(orderedCount_);
  std::sort(mid, items.end(), before);
  std::inplace_merge(items.begin(), mid, items.end(), before);
  order_.resize(count_);
  order_.shrink_to_fit();
  for (std::size_t i = 0; i < count_; ++i) order_[i] = items[i].entry;
  orderedCount_ = count_;
}

FileEntry& FileList::ItemAt(std::int32_t i) {
  ensureOrdered();
  return *order_[static_cast<std::size_t>(i)];
}

std::int32_t FileList::IndexOf(const FileEntry* entry) {
  if (!entry) return -1;
  ensureOrdered();
  const auto it = std::lower_bound(order_.begin(), order_.end(), entry, [](const FileEntry* a, const FileEntry* b) {
    return compareListOrder(a->Path(), b->Path()) < 0;
  });
  if (it == order_.end() || *it != entry) return -1;
  return static_cast<std::int32_t>(it - order_.begin());
}

std::int32_t FileList::FindIndex(std::string_view path) { return IndexOf(Find(path)); }

void FileList::Clear() {
  blocks_.clear();
  arena_.clear();
  arenaUsed_ = kArenaChunk;
  arenaBytes_ = 0;
  count_ = 0;
  hash_.clear();
  hash_.shrink_to_fit();
  order_.clear();
  order_.shrink_to_fit();
  orderedCount_ = 0;
  directories_.clear();
  directoryHash_.clear();
  lastDirectory_ = UINT32_MAX;
  rankedDirectories_ = 0;
  memoryUsed_ = 0;
}

std::uint64_t FileList::FootprintBytes() const {
  return blocks_.size() * kBlockSize * sizeof(FileEntry) + arenaBytes_ + hash_.capacity() * sizeof(std::uint64_t) +
         order_.capacity() * sizeof(FileEntry*) + directories_.capacity() * sizeof(Directory) +
         directoryHash_.capacity() * sizeof(std::uint64_t);
}

}  // namespace quorvane
