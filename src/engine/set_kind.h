#pragma once
// Which kind of set a chosen file name stands for, and which checksum width that kind
// carries: 16 for the LHA, ZOO and ARC families (CRC-16), 32 for everything else.
#include <string_view>

#include "engine/checksum_kind.h"
#include "engine/set_kind_code.h"

namespace quorvane {

// A path beginning with this text is classified by its extension alone, never looked
// up on disk (the command line's archive-kind override uses it).
inline constexpr std::string_view kExtensionOnlyMarker = "_$#_DmY_#$_.";

// The kind of set a path names: a path that is no existing file is a Directory; otherwise
// its extension decides: ".LST"/".SNP" Snapshot, ".ARJ" Arj, ".ACE" Ace, ".RAR" Rar,
// ".ZIP"/".JAR"/".EXE" Zip, ".LZH"/".PAK"/".LHA" Lha, ".ZOO" Zoo, ".ARC" Arc, else Directory.
// When checksumWidth is given it receives Crc16 for Lha, Zoo and Arc, otherwise Crc32.
SetKind SetKindOf(std::string_view path, ChecksumKind* checksumWidth = nullptr);

// The archive kind of a bare extension (".zip"): Zip for ZIP/JAR, Rar, Ace, Arj,
// Lha for LZH/PAK/LHA, Zoo, Arc; Nothing for anything else (".EXE", ".SNP", ".LST" included)
// and for texts shorter than two characters. The first character is taken as the dot;
// the rest is compared without regard to letter case. When checksumWidth is given it
// receives Crc16 for Lha, Zoo and Arc, otherwise Crc32.
SetKind ArchiveKindOfExtension(std::string_view extension, ChecksumKind* checksumWidth = nullptr);

}  // namespace quorvane
