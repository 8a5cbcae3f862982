#pragma once
#include <string>
#include <vector>

namespace quorvane::platform {

// Reads the first line of a regular file (without its CR LF or LF, at most maxBytes).
// False when the path is not a readable regular file.
bool readFirstLine(const std::string& nativePath, std::string& line, std::size_t maxBytes = 4096);

}  // namespace quorvane::platform

namespace quorvane::platform {

// All lines of a text file (CR LF or LF ends, without them). False when unreadable.
bool readLines(const std::string& nativePath, std::vector<std::string>& lines);

// Whether anything exists at the path (file, directory, or symlink, even broken).
bool pathExists(const std::string& nativePath);

}  // namespace quorvane::platform
