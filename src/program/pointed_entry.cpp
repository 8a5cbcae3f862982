#include "program/pointed_entry.h"

namespace quorvane {

void PointAt(GridPointer& g, const Comparison& c, std::int32_t row, int column, int selectionLeft,
             int selectionRight) {
  g.selectedSide = SelectedSide::None;
  g.pointed = {};
  if (row <= 0 || column <= 0 || row > c.Display.Count()) return;
  g.pointed.row = row;
  g.pointed.column = column;
  if (selectionLeft >= 1 && selectionRight <= 4)
    g.selectedSide = SelectedSide::New;
  else if (selectionLeft > 4 && selectionRight <= 9)
    g.selectedSide = SelectedSide::Old;

  const FileEntry* e = c.Display.ItemAt(row - 1);
  const RunState& s = c.State;
  bool pointed = false;
  if (s.SnapshotMode) {
    pointed = true;
    g.pointed.openable = s.NewSet.Kind == SetKind::Directory;
  } else if (column <= 4 && !(e->Status & stDeleted)) {
    pointed = true;
    g.pointed.openable = s.NewSet.Kind == SetKind::Directory;
  } else if (column >= 5 && column <= 8 && !(e->Status & stInserted)) {
    pointed = true;
    g.pointed.newSide = false;
    g.pointed.openable = s.OldSet.Kind == SetKind::Directory;
  }
  g.pointed.entry = pointed ? e : nullptr;
  g.popupFileName = pointed ? std::string(e->Path()) : "<No file selected>";
  g.informations = pointed;
  g.openFile = pointed && g.pointed.openable;
  g.copy = g.selectedSide != SelectedSide::None;
  const SetDescription* side = g.selectedSide == SelectedSide::New   ? &s.NewSet
                               : g.selectedSide == SelectedSide::Old ? &s.OldSet
                                                                     : nullptr;
  g.fileOperations = side && side->Kind == SetKind::Directory;
}

void ForgetPointedEntry(GridPointer& g) {
  g.pointed = {};
  g.informations = false;
  g.openFile = false;
}

}  // namespace quorvane
