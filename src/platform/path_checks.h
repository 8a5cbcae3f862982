#pragma once
// Questions asked about a path before anything is read from it or written to it.
#include <string>

namespace quorvane::platform {

// Whether both paths exist and name the same file (device and inode, links followed).
bool sameExistingFile(const std::string& first, const std::string& second);

// Whether the directory can be opened for listing (it may exist and still refuse).
bool directoryCanBeListed(const std::string& nativePath);

// The system's reason why the path cannot be opened for reading (a directory is opened
// for listing), e.g. "No such file or directory"; empty when it can be.
std::string openFailureReason(const std::string& nativePath);

}  // namespace quorvane::platform
