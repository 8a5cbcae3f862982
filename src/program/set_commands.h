#pragma once
// Choosing a set: the four set buttons, their menu items, the history pop-up and a drop.
// Changes: the side's set description and label (SetSelection), and discards the shown
// results (the file list and the display index are emptied); after a finished comparison
// the other side is emptied too, starting a new pair. Raises resultsChanged and
// commandsChanged (Diff becomes available once both sides are chosen). Does nothing while
// a run is in progress.
#include <string>

#include "program/program.h"

namespace quorvane {

// A directory as the side's set.
void ChooseSetDirectory(Program& program, Side side, const std::string& path);

// An archive or snapshot file as the side's set; its kind comes from the extension, or
// from the file type chooser when the extension says nothing. A snapshot that cannot be
// read, or an unsupported archive kind, is reported (message) and leaves the side as it
// was. Returns whether the set was chosen.
bool ChooseSetFile(Program& program, Side side, const std::string& path);

}  // namespace quorvane
