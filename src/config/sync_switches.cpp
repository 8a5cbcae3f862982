#include "config/sync_switches.h"

#include "config/command_line.h"
#include "engine/path_key.h"

namespace quorvane {

namespace {

constexpr std::string_view kSyncSyntax =
    "--Sync: must be followed by NewMaster, NoMaster or OldMaster\r(example : -A --Sync:NewMaster /data /backup)";

}  // namespace

bool ParseSyncSwitch(const std::string& option, SyncSwitches& sync, Settings& settings) {
  const auto named = [&](std::string_view name) { return startsWithFolded(option, name); };
  if (named("Sync:")) {
    const std::string value = option.substr(5);
    if (sameFolded(value, "NewMaster"))
      sync.Master = SyncMaster::NewMaster;
    else if (sameFolded(value, "NoMaster"))
      sync.Master = SyncMaster::NoMaster;
    else if (sameFolded(value, "OldMaster"))
      sync.Master = SyncMaster::OldMaster;
    else
      throw CommandLineError(std::string(kSyncSyntax));
    return true;
  }
  if (named("Log:")) {
    sync.LogFile = option.substr(4);
    if (sync.LogFile.empty()) throw CommandLineError("--Log: must be followed by the log file's name");
    return true;
  }
  if (named("MaxDelete:")) {
    const std::string value = option.substr(10);
    std::int64_t n = 0;
    bool valid = !value.empty() && value.size() <= 12;
    for (const char c : value) {
      if (c < '0' || c > '9') valid = false;
      n = n * 10 + (c - '0');
    }
    if (!valid) throw CommandLineError("--MaxDelete: must be followed by a number of files (--MaxDelete:100)");
    sync.MaxDelete = n;
    return true;
  }
  if (sameFolded(option, "Simulate")) {
    sync.Simulate = true;
  } else if (sameFolded(option, "OverwriteReadOnly")) {
    sync.OverwriteReadOnly = true;
  } else if (sameFolded(option, "AllowEmpty")) {
    sync.AllowEmpty = true;
  } else if (sameFolded(option, "Trash-")) {
    settings.Sync.UseTrash = false;
  } else if (sameFolded(option, "Trash")) {
    settings.Sync.UseTrash = true;
  } else {
    return false;
  }
  return true;
}

bool IsSyncSwitch(const std::string& option) {
  for (const std::string_view name : {"Sync:", "Log:", "MaxDelete:"})
    if (startsWithFolded(option, name)) return true;
  for (const std::string_view name : {"Simulate", "OverwriteReadOnly", "AllowEmpty", "Trash-", "Trash"})
    if (sameFolded(option, name)) return true;
  return false;
}

}  // namespace quorvane
