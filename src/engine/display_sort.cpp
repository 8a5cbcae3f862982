#include "engine/display_sort.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "engine/path_key.h"

namespace quorvane {

namespace {

constexpr std::size_t kAhead = 16;  // entries fetched ahead while keys are taken from paths

bool isNameType(SortType type) { return type == SortType::NewName || type == SortType::OldName; }

// The number a numeric sort type compares; 0 for a type that compares nothing.
std::uint64_t numericKey(const FileEntry& e, SortType type, bool snapshotMode) {
  const bool deleted = !snapshotMode && (e.Status & stDeleted);
  const bool inserted = !snapshotMode && (e.Status & stInserted);
  switch (type) {
    case SortType::NewSize: return deleted ? e.OldSize : e.NewSize;
    case SortType::NewTime: return deleted ? e.OldTime : e.NewTime;
    case SortType::NewCrc: return e.NewCRC;
    case SortType::OldSize: return inserted ? e.NewSize : e.OldSize;
    case SortType::OldTime: return inserted ? e.NewTime : e.OldTime;
    case SortType::OldCrc: return e.OldCRC;
    case SortType::Crc16: return e.Status;
    case SortType::Crc32: return e.NewCRC;
    case SortType::FullPath:
    case SortType::NewName:
    case SortType::OldName: break;
  }
  return 0;
}

int sign(int v) { return (v > 0) - (v < 0); }

// File name, then directory, each compared with ASCII letters folded.
int compareNameThenDirectory(std::string_view nameA, std::string_view dirA, std::string_view nameB,
                             std::string_view dirB) {
  const int byName = compareFolded(nameA, nameB);
  if (byName != 0) return sign(byName);
  return sign(compareFolded(dirA, dirB));
}

// Byte k of the text "folded name, NUL, folded directory", 0 past its end. Without NUL
// bytes inside names, comparing these texts bytewise (shorter first) orders entries as
// compareNameThenDirectory does.
unsigned char textByte(const char* name, std::uint32_t nameLength, const char* directory, std::uint32_t length,
                       std::uint32_t k) {
  if (k < nameLength) return foldAscii(static_cast<unsigned char>(name[k]));
  if (k == nameLength || k > length) return 0;
  return foldAscii(static_cast<unsigned char>(directory[k - nameLength - 1]));
}

// Eight bytes of that text from byte 8 * level, big-endian.
std::uint64_t textChunk(const char* name, std::uint32_t nameLength, const char* directory, std::uint32_t length,
                        std::uint32_t level) {
  std::uint64_t chunk = 0;
  for (std::uint32_t k = 8 * level; k < 8 * level + 8; ++k)
    chunk = (chunk << 8) | textByte(name, nameLength, directory, length, k);
  return chunk;
}

}  // namespace

int CompareForDisplay(const FileEntry& item, const FileEntry& key, const SortRule& rule) {
  int result = 0;
  if (rule.SortType == SortType::FullPath) {
    result = -1;
  } else if (isNameType(rule.SortType)) {
    result = compareNameThenDirectory(item.Name(), item.Directory(), key.Name(), key.Directory());
  } else {
    const std::uint64_t a = numericKey(item, rule.SortType, rule.SnapshotMode);
    const std::uint64_t b = numericKey(key, rule.SortType, rule.SnapshotMode);
    result = a < b ? -1 : (a > b ? 1 : 0);
  }
  return rule.Descending ? -result : result;
}

DisplaySorter::DisplaySorter(const SortRule& rule, std::size_t expected)
    : rule_(rule), byName_(isNameType(rule.SortType)) {
  entries_.reserve(expected);
  if (rule_.SortType == SortType::FullPath) return;
  if (byName_)
    texts_.reserve(expected);
  else
    numbers_.reserve(expected);
}

void DisplaySorter::Add(FileEntry* entry) {
  const auto position = static_cast<std::uint32_t>(entries_.size());
  entries_.push_back(entry);
  if (rule_.SortType == SortType::FullPath) return;
  if (!byName_) {
    numbers_.push_back({numericKey(*entry, rule_.SortType, rule_.SnapshotMode), position});
    return;
  }
  const auto [directory, name] = entry->Parts();
  const auto nameLength = static_cast<std::uint32_t>(name.size());
  const auto length = static_cast<std::uint32_t>(name.size() + directory.size());
  if (std::memchr(name.data(), 0, name.size()) || std::memchr(directory.data(), 0, directory.size())) textHasNul_ = true;
  texts_.push_back({textChunk(name.data(), nameLength, directory.data(), length, 0), name.data(), directory.data(),
                    position, nameLength, length});
}

void DisplaySorter::sortNumbers() {
  // Ties go in the reverse of file-list order whatever the direction.
  if (rule_.Descending)
    std::sort(numbers_.begin(), numbers_.end(), [](const NumberKey& a, const NumberKey& b) {
      return a.key != b.key ? a.key > b.key : a.position > b.position;
    });
  else
    std::sort(numbers_.begin(), numbers_.end(), [](const NumberKey& a, const NumberKey& b) {
      return a.key != b.key ? a.key < b.key : a.position > b.position;
    });
}

// Sorts [begin, end), whose texts agree on their chunks below level, by the chunk of that
// level; groups that agree on it too and whose texts go on are sorted on the next chunk.
void DisplaySorter::sortTextRange(std::size_t begin, std::size_t end, std::uint32_t level) {
  const bool descending = rule_.Descending;
  std::sort(texts_.begin() + static_cast<std::ptrdiff_t>(begin), texts_.begin() + static_cast<std::ptrdiff_t>(end),
            [descending](const TextKey& a, const TextKey& b) {
              if (a.chunk != b.chunk) return (a.chunk < b.chunk) != descending;
              return a.position > b.position;
            });
  for (std::size_t group = begin; group < end;) {
    std::size_t next = group + 1;
    while (next < end && texts_[next].chunk == texts_[group].chunk) ++next;
    // Equal chunks mean equal lengths once a text has ended: the group is then all ties.
    const bool goesOn = texts_[group].length + 1 > 8 * (level + 1);
    if (next - group > 1 && goesOn) {
      for (std::size_t i = group; i < next; ++i) {
        if (i + kAhead < next) {
          const TextKey& ahead = texts_[i + kAhead];
          __builtin_prefetch(8 * (level + 1) < ahead.nameLength ? ahead.name + 8 * (level + 1) : ahead.directory);
        }
        TextKey& t = texts_[i];
        t.chunk = textChunk(t.name, t.nameLength, t.directory, t.length, level + 1);
      }
      sortTextRange(group, next, level + 1);
    }
    group = next;
  }
}

void DisplaySorter::sortTexts() {
  if (!textHasNul_) {
    sortTextRange(0, texts_.size(), 0);
    return;
  }
  const bool descending = rule_.Descending;
  std::sort(texts_.begin(), texts_.end(), [descending](const TextKey& a, const TextKey& b) {
    const int c = compareNameThenDirectory({a.name, a.nameLength}, {a.directory, a.length - a.nameLength},
                                           {b.name, b.nameLength}, {b.directory, b.length - b.nameLength}) *
                  (descending ? -1 : 1);
    return c != 0 ? c < 0 : a.position > b.position;
  });
}

void DisplaySorter::SortInto(std::vector<FileEntry*>& out) {
  if (rule_.SortType == SortType::FullPath) {
    if (rule_.Descending) std::reverse(entries_.begin(), entries_.end());
    out.swap(entries_);
    return;
  }
  out.resize(entries_.size());
  if (byName_) {
    sortTexts();
    for (std::size_t i = 0; i < texts_.size(); ++i) out[i] = entries_[texts_[i].position];
  } else {
    sortNumbers();
    for (std::size_t i = 0; i < numbers_.size(); ++i) out[i] = entries_[numbers_[i].position];
  }
}

void SortForDisplay(std::vector<FileEntry*>& entries, const SortRule& rule) {
  DisplaySorter sorter(rule, entries.size());
  for (FileEntry* e : entries) sorter.Add(e);
  sorter.SortInto(entries);
}

}  // namespace quorvane
