#pragma once
#include <string>

#include "engine/comparison.h"
#include "sources/scan_target.h"

namespace quorvane {

// What a walk reads of the comparison, copied when it starts, so a walk on a worker
// thread shares nothing with the calling thread but the masks (only read) and the reader
// it makes its own readers from.
struct WalkSetup {
  std::uint8_t SpecialAttr = 0;
  bool HiddenDirs = false;
  bool Recurse = true;
  bool Quick = false;
  ChecksumKind Kind = ChecksumKind::Crc32;
  bool Snapshot = false;
  const FileMasks* Masks = nullptr;
  const platform::FileReader* Readers = nullptr;  // read-ahead workers read through Readers->another()
  unsigned WalksAtOnce = 1;                        // walks sharing the descriptors

  static WalkSetup Of(const Comparison& c);
};

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

// The same walk, reporting everything to target in the order met.
void WalkDirectoryTree(ScanTarget& target, const WalkSetup& setup, const std::string& root,
                       const std::string& relativeStart);

// Caps the number of directories a scan keeps open at once, for the rest of the process
// (tests reach the reopening of directories on shallow trees); 0 or less restores the
// automatic budget, which follows the limit of open descriptors.
void SetScannerDirectoryBudget(int directories);

}  // namespace quorvane
