#pragma once
// The process's working directory, for names given relative to it on the command line.
#include <string>

namespace quorvane::platform {

// path itself when it is empty or absolute, else the working directory + "/" + path
// (path unchanged when the working directory cannot be had).
std::string absoluteFromWorkingDirectory(const std::string& path);

}  // namespace quorvane::platform
