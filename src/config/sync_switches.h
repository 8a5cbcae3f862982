#pragma once
// The switches of the headless synchronization: -A --Sync:NewMaster|NoMaster|OldMaster
// NEW OLD, with --Simulate, --Log:<file>, --OverwriteReadOnly, --AllowEmpty,
// --MaxDelete:<n> and --Trash- (deleted and replaced files are not put in the trash).
#include <cstdint>
#include <string>

#include "settings/settings.h"

namespace quorvane {

enum class SyncMaster : std::uint8_t { None, NewMaster, NoMaster, OldMaster };

struct SyncSwitches {
  SyncMaster Master = SyncMaster::None;  // None: no synchronization asked for
  bool Simulate = false;
  std::string LogFile;            // empty: the log lines go to the standard output
  bool OverwriteReadOnly = false;
  bool AllowEmpty = false;
  std::int64_t MaxDelete = -1;    // -1: no limit

  bool Requested() const { return Master != SyncMaster::None; }
};

// Reads one "--" option (without its dashes) when it is one of these switches; false
// when it is not. Throws CommandLineError on a bad value.
bool ParseSyncSwitch(const std::string& option, SyncSwitches& sync, Settings& settings);
// Whether the option (without its dashes) is one of these switches as a whole.
bool IsSyncSwitch(const std::string& option);

}  // namespace quorvane
