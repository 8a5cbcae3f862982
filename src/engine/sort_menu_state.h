#pragma once
// The sort choices: the Sort by menu's items (tags 1 to 11), the user's sort kinds 0 to 9
// and the compare rules (sort types 0 to 10) they select, and which menu items the
// window enables and which carries the radio check.
#include <array>
#include <cstdint>

#include "engine/sort_type.h"

namespace quorvane {

inline constexpr int kSortMenuItems = 11;
inline constexpr int kSortKinds = 10;

// Captions of the Sort by menu by tag (index tag - 1).
inline constexpr std::array<const char*, kSortMenuItems> kSortMenuCaptions = {
    "&New Filename", "New Size",      "New Date/Time", "New CRC",  "CRC 16",        "CRC 32",
    "&Old Filename", "Old Size",      "Old Date/Time", "Old CRC",  "&Full pathname"};

// What the window shows of the Sort by menu.
struct SortMenuState {
  // By tag - 1; as after a comparison: all but "CRC 16" and "CRC 32".
  std::array<bool, kSortMenuItems> Enabled = {true, true, true, true, false, false, true, true, true, true, true};
  int CheckedTag = 11;  // the item holding the radio check

  bool IsEnabled(int tag) const { return tag >= 1 && tag <= kSortMenuItems && Enabled[static_cast<std::size_t>(tag - 1)]; }
};

// The kind a menu item chooses; -1 for a tag outside 1..11.
int SortKindOfMenuTag(int tag);

// The compare rule of a kind: the table of the two modes. In snapshot mode kinds 7 and 8
// keep the previous type. A kind outside 0..9 keeps the previous type.
SortType SortTypeOfKind(int kind, bool snapshotMode, SortType previousType);

// The menu item that stands for a sort type (FullPath "&Full pathname" ... Crc32 "CRC 32").
int SortMenuTagOfType(SortType type);

// Enables the items of the mode (snapshot mode: "CRC 16" and "CRC 32" on, the Old
// filename, size and date items off; otherwise "CRC 16" and "CRC 32" off) and puts the
// radio check on the item of the current type.
void UpdateSortMenu(SortMenuState& menu, bool snapshotMode, SortType sortType);

}  // namespace quorvane
