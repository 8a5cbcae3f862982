#pragma once
// Choosing a set: the four set buttons, their menu items, the history pop-up and a drop.
// Changes: the side's set description and label (SetSelection), and discards the shown
// results (the file list and the display index are emptied); after a finished comparison
// a choice from a dialog or the history pop-up empties the other side too, starting a new
// pair, while a drop replaces one side only. Raises resultsChanged and commandsChanged
// (Diff becomes available once both sides are chosen). Does nothing while a run is in
// progress.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/side.h"
#include "program/program.h"

namespace quorvane {

// A directory as the side's set.
void ChooseSetDirectory(Program& program, Side side, const std::string& path);

// An archive or snapshot file as the side's set; its kind comes from the extension, or
// from the file type chooser when the extension says nothing. A snapshot that cannot be
// read, or an unsupported archive kind, is reported (message) and leaves the side as it
// was. Returns whether the set was chosen.
bool ChooseSetFile(Program& program, Side side, const std::string& path);

// The set buttons, by their tags: 0 New directory, 1 New archive or snapshot, 2 Old
// directory, 3 Old archive or snapshot.
enum class SetButton { NewDirectory = 0, NewFile = 1, OldDirectory = 2, OldFile = 3 };

// "New Dir" / "Old Dir": the directory dialog titled "Please select NEW directory" (or
// OLD), opened at the side's last folder: the system's with Win95Dirs, else the program's
// directory chooser, whose selected subdirectories then fill the include-directory list. On OK the directory becomes the set and the top
// of the directory history; the include-directory list is cleared first after a finished
// comparison (ClearIncludeDirs) and afterwards unless SelectIncludeDirs keeps it; on
// Cancel it is restored. The history lists are saved.
void ChooseDirectoryByDialog(Program& program, Side side);

// "New Arc" / "Old Arc": the open-file dialog titled "Open New archive/snapshot" (or Old)
// with the filters of ArchiveFileFilters(), then as ChooseDirectoryByDialog with the
// file history.
void ChooseFileByDialog(Program& program, Side side);

// The open-file dialog's filters: all known files, each kind, snapshots, all files.
const std::vector<std::string>& ArchiveFileFilters();

// The history pop-up of a set button: the directory history for the directory buttons,
// the file history for the archive buttons, most recent first.
const std::vector<std::string>& HistoryOfButton(const Program& program, SetButton button);

// An entry of that pop-up chosen: the set of the button's side, a new pair after a
// finished comparison. The history is neither reordered nor saved.
void ChooseFromHistory(Program& program, SetButton button, std::size_t entry);

// Names dropped on the main window at horizontal position x of a window `width` wide:
// the left half chooses the New set, the right half the Old set; within 32 pixels of the
// middle nothing is chosen and the user is told. One directory is the set; several
// directories make the folder holding the first one the set and become the
// include-directory list; a file is an archive or snapshot set. Only the dropped side
// changes. The history lists are saved.
void DropOnWindow(Program& program, int x, int width, const std::vector<std::string>& names);

}  // namespace quorvane
