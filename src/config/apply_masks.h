#pragma once
// The file-name masks in force, made from the Options dialog's include and exclude texts.
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "engine/file_mask.h"
#include "platform/user_interface.h"

namespace quorvane {

// A mask the mask objects refuse: one that holds a path separator ("/" or "\") or a
// control character, since it is matched against file names only and could never match.
bool MaskRejected(std::string_view mask);

// Sets the include mask from settings.IncludeMask (trimmed; empty becomes "*.*") and the
// exclude masks from the ";"-separated settings.ExcludeMask. A rejected include mask
// resets field and mask to "*.*"; a rejected exclude piece empties the exclude field and
// discards every exclude mask. Both are reported in an error box and kept in
// masks.Refused (which holds only this call's refusals). Pieces beyond the 32 mask places
// are ignored, with a warning.
void ApplyMasks(Settings& settings, FileMasks& masks, platform::UserInterface& ui);

// The exclude masks in force, as their mask texts joined with ";".
std::string ExcludeMaskText(const FileMasks& masks);

}  // namespace quorvane
