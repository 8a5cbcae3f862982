#pragma once
// Which kind of set a chosen file name stands for, and which checksum width that kind
// carries: 16 for the LHA, ZOO and ARC families (CRC-16), 32 for everything else.
#include <cstdint>
#include <string_view>

namespace quorvane {

// A path beginning with this text is classified by its extension alone, never looked
// up on disk (the command line's archive-kind override uses it).
inline constexpr std::string_view kExtensionOnlyMarker = "_$#_DmY_#$_.";

// The kind of set a path names (SetKind values): a path that is no existing file is a
// directory (8); otherwise its extension decides: ".LST"/".SNP" 9, ".ARJ" 4, ".ACE" 3,
// ".RAR" 2, ".ZIP"/".JAR"/".EXE" 1, ".LZH"/".PAK"/".LHA" 5, ".ZOO" 6, ".ARC" 7, else 8.
// When checksumWidth is given it receives 16 for kinds 5 to 7, otherwise 32.
std::uint8_t SetKindOf(std::string_view path, std::uint8_t* checksumWidth = nullptr);

// The archive kind of a bare extension (".zip"): 1 ZIP/JAR, 2 RAR, 3 ACE, 4 ARJ,
// 5 LZH/PAK/LHA, 6 ZOO, 7 ARC, 0 for anything else (".EXE", ".SNP", ".LST" included)
// and for texts shorter than two characters. The first character is taken as the dot;
// the rest is compared without regard to letter case. When checksumWidth is given it
// receives 16 for kinds 5 to 7, otherwise 32.
std::uint8_t ArchiveKindOfExtension(std::string_view extension, std::uint8_t* checksumWidth = nullptr);

}  // namespace quorvane
