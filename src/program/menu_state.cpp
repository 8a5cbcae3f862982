#include "program/menu_state.h"

namespace quorvane {

MenuState MenuStateOf(const Program& p, const GridPointer& g, const DialogsAvailable& d) {
  MenuState m;
  if (p.runInProgress) return m;  // only Quit, which asks the run to stop
  const RunState& s = p.comparison.State;
  const CommandState& cmd = s.Commands;
  const bool results = s.DiffInMemory;
  const bool shown = cmd.GridVisible && p.comparison.Display.Count() > 0;

  m.openSets = true;
  m.includeExclude = d.includeExclude;
  m.saveNewSnapshot = m.saveNewBatch = results && cmd.SaveNewListing;
  m.saveOldSnapshot = m.saveOldBatch = results && cmd.SaveOldListing && !s.SnapshotMode;
  m.saveDiff = m.printDiff = results && cmd.SaveDiff && !s.SnapshotMode;

  m.compare = cmd.Compare;
  m.takeSnapshot = true;  // without a New set it says what to do
  m.status = true;
  m.resetDiff = cmd.ResetDiff;
  m.sortBy = results;  // a sort rebuilds the display index from the file list
  m.sortMenu = cmd.SortMenu;
  m.checkMoved = results && cmd.CheckMoved && !s.SnapshotMode;
  m.synchronize = d.synchronize && results && cmd.Synchronize;
  m.fileOperations = d.fileOperations && shown && g.fileOperations;
  m.viewLog = d.viewLog;

  m.editMenu = cmd.EditMenu && shown;
  m.copy = m.editMenu;
  m.search = m.searchNext = d.search && m.editMenu;
  m.information = d.fileInformation && m.editMenu;  // the first selected row, pointed or not
  m.popupInformations = m.information && g.informations;
  m.openFile = d.openFile && m.editMenu && g.openFile;
  m.userTool = d.userTool && m.editMenu && g.openFile;

  m.options = d.options;

  m.popupOpenFile = m.openFile;
  m.popupUserTool = m.userTool;
  m.popupCopy = shown && g.copy;
  m.removeFromList = shown;
  m.popupSynchronize = m.synchronize;
  m.popupFileOperations = m.fileOperations;
  m.popupSearch = m.search;
  return m;
}

}  // namespace quorvane
