#pragma once
#include <string>

namespace quorvane::platform {

// Reads the first line of a regular file (without its CR LF or LF, at most maxBytes).
// False when the path is not a readable regular file.
bool readFirstLine(const std::string& nativePath, std::string& line, std::size_t maxBytes = 4096);

}  // namespace quorvane::platform
