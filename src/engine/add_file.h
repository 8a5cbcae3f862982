#pragma once
#include "engine/comparison.h"

namespace quorvane {

// The single step through which every set reader delivers a file: the reader has written
// the path and the side's fields into c.Scan. Applies the include/exclude directories and
// the extension aliases, then merges an Old file into the New entry of exactly its path
// or stores a new entry. Two files of one side with one path are duplicates: the first
// stays, the second is counted (and, when the path was rewritten, warned of with
// WarnDup); paths differing only in letter case are two entries. An Old file with no
// exact partner but a New entry equal to it when folded waits in c.PendingOld for
// PairPendingOldFiles. Throws FatalError past the maximum file count.
void AddFile(Comparison& c, Side side);

// Once the whole Old set has been read: each waiting Old file, taken in file-list order
// of its own path, merges with the first New entry in file-list order that is equal to it
// when ASCII letters are folded and has no Old partner; the others become Deleted entries.
// The result depends neither on the order the files were read in nor on the order of
// the calls. Throws FatalError past the maximum file count.
void PairPendingOldFiles(Comparison& c);

}  // namespace quorvane
