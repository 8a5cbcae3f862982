#include "engine/display_sort.h"

#include <algorithm>
#include <string_view>

#include "engine/path_key.h"

namespace quorvane {

namespace {

bool isNameType(std::uint8_t type) { return type == 1 || type == 5; }

// The number a numeric sort type compares; 0 for a type that compares nothing.
std::uint64_t numericKey(const FileEntry& e, std::uint8_t type, bool snapshotMode) {
  const bool deleted = !snapshotMode && (e.Status & stDeleted);
  const bool inserted = !snapshotMode && (e.Status & stInserted);
  switch (type) {
    case 2: return deleted ? e.OldSize : e.NewSize;
    case 3: return deleted ? e.OldTime : e.NewTime;
    case 4: return e.NewCRC;
    case 6: return inserted ? e.NewSize : e.OldSize;
    case 7: return inserted ? e.NewTime : e.OldTime;
    case 8: return e.OldCRC;
    case 9: return e.Status;
    case 10: return e.NewCRC;
    default: return 0;
  }
}

int sign(int v) { return (v > 0) - (v < 0); }

std::size_t directoryLength(std::string_view path) {
  const std::size_t at = path.rfind('\\');
  return at == std::string_view::npos ? 0 : at + 1;
}

// File name, then directory, each compared with ASCII letters folded.
int compareNameThenDirectory(std::string_view a, std::string_view b) {
  const std::size_t dirA = directoryLength(a);
  const std::size_t dirB = directoryLength(b);
  const int byName = compareFolded(a.substr(dirA), b.substr(dirB));
  if (byName != 0) return sign(byName);
  return sign(compareFolded(a.substr(0, dirA), b.substr(0, dirB)));
}

// The first eight folded bytes of a name, big-endian and zero-padded: comparing two of
// these as numbers orders them as the folded comparison does, up to a tie.
std::uint64_t foldedPrefix(std::string_view name) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    prefix <<= 8;
    if (i < name.size()) prefix |= foldAscii(static_cast<unsigned char>(name[i]));
  }
  return prefix;
}

// Sort record: the key's number (or the name prefix), the entry's position in the given
// order, and for name types the split of its path.
struct Keyed {
  std::uint64_t key;
  std::uint32_t position;
  std::uint32_t directoryLength;
};

// keyCompare gives -1, 0 or 1 on the keys alone; ties go in the reverse of the given
// order whatever the direction.
template <typename KeyCompare>
void sortKeyed(std::vector<Keyed>& keyed, bool descending, KeyCompare keyCompare) {
  const int direction = descending ? -1 : 1;
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    const int c = keyCompare(a, b) * direction;
    return c != 0 ? c < 0 : a.position > b.position;
  });
}

}  // namespace

int CompareForDisplay(const FileEntry& item, const FileEntry& key, const SortRule& rule) {
  int result = 0;
  if (rule.SortType == 0) {
    result = -1;
  } else if (isNameType(rule.SortType)) {
    result = compareNameThenDirectory(item.Path(), key.Path());
  } else {
    const std::uint64_t a = numericKey(item, rule.SortType, rule.SnapshotMode);
    const std::uint64_t b = numericKey(key, rule.SortType, rule.SnapshotMode);
    result = a < b ? -1 : (a > b ? 1 : 0);
  }
  return rule.Descending ? -result : result;
}

void SortForDisplay(std::vector<FileEntry*>& entries, const SortRule& rule) {
  if (rule.SortType == 0) {
    if (rule.Descending) std::reverse(entries.begin(), entries.end());
    return;
  }
  std::vector<Keyed> keyed(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const FileEntry& e = *entries[i];
    keyed[i].position = static_cast<std::uint32_t>(i);
    if (isNameType(rule.SortType)) {
      const std::string_view path = e.Path();
      const std::size_t dir = directoryLength(path);
      keyed[i].directoryLength = static_cast<std::uint32_t>(dir);
      keyed[i].key = foldedPrefix(path.substr(dir));
    } else {
      keyed[i].directoryLength = 0;
      keyed[i].key = numericKey(e, rule.SortType, rule.SnapshotMode);
    }
  }
  if (isNameType(rule.SortType)) {
    sortKeyed(keyed, rule.Descending, [&entries](const Keyed& a, const Keyed& b) {
      if (a.key != b.key) return a.key < b.key ? -1 : 1;
      const std::string_view pa = entries[a.position]->Path();
      const std::string_view pb = entries[b.position]->Path();
      const int byName = compareFolded(pa.substr(a.directoryLength), pb.substr(b.directoryLength));
      if (byName != 0) return sign(byName);
      return sign(compareFolded(pa.substr(0, a.directoryLength), pb.substr(0, b.directoryLength)));
    });
  } else {
    sortKeyed(keyed, rule.Descending, [](const Keyed& a, const Keyed& b) { return a.key < b.key ? -1 : (a.key > b.key ? 1 : 0); });
  }
  std::vector<FileEntry*> sorted(entries.size());
  for (std::size_t i = 0; i < keyed.size(); ++i) sorted[i] = entries[keyed[i].position];
  entries.swap(sorted);
}

}  // namespace quorvane
