#pragma once
// What a synchronization does with one entry, decided from the dialog's boxes and the
// entry's status before anything is touched: the copies, the deletions that complete
// moves and the plain deletions. The run follows the plan; the guards count it.
#include <cstdint>

#include "engine/file_entry.h"
#include "program/sync_dialog_model.h"

namespace quorvane {

struct SyncBoxes {
  bool matchOld, matchNew, force, matchOldDelNew, matchNewDelOld, insOld, insNew, delOld, delNew;
  static SyncBoxes Of(const SyncDialogModel& dialog);
};

struct SyncEntryPlan {
  bool copyToOld = false;    // New's file copied over Old (or added to it)
  bool copyToNew = false;
  bool deleteNew = false;    // after copyToOld: completes the move; alone: a plain deletion
  bool deleteOld = false;
  int Deletions() const { return (deleteNew ? 1 : 0) + (deleteOld ? 1 : 0); }
};

// quick: contents are taken as different whenever the times differ (no checksums read).
SyncEntryPlan PlanSyncEntry(const SyncBoxes& boxes, bool quick, const FileEntry& entry);

}  // namespace quorvane
