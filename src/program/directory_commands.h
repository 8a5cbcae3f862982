#pragma once
// The program's directory chooser and include/exclude directories editor over the
// program's two directory lists.
#include <optional>
#include <string>
#include <string_view>

#include "platform/user_interface.h"
#include "program/program.h"

namespace quorvane {

// Where the chooser is asked for.
enum class DirectoryChoice {
  SetSelection,  // a set's directory: "Single-click includes only selected subdirs" offered
  Target,        // a target directory: the box hidden
};

// The directory chooser with that caption, opened at the start folder (one that cannot be
// opened is ignored). For a set selection the box starts as SelectIncludeDirs and its
// state is kept there, and after OK in multi-select mode the selected subdirectories are
// merged into the include-directory list. Returns the chosen directory, or nothing for
// Cancel.
std::optional<std::string> ChooseWithDirectoryChooser(Program& program, std::string_view caption,
                                                      std::string_view startFolder, DirectoryChoice use);

// "Include / Exclude &directories...": the editor on the include- and exclude-directory
// lists; OK replaces both (the indicators are refreshed). Returns the editor's answer.
platform::DialogChoice EditDirectoryLists(Program& program);

}  // namespace quorvane
