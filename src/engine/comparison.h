#pragma once
// A comparison: the file list and everything a run reads and fills. One instance lives
// for the whole program; the window, the automatic mode and the tests each drive it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "engine/alias_list.h"
#include "engine/display_index.h"
#include "engine/file_entry.h"
#include "engine/file_list.h"
#include "engine/file_mask.h"
#include "engine/pending_old_files.h"
#include "engine/progress_meter.h"
#include "engine/run_problems.h"
#include "engine/run_state.h"
#include "platform/file_reader.h"
#include "platform/user_interface.h"

namespace quorvane {

struct Comparison {
  Comparison(Settings& settings, platform::UserInterface& ui);

  Settings& settings;
  platform::UserInterface& ui;

  FileList Files;
  ScanRecord Scan;
  PendingOldFiles PendingOld;  // Old files waiting for a partner of another letter case
  TDisplayIndex Display;
  RunState State;
  TAliasList Aliases;
  SortedTextList IncludeDirs;      // relative to the set root, "\" separated
  SortedTextList ExcludeDirs;
  SortedTextList IncludeDirsUsed;  // the include list of the last run
  FileMasks Masks;
  ProgressMeter Progress;
  // What the last run could not compare; cleared when a run starts.
  RunProblems Problems;
  // Every file that is checksummed is read through this one buffer, by this reader
  // (tests put in a reader that fails on cue).
  static constexpr std::size_t kReadBufferSize = 65535;
  std::vector<std::uint8_t> ReadBuffer = std::vector<std::uint8_t>(kReadBufferSize);
  std::unique_ptr<platform::FileReader> Reader = std::make_unique<platform::FileReader>();

  SetDescription& Set(Side side) { return side == Side::New ? State.NewSet : State.OldSet; }
  bool Aborted() const { return ui.abortRequested(); }

  // Empties the file list and the counters of the last run's reading.
  void ClearFiles();
};

}  // namespace quorvane
