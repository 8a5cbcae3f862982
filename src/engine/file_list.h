#pragma once
// The file list: one entry per relative path, in the order of the path key
// (path_key.h), no two entries with the same path. Paths that differ only in letter case
// (possible on Linux) are two entries: equal keys, ordered by their exact bytes.
//
// Entries live in fixed, aligned blocks (their addresses never change). The directory part
// of a path is stored once per directory; each entry has a record in an arena with its
// directory's id and its name, and the block an entry sits in holds the references to the
// records of its entries (one reference per group of four, whose records lie end to end),
// so an entry reaches its path from its own address. A hash index of 4-byte slots on the
// folded path answers look-ups while sets are read; the ordered view is a vector of 4-byte
// ids built on demand, so building a list of n entries costs O(n log n) instead of the
// O(n^2) of shifting a sorted array.
//
// The key order is the order of (directory part, name) with both compared folded, so the
// distinct directory parts are ranked once, entries are put into buckets by that rank and
// only the entries of one directory are sorted by name.
#include <cstdint>
#include <memory>
#include <new>
#include <string_view>
#include <type_traits>
#include <utility>
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


  // Fetches ahead, for a loop over the key order, what reading entry i will need: first its
  // facts (and the reference of its record when its path will be read), some steps later
  // the record itself.
  void PrefetchEntry(std::int32_t i, bool withRecord);
  void PrefetchRecord(std::int32_t i);

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
  // The most FootprintBytes has been, temporary buffers of the ordering included.
  std::uint64_t PeakFootprintBytes() const;

  std::int32_t MaximumFileCount = kMaximumFileCount;
  std::int32_t WidestName = 0;      // widest file-name part in pixels, from the grid's name metrics
  std::uint16_t IFilter = 0xFFFF;   // status bits that count as differences
  std::uint16_t XFilter = 0xFFFF;   // second status mask of the filter

 private:
  friend class FileEntry;

  static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
  static constexpr std::size_t kChunkShift = 17;
  static constexpr std::size_t kChunkBytes = std::size_t{1} << kChunkShift;

  // A block of entries, aligned on its size so that an entry finds it by masking its own
  // address. groups[g] is the reference of the records of entries 4g .. 4g+3, which lie end
  // to end: their chunk, counted from firstChunk, above kChunkShift bits of offset in that
  // chunk. A block starts on the newest chunk and each entry adds at most one, so its chunk
  // count fits the bits left.
  static constexpr std::size_t kGroup = 4;
  static constexpr std::size_t kBlockHeader = 16;
  static constexpr std::size_t kBlockEntries =
      (kBlockBytes - kBlockHeader) / (kGroup * sizeof(FileEntry) + 4) * kGroup;
  static_assert(kBlockEntries < (std::size_t{1} << (32 - kChunkShift)));
  struct Block {
    const FileList* list;
    std::uint32_t firstChunk;
    std::uint32_t index;  // position in blocks_
    std::uint32_t groups[kBlockEntries / kGroup];
    alignas(FileEntry) unsigned char entries[kBlockEntries * sizeof(FileEntry)];
  };
  static_assert(sizeof(Block) <= kBlockBytes);
  // A block is raw storage: each entry is constructed when it is created, so a small list
  // does not touch (and fault in) a whole block. Entries are trivially destructible, so a
  // block is freed without destroying them.
  struct BlockRelease {
    void operator()(Block* block) const { ::operator delete(block, std::align_val_t{kBlockBytes}); }
  };
  static_assert(std::is_trivially_destructible_v<FileEntry>);

  // Chunks of bytes whose addresses never change; a record longer than a quarter chunk gets
  // a chunk of its own so that the current chunk keeps its room.
  struct Arena {
    std::vector<std::unique_ptr<char[]>> chunks;
    std::size_t current = 0;  // chunk that takes the next small record
    std::size_t used = kChunkBytes;
    std::size_t bytes = 0;
    // Room for n bytes: the chunk index and the offset in it.
    std::pair<std::size_t, std::size_t> Reserve(std::size_t n);
    void Clear() { *this = Arena{}; }
  };

  struct Directory {
    const char* text;
    std::uint32_t length;
    std::uint32_t foldedRank;  // equal for directory parts equal when folded
    std::uint32_t exactRank;   // unique: folded order, then the exact bytes
    std::uint64_t hash;        // foldedHash of the text
    std::string_view Text() const { return {text, length}; }
  };

  // An entry's record decoded.
  struct RecordView {
    std::uint32_t directory;
    std::string_view name;
  };
  static const Block& blockOf(const FileEntry* e) {
    return *reinterpret_cast<const Block*>(reinterpret_cast<std::uintptr_t>(e) & ~(kBlockBytes - 1));
  }
  static RecordView recordOf(const FileEntry* e);
  // Visits each entry whose slot carries the tag of hash h, along h's probe sequence,
  // until visit returns true; gives the slot it stopped at (that entry's, or the empty
  // slot that ends the sequence).
  template <class Visit>
  std::size_t probe(std::uint64_t h, Visit visit) const;

  FileEntry* entryAt(std::size_t id) const {
    return reinterpret_cast<FileEntry*>(blocks_[id / kBlockEntries]->entries) + id % kBlockEntries;
  }
  std::uint32_t directoryOf(std::string_view dir, std::uint64_t hash);
  std::uint32_t findDirectory(std::string_view dir, std::uint64_t hash) const;
  void storeRecord(std::size_t id, std::uint32_t directory, std::string_view name);
  void growHash();
  void ensureOrdered();
  void rankDirectories();
  bool before(std::uint32_t a, std::uint32_t b) const;
  void noteFootprint(std::uint64_t extra);

  std::vector<std::unique_ptr<Block, BlockRelease>> blocks_;
  Arena records_;
  Arena directoryTexts_;
  std::size_t count_ = 0;

  // Open addressing on the folded path: slot = tag (3 bits of the hash) << 29 | (id + 1);
  // 0 is empty; ids fit in 29 bits (kMaximumFileCount < 2^29). The table grows by half its
  // size at a load of 3/4.
  std::vector<std::uint32_t> hash_;
  // Where the records of the newest group end, in its chunk.
  std::size_t groupEnd_ = 0;

  std::vector<Directory> directories_;
  std::vector<std::uint64_t> directoryHash_;  // (hash high 32 bits << 32) | (id + 1); exact texts
  std::uint32_t lastDirectory_ = UINT32_MAX;
  std::size_t rankedDirectories_ = 0;

  std::vector<std::uint32_t> order_;  // ids of the first orderedCount_ entries, in key order
  std::size_t orderedCount_ = 0;
  std::uint64_t memoryUsed_ = 0;
  std::uint64_t peakFootprint_ = 0;
};

}  // namespace quorvane
