#pragma once
// The file entry (one relative path, both sides' facts and a status word) and the
// scan record through which every set reader hands a file to the add-file step.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/status_index.h"

namespace quorvane {

// Status bits, in the order used by every counter array and text table.
enum StatusBit : std::uint16_t {
  stIdentical = 0x01,
  stCrcDiffers = 0x02,
  stInserted = 0x04,
  stDeleted = 0x08,
  stNewer = 0x10,
  stOlder = 0x20,
  stBigger = 0x40,
  stSmaller = 0x80,
};

static_assert(StatusBitOf(StatusIndex::Identical) == stIdentical && StatusBitOf(StatusIndex::CrcDiffers) == stCrcDiffers &&
              StatusBitOf(StatusIndex::Inserted) == stInserted && StatusBitOf(StatusIndex::Deleted) == stDeleted &&
              StatusBitOf(StatusIndex::Newer) == stNewer && StatusBitOf(StatusIndex::Older) == stOlder &&
              StatusBitOf(StatusIndex::Bigger) == stBigger && StatusBitOf(StatusIndex::Smaller) == stSmaller);

inline constexpr std::array<const char*, 8> kStatusTexts = {"Same       ", "CRC differs", "Inserted   ", "Deleted    ",
                                                             "  Newer",     "  Older",     "  Bigger ",   "  Smaller"};
inline constexpr std::array<const char*, 8> kStatusLetters = {"=", "X", "I", "D", "N", "O", "B", "S"};

// The facts of both sides. A side that is absent has CRC, time, size and attributes 0
// and alias -1. Sizes are the full 64-bit sizes and compare as such.
struct EntryFacts {
  std::uint32_t NewCRC = 0;
  std::uint32_t OldCRC = 0;
  std::uint32_t NewTime = 0;  // DOS packed local time
  std::uint32_t OldTime = 0;
  std::uint64_t NewSize = 0;
  std::uint64_t OldSize = 0;
  std::int32_t MovedPartner = -1;  // index in the file list of the paired entry
  std::uint16_t Status = 0;        // status bits; in snapshot mode the file's CRC-16
  std::uint8_t NewAttr = 0;
  std::uint8_t OldAttr = 0;
  std::int32_t NewAlias = -1;  // index in the alias list
  std::int32_t OldAlias = -1;
};

// The two parts of an entry's path.
struct PathParts {
  std::string_view directory;  // up to and including the last backslash; empty at the root
  std::string_view name;       // after it
};

// An entry of the file list: the facts only. Its name and the id of its directory live in
// the list's storage, reached through the block the entry sits in, so an entry is not
// copyable: a copy outside the list would have no path.
class FileEntry : public EntryFacts {
 public:
  FileEntry() = default;
  FileEntry(const FileEntry&) = delete;
  FileEntry& operator=(const FileEntry&) = delete;

  // The whole relative path, directory part and name.
  std::string Path() const;
  // Appends the whole path to out, so a reused buffer builds it without allocating.
  void AppendPath(std::string& out) const;
  // The part after the last backslash; stays valid as long as the list holds the entry.
  std::string_view Name() const;
  // The part up to and including the last backslash (empty at the root); as long-lived.
  std::string_view Directory() const;
  // Both parts at once.
  PathParts Parts() const;
};

// The scratch record a reader fills before calling the add-file step.
struct ScanRecord : EntryFacts {
  ScanRecord() { Status = stIdentical; }
  std::string Path = "?";
};

}  // namespace quorvane
