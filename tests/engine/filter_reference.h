#pragma once
// Straightforward versions of the filter pass's sort and of moved-file pairing, written
// from the rules as stated: each shown entry inserted with a bisection search in front of
// its equals, and each Inserted or Deleted entry compared with every later entry. The
// tests compare the engine's O(n log n) versions with these on generated file lists.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_entry.h"
#include "engine/file_list.h"

namespace quorvane::reference {

inline char foldLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

inline std::string folded(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = foldLetter(ch);
  return out;
}

// Byte-wise on the folded texts (bytes as unsigned), a prefix first.
inline int compareCaseless(std::string_view a, std::string_view b) {
  const std::string fa = folded(a), fb = folded(b);
  for (std::size_t i = 0; i < fa.size() && i < fb.size(); ++i) {
    const auto x = static_cast<unsigned char>(fa[i]), y = static_cast<unsigned char>(fb[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (fa.size() == fb.size()) return 0;
  return fa.size() < fb.size() ? -1 : 1;
}

inline std::string_view directoryPart(std::string_view path) {
  const std::size_t at = path.rfind('\\');
  return at == std::string_view::npos ? std::string_view() : path.substr(0, at + 1);
}

inline std::string_view namePart(std::string_view path) { return path.substr(directoryPart(path).size()); }

template <typename T>
int compareNumbers(T a, T b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

// Compare(item key a, searched key b) of the display index.
inline int compare(const FileEntry& a, const FileEntry& b, int type, bool descending, bool snapshot) {
  int r = 0;
  const auto newSize = [&](const FileEntry& e) { return !snapshot && (e.Status & stDeleted) ? e.OldSize : e.NewSize; };
  const auto newTime = [&](const FileEntry& e) { return !snapshot && (e.Status & stDeleted) ? e.OldTime : e.NewTime; };
  const auto oldSize = [&](const FileEntry& e) { return !snapshot && (e.Status & stInserted) ? e.NewSize : e.OldSize; };
  const auto oldTime = [&](const FileEntry& e) { return !snapshot && (e.Status & stInserted) ? e.NewTime : e.OldTime; };
  switch (type) {
    case 0: r = -1; break;
    case 1:
    case 5:
      r = compareCaseless(namePart(a.Path()), namePart(b.Path()));
      if (r == 0) r = compareCaseless(directoryPart(a.Path()), directoryPart(b.Path()));
      break;
    case 2: r = compareNumbers(newSize(a), newSize(b)); break;
    case 3: r = compareNumbers(newTime(a), newTime(b)); break;
    case 4: r = compareNumbers(a.NewCRC, b.NewCRC); break;
    case 6: r = compareNumbers(oldSize(a), oldSize(b)); break;
    case 7: r = compareNumbers(oldTime(a), oldTime(b)); break;
    case 8: r = compareNumbers(a.OldCRC, b.OldCRC); break;
    case 9: r = compareNumbers(a.Status, b.Status); break;
    case 10: r = compareNumbers(a.NewCRC, b.NewCRC); break;
    default: r = 0; break;
  }
  return descending ? -r : r;
}

// Insert with AllowDuplicates: bisection, then the item goes in front of its equals.
inline void insertSorted(std::vector<FileEntry*>& index, FileEntry* item, int type, bool descending, bool snapshot) {
  int low = 0, high = static_cast<int>(index.size()) - 1;
  while (low <= high) {
    const int mid = (low + high) / 2;
    if (compare(*index[static_cast<std::size_t>(mid)], *item, type, descending, snapshot) < 0)
      low = mid + 1;
    else
      high = mid - 1;
  }
  index.insert(index.begin() + low, item);
}

struct FilterResult {
  std::vector<FileEntry*> shown;
  std::vector<std::uint16_t> statuses;  // every entry's status after the pass, in file-list order
  std::array<std::uint32_t, 8> statusCounts{};
  std::array<std::uint32_t, 8> shownCounts{};
};

// The filter pass on the list (statuses are changed as the pass changes them).
inline FilterResult filterPass(FileList& files, int type, bool descending, bool snapshot) {
  FilterResult r;
  for (std::int32_t i = 0; i < files.Count(); ++i) {
    FileEntry& e = files.ItemAt(i);
    if (snapshot) {
      insertSorted(r.shown, &e, type, descending, snapshot);
      r.statuses.push_back(e.Status);
      continue;
    }
    e.Status &= static_cast<std::uint16_t>(~stIdentical);
    bool anyConsidered = false;
    for (int bit = 1; bit < 16; ++bit)
      if ((e.Status & (1 << bit)) && (files.IFilter & (1 << bit))) anyConsidered = true;
    if (!anyConsidered) e.Status |= stIdentical;
    const std::uint16_t s = e.Status;
    bool shown = true;
    for (int bit = 0; bit < 16; ++bit)
      if ((s & (1 << bit)) && (files.IFilter & (1 << bit)) && !(files.XFilter & (1 << bit))) shown = false;
    for (int bit = 0; bit < 8; ++bit)
      if (s & (1 << bit)) {
        ++r.statusCounts[static_cast<std::size_t>(bit)];
        if (shown) ++r.shownCounts[static_cast<std::size_t>(bit)];
      }
    if (shown) insertSorted(r.shown, &e, type, descending, snapshot);
    r.statuses.push_back(s);
  }
  if (files.IFilter == 0xFFFF && files.XFilter == 0xFFFF) r.shownCounts = r.statusCounts;
  return r;
}

// The matching name: archive extensions (when ignored) replaced by ".zip".
inline std::string matchingName(std::string_view path, bool ignoreArchiveExtension) {
  const std::string_view fileName = namePart(path);
  const std::size_t dot = fileName.rfind('.');
  std::string name(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
  std::string extension(dot == std::string_view::npos ? std::string_view() : fileName.substr(dot));
  if (ignoreArchiveExtension) {
    static const char* const archives[] = {".ZIP", ".JAR", ".RAR", ".ACE", ".ARJ", ".LZH", ".PAK", ".LHA", ".ZOO", ".ARC"};
    for (const char* archive : archives)
      if (folded(extension) == archive) extension = ".zip";
  }
  return name + extension;
}

// The pass over the list: links pairs through MovedPartner, returns the pair count.
inline std::uint32_t pairMoved(FileList& files, bool byCrc, bool byName, bool ignoreArcExt) {
  const std::int32_t n = files.Count();
  std::vector<FileEntry*> entries;
  std::vector<std::string> names;  // folded matching names
  for (std::int32_t i = 0; i < n; ++i) {
    entries.push_back(&files.ItemAt(i));
    names.push_back(folded(matchingName(entries.back()->Path(), ignoreArcExt)));
  }
  std::uint32_t pairs = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    FileEntry& a = *entries[static_cast<std::size_t>(i)];
    if (a.MovedPartner != -1) continue;
    std::uint16_t sideBit = 0;
    if (a.Status & stInserted)
      sideBit = stInserted;
    else if (a.Status & stDeleted)
      sideBit = stDeleted;
    else
      continue;
    for (std::int32_t j = i + 1; j < n; ++j) {
      FileEntry& b = *entries[static_cast<std::size_t>(j)];
      if (b.MovedPartner != -1 || (b.Status & sideBit)) continue;
      if (byName && names[static_cast<std::size_t>(j)] != names[static_cast<std::size_t>(i)]) continue;
      if (byCrc) {
        const std::uint32_t mine = sideBit == stInserted ? a.NewCRC : a.OldCRC;
        const std::uint32_t theirs = sideBit == stInserted ? b.OldCRC : b.NewCRC;
        if (mine == 0 || mine != theirs) continue;
      }
      a.MovedPartner = j;
      b.MovedPartner = i;
      ++pairs;
      break;
    }
  }
  return pairs;
}

}  // namespace quorvane::reference
