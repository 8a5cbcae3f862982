#pragma once
// Desktop entries (the .desktop files of installed applications): finding one by its id
// in the XDG data folders and reading the program of its Exec key.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::platform {

// The Exec key of the [Desktop Entry] group of a desktop file's text, with its field
// codes (%f %F %u %U %i %c %k and the deprecated ones) removed and "%%" made "%", trimmed;
// none when the group has no Exec or it is empty.
std::optional<std::string> DesktopEntryProgram(std::string_view fileText);

// The folders searched for desktop entries, in order: $XDG_DATA_HOME/applications (default
// ~/.local/share/applications), then each of $XDG_DATA_DIRS (default
// /usr/local/share:/usr/share) followed by /applications.
std::vector<std::string> DesktopEntryFolders();

// The path of the desktop entry with the id (e.g. "org.gnome.gedit.desktop"); an id with
// "-" may also name a file in a subfolder ("kde-foo.desktop" is kde/foo.desktop). None
// when no folder holds it.
std::optional<std::string> FindDesktopEntry(std::string_view id, const std::vector<std::string>& folders);

}  // namespace quorvane::platform
