#pragma once
#include <string>

#include "engine/comparison.h"

namespace quorvane {

// Reads the directory tree below root + relativeStart (held form, "" for the root) as
// the side's set: a directory's own files first, in the file system's order, then its
// subdirectories in the order met. Each file that passes the attribute rules and the
// masks goes through the checksum and AddFile. Directories are walked and files opened
// through directory descriptors, so no path is too long to be read. A directory already
// being walked (a symlink loop) is never entered again. What cannot be compared goes to
// c.Problems: a file or directory whose name holds "\" (also counted in FilesSkipped), a
// directory that cannot be listed, an entry whose facts cannot be read, a file skipped
// because it cannot be opened or read.
void ScanDirectoryTree(Comparison& c, Side side, const std::string& root, const std::string& relativeStart);

// Caps the number of directories a scan keeps open at once, for the rest of the process
// (tests reach the reopening of directories on shallow trees); 0 or less restores the
// automatic budget, which follows the limit of open descriptors.
void SetScannerDirectoryBudget(int directories);

}  // namespace quorvane
