#include "engine/sort_menu_state.h"

namespace quorvane {

namespace {

constexpr int kTagCrc16 = 5;
constexpr int kTagCrc32 = 6;
constexpr int kTagOldFilename = 7;
constexpr int kTagOldSize = 8;
constexpr int kTagOldDateTime = 9;

// Kind by tag (index tag - 1).
constexpr std::array<int, kSortMenuItems> kKindOfTag = {1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 9};

// Type by kind when comparing two sides, and in snapshot mode (-1: unchanged).
constexpr std::array<int, kSortKinds> kTypeComparing = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0};
constexpr std::array<int, kSortKinds> kTypeSnapshot = {0, 1, 2, 3, 9, 10, 0, -1, -1, 0};

// Tag by type 0..10.
constexpr std::array<int, 11> kTagOfType = {11, 1, 2, 3, 4, 7, 8, 9, 10, 5, 6};

}  // namespace

int SortKindOfMenuTag(int tag) {
  if (tag < 1 || tag > kSortMenuItems) return -1;
  return kKindOfTag[static_cast<std::size_t>(tag - 1)];
}

std::uint8_t SortTypeOfKind(int kind, bool snapshotMode, std::uint8_t previousType) {
  if (kind < 0 || kind >= kSortKinds) return previousType;
  const int type = (snapshotMode ? kTypeSnapshot : kTypeComparing)[static_cast<std::size_t>(kind)];
  return type < 0 ? previousType : static_cast<std::uint8_t>(type);
}

int SortMenuTagOfType(std::uint8_t type) { return type < kTagOfType.size() ? kTagOfType[type] : kTagOfType[0]; }

void UpdateSortMenu(SortMenuState& menu, bool snapshotMode, std::uint8_t sortType) {
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
