#pragma once
// Reading an archive (set kinds 1 ZIP, 2 RAR, 4 ARJ) as a set: every file member goes
// through AddFile with its CRC-32, DOS time, size and attributes; nothing is unpacked.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/comparison.h"
#include "sources/archive/archive_file.h"

namespace quorvane {

// The reader for a set kind, opened on path: ZIP not strict, RAR and ARJ strict. Any
// other kind raises Exception "Error unsupported archive type"; the readers raise their
// eArchiveError family.
std::unique_ptr<TArchiveFile> OpenArchiveOfKind(SetKind kind, const std::string& path);

// Members whose attributes leave the mask (0xE1, plus SpecialAttr when SpecialAlsoArc is
// on) and directory entries are skipped; members below a directory set the subdirectories
// warning and are read only with Recurse. Paths are rewritten as the directory scanner's
// are, then pass the file masks.
void ReadArchiveSet(Comparison& c, Side side);

}  // namespace quorvane
