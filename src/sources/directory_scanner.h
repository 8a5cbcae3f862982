#pragma once
#include <string>

#include "engine/comparison.h"

namespace quorvane {

// Reads the directory tree below root + relativeStart (held form, "" for the root) as
// the side's set: a directory's own files first, in the file system's order, then its
// subdirectories in the order met. Each file that passes the attribute rules and the
// masks goes through the checksum and AddFile. A directory already being walked (a
// symlink loop) is never entered again; a name holding "\" cannot be held and is
// counted in FilesSkipped.
void ScanDirectoryTree(Comparison& c, Side side, const std::string& root, const std::string& relativeStart);

}  // namespace quorvane
