#pragma once
// The entry under the cursor and the selected side: what the main window keeps between a
// click (or a key) in the grid and the commands that act on one entry or one side, and
// which of those commands it enables.
#include <cstdint>
#include <string>

#include "engine/comparison.h"
#include "program/list_commands.h"

namespace quorvane {

struct PointedEntry {
  const FileEntry* entry = nullptr;  // none
  std::int32_t row = 0;              // grid row (1 = the first display-index entry)
  int column = 0;
  bool newSide = true;  // New when a New column was pointed, or in snapshot mode
  bool openable = false;  // the pointed side's set is a directory: the file can be opened
};

struct GridPointer {
  PointedEntry pointed;
  SelectedSide selectedSide = SelectedSide::None;
  std::string popupFileName = "<no file selected>";  // LPopupFileName
  // Commands enabled by the pointed entry and the selected side.
  bool informations = false;
  bool openFile = false;   // "Open file..." and "User tool..."
  bool copy = false;
  bool fileOperations = false;
};

// A mouse-down on (or a key-up with the current cell at) grid row `row` and column
// `column` (0: the header row and the row-number column), with the grid selection's left
// and right columns. A click on the header or the row numbers points at nothing and
// leaves the rest as it was; otherwise the pointed entry, the selected side, the file
// name shown and the enabled commands follow the cell. An entry of an archive or
// snapshot can be shown (Informations) but not opened.
void PointAt(GridPointer& pointer, const Comparison& c, std::int32_t row, int column, int selectionLeft,
             int selectionRight);

// The display index was emptied or rebuilt: the pointed entry is none (and the commands on
// it disabled) until the next click or key; the selected side and the file name shown stay.
void ForgetPointedEntry(GridPointer& pointer);

}  // namespace quorvane
