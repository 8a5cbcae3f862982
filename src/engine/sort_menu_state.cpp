#include "engine/sort_menu_state.h"

#include <optional>

namespace quorvane {

namespace {

constexpr int kTagCrc16 = 5;
constexpr int kTagCrc32 = 6;
constexpr int kTagOldFilename = 7;
constexpr int kTagOldSize = 8;
constexpr int kTagOldDateTime = 9;

// Kind by tag (index tag - 1).
constexpr std::array<int, kSortMenuItems> kKindOfTag = {1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 9};

// Type by kind when comparing two sides, and in snapshot mode (nullopt: unchanged).
constexpr std::array<std::optional<SortType>, kSortKinds> kTypeComparing = {
    SortType::FullPath, SortType::NewName, SortType::NewSize, SortType::NewTime, SortType::NewCrc,
    SortType::OldName,  SortType::OldSize, SortType::OldTime, SortType::OldCrc,  SortType::FullPath};
constexpr std::array<std::optional<SortType>, kSortKinds> kTypeSnapshot = {
    SortType::FullPath, SortType::NewName, SortType::NewSize, SortType::NewTime, SortType::Crc16,
    SortType::Crc32,    SortType::FullPath, std::nullopt,     std::nullopt,      SortType::FullPath};

}  // namespace

int SortKindOfMenuTag(int tag) {
  if (tag < 1 || tag > kSortMenuItems) return -1;
  return kKindOfTag[static_cast<std::size_t>(tag - 1)];
}

SortType SortTypeOfKind(int kind, bool snapshotMode, SortType previousType) {
  if (kind < 0 || kind >= kSortKinds) return previousType;
  return (snapshotMode ? kTypeSnapshot : kTypeComparing)[static_cast<std::size_t>(kind)].value_or(previousType);
}

int SortMenuTagOfType(SortType type) {
  switch (type) {
    case SortType::NewName: return 1;
    case SortType::NewSize: return 2;
    case SortType::NewTime: return 3;
    case SortType::NewCrc: return 4;
    case SortType::Crc16: return 5;
    case SortType::Crc32: return 6;
    case SortType::OldName: return 7;
    case SortType::OldSize: return 8;
    case SortType::OldTime: return 9;
    case SortType::OldCrc: return 10;
    case SortType::FullPath: break;
  }
  return 11;
}

void UpdateSortMenu(SortMenuState& menu, bool snapshotMode, SortType sortType) {
  menu.Enabled.fill(true);
  const auto set = [&menu](int tag, bool on) { menu.Enabled[static_cast<std::size_t>(tag - 1)] = on; };
  set(kTagCrc16, snapshotMode);
  set(kTagCrc32, snapshotMode);
  set(kTagOldFilename, !snapshotMode);
  set(kTagOldSize, !snapshotMode);
  set(kTagOldDateTime, !snapshotMode);
  menu.CheckedTag = SortMenuTagOfType(sortType);
}

}  // namespace quorvane
