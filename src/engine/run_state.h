#pragma once
// The program-wide state of comparison runs: the two sets, checksum kinds, flags and counters.
#include <array>
#include <cstdint>
#include <string>

#include "engine/checksum_kind.h"
#include "engine/set_kind_code.h"
#include "engine/sort_menu_state.h"

namespace quorvane {

struct SetDescription {
  SetKind Kind = SetKind::Nothing;
  std::string Root = "<Empty>";  // a directory root ends with "/"
  ChecksumKind Checksum = ChecksumKind::Crc32;
};

struct RunStats {
  std::uint32_t FilesFound = 0;
  std::uint32_t MovedCount = 0;
  std::uint32_t NewDuplicates = 0;
  std::uint32_t OldDuplicates = 0;
  std::uint32_t FilesSkipped = 0;
  double BytesRead = 0;
  bool DuplicateWarningsOff = false;
  std::array<std::uint32_t, 8> StatusCounts{};  // filled by the filter pass
  std::array<std::uint32_t, 8> ShownCounts{};
};

// Commands and indicators of the main window that a run changes; the window reads them.
struct CommandState {
  bool Diff = false;  // enabled once both sets are chosen
  bool Compare = false;
  bool ResetDiff = false;
  bool Synchronize = false;
  bool CheckMoved = true;
  bool SaveNewListing = false;
  bool SaveOldListing = false;
  bool SaveDiff = false;
  bool EditMenu = false;
  bool TakeSnapshot = false;  // generate a snapshot of the New set
  std::string WildcardLabel = "*.*";
  bool WildcardRed = false;   // the include mask is not "*.*"
  bool MaskActive = false;    // "Mask" indicator blue: a mask or an exclusion is in use
  bool GridVisible = false;   // the results grid shows the display index
  bool FileOperations = false;
  SortMenuState SortMenu;
  // Indicators highlighted (blue) rather than grey.
  bool LCRCActive = false;       // "No CRC": Quick on or CRC differences ignored
  bool LFilterActive = false;    // "Filter": a filter is active, not in snapshot mode
  bool LInclExclActive = false;  // "Dirs": an include or exclude directory list is in use
};

struct RunState {
  SetDescription NewSet;
  SetDescription OldSet;
  ChecksumKind CurrentChecksumKind = ChecksumKind::Crc32;
  bool SnapshotMode = false;
  bool MovedFilesDone = false;
  bool DiffInMemory = false;
  bool SubdirectoriesWarning = false;
  bool ResultsSaved = true;
  std::uint64_t LastRunMs = 0;  // duration of the last run, from its start to its end
  RunStats Stats;
  CommandState Commands;

  SetDescription& set(bool newSide) { return newSide ? NewSet : OldSet; }
};

}  // namespace quorvane
