#pragma once
// A straightforward version of how the two sets' files meet, written from the rules as
// stated, for comparing with AddFile + PairPendingOldFiles on generated sets full of
// paths that differ only in letter case: each step a scan of every entry, no index.
//  - A New file whose exact path is held already is a duplicate (the first stays).
//  - An Old file whose exact path came earlier in the Old set is a duplicate.
//  - An Old file merges with the New entry of exactly its path.
//  - Then the Old files without an exact partner, in file-list order of their paths, each
//    merge with the first New entry in file-list order equal when folded and without an
//    Old partner; the rest are Deleted entries.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::reference {

struct SideFile {
  std::string path;
  std::uint32_t crc = 0;
};

struct MergedEntry {
  std::string path;
  bool hasNew = false, hasOld = false;
  std::uint32_t newCrc = 0, oldCrc = 0;
  bool operator==(const MergedEntry&) const = default;
};

inline std::string foldedPath(std::string_view s) {
  std::string out(s);
  for (char& ch : out)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
  return out;
}

// File-list order: folded directory part + NUL + folded name, then the exact bytes.
inline bool listOrderBefore(const std::string& a, const std::string& b) {
  const auto key = [](const std::string& p) {
    const std::size_t slash = p.rfind('\\');
    const std::size_t dir = slash == std::string::npos ? 0 : slash + 1;
    return foldedPath(p.substr(0, dir)) + '\0' + foldedPath(p.substr(dir));
  };
  const std::string ka = key(a), kb = key(b);
  if (ka != kb) return std::lexicographical_compare(ka.begin(), ka.end(), kb.begin(), kb.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  return a < b;
}

inline std::vector<MergedEntry> mergeSets(const std::vector<SideFile>& newFiles, const std::vector<SideFile>& oldFiles) {
  std::vector<MergedEntry> entries;
  const auto exact = [&](const std::string& path) -> MergedEntry* {
    for (MergedEntry& e : entries)
      if (e.path == path) return &e;
    return nullptr;
  };
  for (const SideFile& f : newFiles)
    if (!exact(f.path)) entries.push_back({f.path, true, false, f.crc, 0});

  std::vector<SideFile> waiting;
  std::vector<std::string> seenOld;
  for (const SideFile& f : oldFiles) {
    if (std::find(seenOld.begin(), seenOld.end(), f.path) != seenOld.end()) continue;
    seenOld.push_back(f.path);
    MergedEntry* e = exact(f.path);
    if (e && e->hasNew && !e->hasOld) {
      e->hasOld = true;
      e->oldCrc = f.crc;
    } else {
      waiting.push_back(f);
    }
  }
  std::sort(waiting.begin(), waiting.end(), [](const SideFile& a, const SideFile& b) { return listOrderBefore(a.path, b.path); });
  for (const SideFile& f : waiting) {
    MergedEntry* best = nullptr;
    for (MergedEntry& e : entries)
      if (e.hasNew && !e.hasOld && foldedPath(e.path) == foldedPath(f.path) && (!best || listOrderBefore(e.path, best->path)))
        best = &e;
    if (best) {
      best->hasOld = true;
      best->oldCrc = f.crc;
    } else {
      entries.push_back({f.path, false, true, 0, f.crc});
    }
  }
  std::sort(entries.begin(), entries.end(), [](const MergedEntry& a, const MergedEntry& b) { return listOrderBefore(a.path, b.path); });
  return entries;
}

}  // namespace quorvane::reference
