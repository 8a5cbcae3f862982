#include "engine/sort_choice.h"

#include "engine/filter_pass.h"
#include "engine/sort_menu_state.h"

namespace quorvane {

void SetSort(Comparison& c, int kind) {
  if (kind < 0 || kind >= kSortKinds) return;
  TDisplayIndex& d = c.Display;
  const SortType previous = d.SortType;
  d.SortKind = kind;
  d.SortType = SortTypeOfKind(kind, c.State.SnapshotMode, previous);
  if (d.SortType == previous && kind != 0)
    d.Descending = !d.Descending;
  else
    d.Descending = false;
  UpdateSortMenu(c.State.Commands.SortMenu, c.State.SnapshotMode, d.SortType);
  FilterPass(c);
}

void ChooseSortMenuItem(Comparison& c, int tag) {
  const int kind = SortKindOfMenuTag(tag);
  if (kind >= 0) SetSort(c, kind);
}

void ResetSort(Comparison& c) {
  c.Display.SortKind = 0;
  c.Display.SortType = SortType::FullPath;
  c.Display.Descending = false;
  UpdateSortMenu(c.State.Commands.SortMenu, c.State.SnapshotMode, SortType::FullPath);
}

}  // namespace quorvane
