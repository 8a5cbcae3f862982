#pragma once
// File lists for the filter, sort and moved-file tests: entries given by their facts, and
// generated lists with frequent name, size, time and checksum collisions.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/file_entry.h"
#include "engine/file_list.h"

namespace quorvane::test {

struct EntrySpec {
  std::string path;
  std::uint16_t status = stIdentical;
  std::uint64_t newSize = 0;
  std::uint64_t oldSize = 0;
  std::uint32_t newTime = 0;
  std::uint32_t oldTime = 0;
  std::uint32_t newCrc = 0;
  std::uint32_t oldCrc = 0;
};

// Stores the entry with every field as given; nullptr when its key is already in the list.
inline FileEntry* addEntry(FileList& files, const EntrySpec& spec) {
  ScanRecord record;
  record.Path = spec.path;
  FileEntry* e = files.CreateEntry(record, Side::New);
  if (!e) return nullptr;
  e->Status = spec.status;
  e->NewSize = spec.newSize;
  e->OldSize = spec.oldSize;
  e->NewTime = spec.newTime;
  e->OldTime = spec.oldTime;
  e->NewCRC = spec.newCrc;
  e->OldCRC = spec.oldCrc;
  return e;
}

inline void addEntries(FileList& files, const std::vector<EntrySpec>& specs) {
  for (const EntrySpec& spec : specs) addEntry(files, spec);
}

// Every field of the specs, for the failure message of a table case.
inline std::string specsText(const std::vector<EntrySpec>& specs) {
  std::string out;
  for (const EntrySpec& s : specs) {
    out += "{" + s.path + " status " + std::to_string(s.status) + " size " + std::to_string(s.newSize) + "/" +
           std::to_string(s.oldSize) + " time " + std::to_string(s.newTime) + "/" + std::to_string(s.oldTime) +
           " crc " + std::to_string(s.newCrc) + "/" + std::to_string(s.oldCrc) + "} ";
  }
  return out;
}

// Paths of the entries in the given order, joined by blanks (readable failure messages).
template <typename Entries>
std::string pathsOf(const Entries& entries) {
  std::string out;
  for (const FileEntry* e : entries) {
    if (!out.empty()) out += ' ';
    out += e->Path();
  }
  return out;
}

// A random list of up to maxEntries entries: a few directories and names (archive
// extensions in several cases, names without extension) so that names collide often;
// sizes, times and checksums from a few values, 0 included, sizes also above 4 GiB.
// snapshotStatus: Status is any 16-bit word, as a CRC-16 is.
inline void generateList(FileList& files, std::mt19937& random, int maxEntries, bool snapshotStatus = false) {
  static const char* const directories[] = {"",   "a\\",  "A\\b\\", "b\\", "a\\c\\", "_\\", "z\\",
                                            "a_rather_long_directory\\", "A_Rather_Long_Directory\\x\\"};
  static const char* const names[] = {"x",       "X.txt",    "y.TXT",   "pack.rar", "pack.ZIP", "Pack.arj",
                                      "pack",    "makefile", "r.txt",   "a.b.lzh",  "a.b.zoo",  "y.txt.",
                                      "_x",      "x.exe",    "Pack.7z", "pack.jar", ".zip",     "pack.zi",
                                      "a_long_common_prefix_1.txt", "A_LONG_COMMON_PREFIX_1.TXT", "a_long_common_prefix_10.txt",
                                      "a_long_common_prefix_1", "a_long_common_prefix_.txt"};
  static const std::uint64_t sizes[] = {0, 1, 5, 5, 7, 0x100000005ull, 0xFFFFFFFFull};
  const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  const int count = static_cast<int>(random() % static_cast<unsigned>(maxEntries + 1));
  for (int i = 0; i < count; ++i) {
    EntrySpec s;
    s.path = std::string(directories[pick(std::size(directories))]) + names[pick(std::size(names))];
    s.newSize = sizes[pick(std::size(sizes))];
    s.oldSize = sizes[pick(std::size(sizes))];
    s.newTime = static_cast<std::uint32_t>(pick(4)) * 0x1000u;
    s.oldTime = static_cast<std::uint32_t>(pick(4)) * 0x1000u;
    s.newCrc = static_cast<std::uint32_t>(pick(4));
    s.oldCrc = static_cast<std::uint32_t>(pick(4));
    if (snapshotStatus) {
      s.status = static_cast<std::uint16_t>(pick(4) == 0 ? random() : pick(3));
    } else {
      switch (pick(6)) {
        case 0: s.status = stInserted; break;
        case 1: s.status = stDeleted; break;
        case 2: s.status = static_cast<std::uint16_t>(random() & 0xFF); break;  // anything, even odd mixes
        default: s.status = static_cast<std::uint16_t>(random() & (stIdentical | stCrcDiffers | stNewer | stBigger)); break;
      }
    }
    addEntry(files, s);
  }
}

}  // namespace quorvane::test
