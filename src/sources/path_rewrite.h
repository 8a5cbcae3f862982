#pragma once
// The optional rewritings every set reader applies to a relative path, in this order:
// short names (none exist on Linux: SFN leaves paths as they are), 8.3 cutting
// (Strip83), then dropping the directories (NoPath).
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace quorvane {

// "LongFileName.text.bak" -> "LongFile.tex"; "Program Files\x.c" -> "Program \x.c".
std::string Strip83Path(std::string_view path);

std::string RewritePath(std::string_view path, const Settings& settings);

}  // namespace quorvane
