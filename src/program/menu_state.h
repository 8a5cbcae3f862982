#pragma once
// Which of the main window's menu and popup entries are enabled, from the command state of
// the results, the pointed entry and selected side, and the commands whose dialogs this
// build has. The window only applies it; while a run is in progress everything but Quit
// is disabled.
#include "engine/sort_menu_state.h"
#include "program/pointed_entry.h"
#include "program/program.h"

namespace quorvane {

// The commands that need a dialog of their own; one without its dialog stays disabled
// whatever the rules say.
struct DialogsAvailable {
  bool includeExclude = false;   // "Include / Exclude &directories..."
  bool options = false;          // the Options menu's entries
  bool search = false;           // "&Search...", "Search &next"
  bool fileInformation = false;  // "Get &information...", "&Informations..."
  bool openFile = false;         // "Open &file...", "&Open file..."
  bool userTool = false;         // "&User tool..."
  bool synchronize = false;      // "&Synchronize directories..."
  bool fileOperations = false;   // "&File operations..."
  bool viewLog = false;          // "&View log"
};

struct MenuState {
  // File Set
  bool openSets = false;  // the four open entries and the two hidden "(path)" ones
  bool includeExclude = false;
  bool saveNewSnapshot = false, saveNewBatch = false, saveOldSnapshot = false, saveOldBatch = false;
  bool saveDiff = false, printDiff = false;
  bool quit = true;
  // Action
  bool compare = false, takeSnapshot = false, status = false, resetDiff = false;
  bool sortBy = false;  // the submenu; its items as SortMenuState says
  SortMenuState sortMenu;
  bool checkMoved = false, synchronize = false, fileOperations = false, viewLog = false;
  // Edit
  bool editMenu = false;
  bool copy = false, search = false, searchNext = false, information = false, openFile = false, userTool = false;
  // Options
  bool options = false;
  // The grid's popup menu
  bool popupInformations = false, popupOpenFile = false, popupUserTool = false, popupCopy = false;
  bool removeFromList = false, popupSynchronize = false, popupFileOperations = false, popupSearch = false;
};

MenuState MenuStateOf(const Program& program, const GridPointer& pointer, const DialogsAvailable& dialogs);

}  // namespace quorvane
