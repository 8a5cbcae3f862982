#pragma once
// The set reader of snapshots (set kind 9): reads a listing written by the snapshot
// writer (or an older one in the two-digit-year layout) and hands every file line to
// AddFile, as the directory scanner does for files on disk.
#include <cstdint>
#include <string>

#include "engine/comparison.h"
#include "platform/file_reader.h"

namespace quorvane {

// Reads the side's snapshot (its set path). Throws eSnpOpen when the file cannot be
// opened (a directory, a FIFO, a missing file), eSnpHeader when its first line is not a
// snapshot header, eSnpError when no dash line or no ending line is found or the version
// number is malformed. The file is closed on every exit. What the read had to pass over
// is added to the run's problems: a line longer than the kept maximum, a line of forty
// characters or more whose size or date is not a number or that holds no name, a last
// entry without the closing dash line after it, and a ".N files listed." line whose count
// is not the number of entries read since the previous one. A listing whose ".Source ("
// line names a Linux path (beginning with "/") has its names read byte for byte.
void ReadSnapshotSet(Comparison& c, Side side);

// The same, from an open reader of a listing of `size` bytes (tests and fuzzing read
// from memory). `path` is used in messages only.
void ReadSnapshotFrom(Comparison& c, Side side, platform::FileReader& reader, std::uint64_t size,
                      const std::string& path);

}  // namespace quorvane
