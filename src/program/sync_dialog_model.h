#pragma once
// The state of the synchronization dialog ("Synchronize directories") without Qt: the
// three presets, the boxes of what to do with matching, inserted and deleted files with
// the rules that tie them together, the apply-to choice and the options panel of
// confirmations, error handling and the log, which the file operations dialog shows too.
// The dialog lives for the whole program; its boxes keep their state between commands.
#include <array>
#include <cstdint>
#include <string>

#include "fileops/run_answers.h"
#include "settings/settings.h"

namespace quorvane {

// The boxes of "2. Then customize preset choices :".
enum class SyncBox : std::uint8_t {
  cbMatchOld,        // "Update Old set": the Old file is replaced when the New one is newer
  cbMatchNew,        // "Update New set": the New file is replaced when the Old one is newer
  cbMatchForce,      // "Force update": times are not looked at
  cbMatchOldDelNew,  // "Then Delete files from New set (move them)"
  cbMatchNewDelOld,  // "Then Delete files from Old set (move them)"
  cbInsOld,          // "Update Old set (add files to it)"
  cbInsNew,          // "Update New set (remove files from it)"
  cbDelOld,          // "Update Old set (remove files from it)"
  cbDelNew,          // "Update New set (add files to it)"
};
inline constexpr std::size_t kSyncBoxCount = 9;

// The preset buttons by their tags.
enum class SyncPreset : std::uint8_t { NewIsMaster = 0, NoMaster = 1, OldIsMaster = 2 };

class SyncDialogModel {
 public:
  // The state at program start: the boxes of step 2 unticked, both run buttons disabled,
  // then the saved [Synchronization] keys (log name, log boxes, apply-to when saved as
  // default). defaultLogFile is the log's name when none was saved.
  void LoadFrom(const Settings& settings, const std::string& defaultLogFile);

  // A preset button: every box of step 2 unticked, then those of the preset ticked, each
  // change running the rules as a click would.
  void ApplyPreset(SyncPreset preset);
  // A click that leaves the box ticked (on) or unticked. A disabled box does not change;
  // returns whether it did. Ticking both update boxes of matching files unticks and
  // disables "Force update" and both move boxes; unticking one enables them again.
  bool SetBox(SyncBox box, bool on);

  bool Checked(SyncBox box) const { return checked_[index(box)]; }
  bool Enabled(SyncBox box) const;
  // "Sim&ulate" and "Synchronize no&w": enabled while a box that makes a change (any but
  // "Force update") is ticked.
  bool SimulateEnabled() const;
  bool SyncEnabled() const { return SimulateEnabled(); }

  // "3. Apply to :": rbAll "&All files displayed", else rbSelected "&Selected files only".
  bool rbAll = false;
  bool cbSaveAsdefault = false;  // "Save as default"
  // LSelected: "%d files of %d" or "One file of %d", set when the dialog is to be shown.
  std::string LSelected;
  void SetSelectedCount(std::int32_t selected, std::int32_t rows);

  // The options panel (pnOptions). Its cbMatchForce is not the panel's: the run takes it
  // from the box of step 2.
  fileops::FileOpOptions Options;

  // The check boxes' captions, by box.
  static const char* Caption(SyncBox box);

 private:
  static std::size_t index(SyncBox box) { return static_cast<std::size_t>(box); }
  std::array<bool, kSyncBoxCount> checked_{};
};

// The text of LSelected in both dialogs.
std::string SelectedCountText(std::int32_t selected, std::int32_t rows);

}  // namespace quorvane
