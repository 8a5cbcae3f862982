#pragma once
// Loading and saving the settings in Quorvane.ini. None of these raises: problems are
// reported in error boxes through the comparison's user interface, and start-up or the
// exit always goes on.
#include <functional>

#include "settings/settings.h"
#include "engine/comparison.h"
#include "platform/profile.h"
#include "platform/user_interface.h"

namespace quorvane {

// Loads every section into c.settings (with the dialogs' state it holds), the file
// list's IFilter/XFilter (when SaveFilters), the masks in force (ApplyMasks) and the
// excluded-directory list. A missing key leaves its value; a missing file changes nothing.
// The file is read once per load, through readProfile (tests hand in their own text).
using ProfileReading = std::function<platform::LoadedProfile()>;
void LoadCfg(Comparison& c, const ProfileReading& readProfile = platform::LoadedProfile::read);

// The Options dialog's Save: writes [Quorvane], [Saving], [Display] (without ColWidths),
// [Printer], [Batch], [Layout], [Tools] and [Filters]. Stops at the first key that cannot
// be written ("Error during SaveCfg"); keys already written stay written.
void SaveCfg(const Comparison& c);

// The exit save (run only while the main window exists): [WindowPos] when SaveWindowPos,
// [Display] ColWidths when SaveColWidth.
void IniFileSave(const Settings& settings, platform::UserInterface& ui);

// Reads SaveWindowPos into the settings and, when it is on, applies [WindowPos] to the
// window's current placement. Returns the placement for the window to apply and keeps it
// in settings.Window.
WindowPlacement LoadWindowPos(Settings& settings, WindowPlacement current);

}  // namespace quorvane
