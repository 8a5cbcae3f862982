#pragma once
// The file list: one entry per relative path, in the order of the path key
// (path_key.h), no two entries with the same path. Paths that differ only in letter case
// (possible on Linux) are two entries: equal keys, ordered by their exact bytes.
//
// Entries live in fixed blocks (their addresses never change) and their paths in a
// string arena. A hash index on the folded path answers look-ups while sets are read;
// the ordered view is a vector of pointers sorted on demand, so building a list of n
// entries costs O(n log n) instead of the O(n^2) of shifting a sorted array.
//
// The key order is the order of (directory part, name) with both compared folded, so the
// distinct directory parts are ranked once and entries sort on (rank, name).
#include <cstdint>
#include <memory>
#include <new>
#include <string_view>
#include <type_traits>
#include <vector>

#include "engine/file_entry.h"
#include "platform/side.h"

namespace quorvane {

class FileList {
 public:
  static constexpr std::int32_t kMaximumFileCount = 536'739'839;

  FileList();
  ~FileList();
  FileList(const FileList&) = delete;
  FileList& operator=(const FileList&) = delete;

  std::int32_t Count() const { return static_cast<std::int32_t>(count_); }

  // The entry at position i of the key order. i must be in 0..Count()-1.
  FileEntry& ItemAt(std::int32_t i);


  // Position of the entry in the key order, -1 when it is not in this list.
  std::int32_t IndexOf(const FileEntry* entry);
  // The entry of exactly this path, or nullptr.
  FileEntry* Find(std::string_view path);
  // Position of the entry of exactly this path, or -1.
  std::int32_t FindIndex(std::string_view path);
  // Every entry whose path equals path when ASCII letters are folded (exactly equal
  // included), in no particular order.
  std::vector<FileEntry*> FindFolded(std::string_view path);

  // A new entry for one side of the source record (the other side absent, MovedPartner
  // -1, Status copied). Returns nullptr, storing nothing, when the path is held already.
  FileEntry* CreateEntry(const ScanRecord& source, Side side);

  // Empties the list and the memory counter.
  void Clear();

  // Length of Path + 52 per entry created: what the status window reports as used.
  std::uint64_t MemoryUsed() const { return memoryUsed_; }
  // Bytes this list really holds (entries, paths, indexes), for benchmarks.
  std::uint64_t FootprintBytes() const;

  std::int32_t MaximumFileCount = kMaximumFileCount;
  std::int32_t WidestName = 0;      // widest file-name part in pixels, from the grid's name metrics
  std::uint16_t IFilter = 0xFFFF;   // status bits that count as differences
  std::uint16_t XFilter = 0xFFFF;   // second status mask of the filter

 private:
  void ensureOrdered();
  void rankDirectories();
  std::uint32_t directoryOf(std::string_view path);
  void growHash();
  const char* storePath(std::string_view path);
  FileEntry* entryAt(std::size_t id) { return blocks_[id >> kBlockShift].get() + (id & (kBlockSize - 1)); }

  static constexpr std::size_t kBlockShift = 14;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockShift;
  static constexpr std::size_t kArenaChunk = 1 << 20;

  // A block is raw storage: each entry is constructed when it is created, so a small list
  // does not touch (and fault in) a whole block of default entries. Entries are trivially
  // destructible, so a block is freed without destroying them.
  struct BlockRelease {
    void operator()(FileEntry* block) const { ::operator delete(block, std::align_val_t{alignof(FileEntry)}); }
  };
  static_assert(std::is_trivially_destructible_v<FileEntry>);
  std::vector<std::unique_ptr<FileEntry, BlockRelease>> blocks_;
  std::vector<std::unique_ptr<char[]>> arena_;
  std::size_t arenaUsed_ = kArenaChunk;
  std::size_t arenaBytes_ = 0;
  std::size_t count_ = 0;

  // Open addressing: slot = (hash high 32 bits << 32) | (id + 1); 0 is empty.
  std::vector<std::uint64_t> hash_;

  struct Directory {
    const char* text;
    std::uint32_t length;
    std::uint32_t rank;
  };
  std::vector<Directory> directories_;
  std::vector<std::uint64_t> directoryHash_;  // as hash_, ids into directories_
  std::uint32_t lastDirectory_ = UINT32_MAX;
  std::size_t rankedDirectories_ = 0;

  std::vector<FileEntry*> order_;  // the first orderedCount_ entries, in key order
  std::size_t orderedCount_ = 0;
  std::uint64_t memoryUsed_ = 0;
};

}  // namespace quorvane
