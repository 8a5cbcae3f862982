#include "program/sync_dialog_model.h"

namespace quorvane {

namespace {

bool bothUpdateBoxes(const std::array<bool, kSyncBoxCount>& c) {
  return c[static_cast<std::size_t>(SyncBox::cbMatchOld)] && c[static_cast<std::size_t>(SyncBox::cbMatchNew)];
}

bool tiedToBothUpdates(SyncBox box) {
  return box == SyncBox::cbMatchForce || box == SyncBox::cbMatchOldDelNew || box == SyncBox::cbMatchNewDelOld;
}

}  // namespace

void SyncDialogModel::LoadFrom(const Settings& settings, const std::string& defaultLogFile) {
  Options.edLogFile = settings.Sync.LogFileName.empty() ? defaultLogFile : settings.Sync.LogFileName;
  Options.cbLog = settings.Sync.LogFile;
  Options.cbClearLog = settings.Sync.ClearLogFile;
  Options.cbUseTrash = settings.Sync.UseTrash;
  cbSaveAsdefault = settings.Sync.SaveDefault;
  if (cbSaveAsdefault) rbAll = settings.Sync.ApplyAll;
}

void SyncDialogModel::ApplyPreset(SyncPreset preset) {
  for (std::size_t i = 0; i < kSyncBoxCount; ++i) SetBox(static_cast<SyncBox>(i), false);
  struct Row {
    bool matchOld, matchNew, insOld, insNew, delOld, delNew;
  };
  static constexpr std::array<Row, 3> kPresets = {{
      {true, false, true, false, true, false},   // New is master
      {true, true, true, false, false, true},    // No master
      {false, true, false, true, false, true},   // Old is master
  }};
  const Row& r = kPresets[static_cast<std::size_t>(preset)];
  SetBox(SyncBox::cbMatchOld, r.matchOld);
  SetBox(SyncBox::cbMatchNew, r.matchNew);
  SetBox(SyncBox::cbInsOld, r.insOld);
  SetBox(SyncBox::cbInsNew, r.insNew);
  SetBox(SyncBox::cbDelOld, r.delOld);
  SetBox(SyncBox::cbDelNew, r.delNew);
}

bool SyncDialogModel::SetBox(SyncBox box, bool on) {
  if (!Enabled(box)) return false;
  checked_[index(box)] = on;
  if ((box == SyncBox::cbMatchOld || box == SyncBox::cbMatchNew) && bothUpdateBoxes(checked_)) {
    checked_[index(SyncBox::cbMatchForce)] = false;
    checked_[index(SyncBox::cbMatchOldDelNew)] = false;
    checked_[index(SyncBox::cbMatchNewDelOld)] = false;
  }
  return true;
}

bool SyncDialogModel::Enabled(SyncBox box) const { return !(tiedToBothUpdates(box) && bothUpdateBoxes(checked_)); }

bool SyncDialogModel::SimulateEnabled() const {
  for (std::size_t i = 0; i < kSyncBoxCount; ++i)
    if (checked_[i] && static_cast<SyncBox>(i) != SyncBox::cbMatchForce) return true;
  return false;
}

void SyncDialogModel::SetSelectedCount(std::int32_t selected, std::int32_t rows) {
  LSelected = SelectedCountText(selected, rows);
}

const char* SyncDialogModel::Caption(SyncBox box) {
  switch (box) {
    case SyncBox::cbMatchOld: return "Update Old set";
    case SyncBox::cbMatchNew: return "Update New set";
    case SyncBox::cbMatchForce: return "Force update";
    case SyncBox::cbMatchOldDelNew: return "Then Delete files from New set (move them)";
    case SyncBox::cbMatchNewDelOld: return "Then Delete files from Old set (move them)";
    case SyncBox::cbInsOld: return "Update Old set (add files to it)";
    case SyncBox::cbInsNew: return "Update New set (remove files from it)";
    case SyncBox::cbDelOld: return "Update Old set (remove files from it)";
    case SyncBox::cbDelNew: return "Update New set (add files to it)";
  }
  return "";
}

std::string SelectedCountText(std::int32_t selected, std::int32_t rows) {
  if (selected > 1) return std::to_string(selected) + " files of " + std::to_string(rows);
  return "One file of " + std::to_string(rows);
}

}  // namespace quorvane
