#pragma once
// After a run has read its sets: the include directories that were found nowhere, so that
// a mistyped `--IncludeDirs:` entry never passes for a directory without differences.
#include "engine/comparison.h"

namespace quorvane {

// Adds a problem to c.Problems for each include directory found in none of the sets the
// run read (the New set, and the Old set unless in snapshot mode). A directory set holds
// it when root + directory opens as a directory; an archive or snapshot set when some
// path read from it (an entry of the file list) lies below it, letters compared as
// AddFile compares them (ASCII case folded).
void NoteIncludeDirsNotFound(Comparison& c);

}  // namespace quorvane
