#pragma once
#include "engine/comparison.h"

namespace quorvane {

// The single step through which every set reader delivers a file: the reader has written
// the path and the side's fields into c.Scan. Applies the include/exclude directories and
// the extension aliases, then merges an Old file into the entry of its path or stores a
// new entry. Two files of one side with one path (after rewriting, or differing only in
// letter case) are duplicates: the first stays, the second is counted (and warned of with
// WarnDup). Throws FatalError past the maximum file count.
void AddFile(Comparison& c, Side side);

}  // namespace quorvane
