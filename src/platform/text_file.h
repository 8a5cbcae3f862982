#pragma once
#include <functional>
#include <string>
#include <vector>

namespace quorvane::platform {

// Reads the first line of a regular file (without its CR LF or LF, at most maxBytes).
// False when the path is not a readable regular file.
bool readFirstLine(const std::string& nativePath, std::string& line, std::size_t maxBytes = 4096);

}  // namespace quorvane::platform

namespace quorvane::platform {

// Hands the lines of a regular file (CR LF or LF ends, without them) to visit, in order,
// until visit returns false or the file ends. A line longer than maxLineBytes is handed
// over cut to that length with cut set, and the rest of it is passed over; so memory
// stays bounded whatever the file holds (a sparse file, a file without line ends). False
// when the path is not a readable regular file or a read fails.
bool visitLines(const std::string& nativePath, std::size_t maxLineBytes,
                const std::function<bool(const std::string& line, bool cut)>& visit);

// All lines of a text file (CR LF or LF ends, without them). False when unreadable.
bool readLines(const std::string& nativePath, std::vector<std::string>& lines);

// Whether anything exists at the path (file, directory, or symlink, even broken).
bool pathExists(const std::string& nativePath);

}  // namespace quorvane::platform
