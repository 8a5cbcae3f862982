#pragma once
// Writing a small file so that a crash or a full disk never leaves it truncated.
#include <string>
#include <string_view>

namespace quorvane::platform {

// Writes the contents to a temporary file beside the target, flushes it to the disk and
// renames it over the target. When the target is a symbolic link, the file it points to
// is replaced and the link stays. Missing parent directories are created. The target
// keeps its permission bits (a new file gets 0666 less the umask). On failure the former
// target is intact, the temporary file is gone, and the reason is put in *error.
bool replaceFileContents(const std::string& path, std::string_view contents, std::string* error = nullptr);

// The file a path finally names, following symbolic links (the path itself when it does
// not exist yet or is no link; a dangling link gives the missing file it names).
std::string finalLinkTarget(const std::string& path);

// Reads a whole file. False when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& contents);

}  // namespace quorvane::platform
