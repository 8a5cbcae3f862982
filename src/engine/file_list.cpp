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

void FileList::growHash() {
  std::vector<std::uint64_t> bigger(hash_.empty() ? 1024 : hash_.size() * 2, 0);
  const std::size_t mask = bigger.size() - 1;
  for (const std::uint64_t slot : hash_) {
    if (!slot) continue;
    std::size_t at = static_cast<std::size_t>(slot >> 32) & mask;
    while (bigger[at]) at = (at + 1) & mask;
    bigger[at] = slot;
  }
  hash_.swap(bigger);
}

FileEntry* FileList::Find(std::string_view path) {
  if (hash_.empty()) return nullptr;
  const std::uint64_t h = foldedHash(path) >> 32;
  const std::size_t mask = hash_.size() - 1;
  for (std::size_t at = static_cast<std::size_t>(h) & mask; hash_[at]; at = (at + 1) & mask) {
    if ((hash_[at] >> 32) != h) continue;
    FileEntry* e = entryAt(static_cast<std::size_t>(hash_[at] & 0xFFFFFFFFu) - 1);
    if (sameFolded(e->Path(), path)) return e;
  }
  return nullptr;
}

FileEntry* FileList::CreateEntry(const ScanRecord& source, Side side) {
  if ((count_ + 1) * 2 > hash_.size()) growHash();
  const std::uint64_t h = foldedHash(source.Path) >> 32;
  const std::size_t mask = hash_.size() - 1;
  std::size_t at = static_cast<std::size_t>(h) & mask;
  for (; hash_[at]; at = (at + 1) & mask) {
    if ((hash_[at] >> 32) != h) continue;
    if (sameFolded(entryAt(static_cast<std::size_t>(hash_[at] & 0xFFFFFFFFu) - 1)->Path(), source.Path)) return nullptr;
  }
  if ((count_ >> kBlockShift) == blocks_.size()) blocks_.emplace_back(new FileEntry[kBlockSize]);
  FileEntry* e = entryAt(count_);
  *e = FileEntry{};
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
  hash_[at] = (h << 32) | (count_ + 1);
  ++count_;
  order_.push_back(e);
  memoryUsed_ += source.Path.size() + 52;
  return e;
}

void FileList::ensureOrdered() {
  if (orderedCount_ == order_.size()) return;
  const auto byKey = [](const FileEntry* a, const FileEntry* b) { return comparePathKeys(a->Path(), b->Path()) < 0; };
  const auto mid = order_.begin() + static_cast<std::ptrdiff_t>(orderedCount_);
  std::sort(mid, order_.end(), byKey);
  std::inplace_merge(order_.begin(), mid, order_.end(), byKey);
  orderedCount_ = order_.size();
}

FileEntry& FileList::ItemAt(std::int32_t i) {
  ensureOrdered();
  return *order_[static_cast<std::size_t>(i)];
}

std::int32_t FileList::IndexOf(const FileEntry* entry) {
  if (!entry) return -1;
  ensureOrdered();
  const auto it = std::lower_bound(order_.begin(), order_.end(), entry, [](const FileEntry* a, const FileEntry* b) {
    return comparePathKeys(a->Path(), b->Path()) < 0;
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
  memoryUsed_ = 0;
}

std::uint64_t FileList::FootprintBytes() const {
  return blocks_.size() * kBlockSize * sizeof(FileEntry) + arenaBytes_ + hash_.capacity() * sizeof(std::uint64_t) +
         order_.capacity() * sizeof(FileEntry*);
}

}  // namespace quorvane
