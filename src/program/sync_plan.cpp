#include "program/sync_plan.h"

namespace quorvane {

SyncBoxes SyncBoxes::Of(const SyncDialogModel& d) {
  return {d.Checked(SyncBox::cbMatchOld),       d.Checked(SyncBox::cbMatchNew), d.Checked(SyncBox::cbMatchForce),
          d.Checked(SyncBox::cbMatchOldDelNew), d.Checked(SyncBox::cbMatchNewDelOld), d.Checked(SyncBox::cbInsOld),
          d.Checked(SyncBox::cbInsNew),         d.Checked(SyncBox::cbDelOld),   d.Checked(SyncBox::cbDelNew)};
}

SyncEntryPlan PlanSyncEntry(const SyncBoxes& b, bool quick, const FileEntry& e) {
  SyncEntryPlan plan;
  if ((e.Status & stInserted) != 0) {
    plan.copyToOld = b.insOld;
    plan.deleteNew = b.insNew;
    return plan;
  }
  if ((e.Status & stDeleted) != 0) {
    plan.copyToNew = b.delNew;
    plan.deleteOld = b.delOld;
    return plan;
  }
  const bool contentDiffers = quick || (e.Status & stCrcDiffers) != 0;
  plan.copyToOld = b.matchOld && (b.force || ((e.Status & stNewer) != 0 && contentDiffers));
  plan.copyToNew = b.matchNew && (b.force || ((e.Status & stOlder) != 0 && contentDiffers));
  // A move deletes the source after its copy; without a copy (not newer) the source is
  // deleted alone and the other side keeps its file.
  plan.deleteNew = b.matchOld && b.matchOldDelNew;
  plan.deleteOld = b.matchNew && b.matchNewDelOld;
  return plan;
}

}  // namespace quorvane
