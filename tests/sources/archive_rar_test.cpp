#include "sources/archive/rar_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sources/archive/rar_unicode_name.h"
#include "support/archive_bytes.h"

namespace quorvane {
namespace {

using test::BuildRar;
using test::RarBlock;
using test::RarMember;

struct Listing {
  std::vector<TArchiveItem> items;
  std::string error;
};

Listing listRar(const std::string& bytes, bool strict = true) {
  Listing out;
  try {
    TRARFile rar(std::make_unique<MemoryByteSource>(bytes), "mem.rar", strict);
    TArchiveItem item;
    for (int i = rar.FindFirst("*.*", 0xFF, item); i != -1; i = rar.FindNext(item)) out.items.push_back(item);
  } catch (const eArchiveError& e) {
    out.error = e.what();
  }
  return out;
}

std::vector<std::string> names(const Listing& l) {
  std::vector<std::string> out;
  for (const TArchiveItem& i : l.items) out.push_back(i.Name);
  return out;
}

TEST(RarReader, ListsFileBlocksOverPackedData) {
  const Listing l = listRar(BuildRar({
      {.name = "exe\\test.exe", .size = 45056, .packedSize = 300, .crc = 0xCFB109C8, .time = 0x544E4CCA},
      {.name = "readme.txt", .size = 4, .packedSize = 4, .crc = 0x7E3265A8, .attributes = 0x21},
  }));
  ASSERT_EQ(l.error, "");
  ASSERT_EQ(l.items.size(), 2u);
  EXPECT_EQ(l.items[0].Name, "exe\\test.exe");
  EXPECT_EQ(l.items[0].Size, 45056u);
  EXPECT_EQ(l.items[0].CRC, 0xCFB109C8u);
  EXPECT_EQ(l.items[0].Time, 0x544E4CCAu);
  EXPECT_EQ(l.items[0].Attr, 0x20);
  EXPECT_EQ(l.items[1].Attr, 0x21);
}

TEST(RarReader, ReadsTheOptionalFieldsOfFileBlocks) {
  std::string extendedTime;
  test::putLE16(extendedTime, 0xF000 | 0x0300);  // mtime with 3 extra bytes, ctime without
  extendedTime += std::string(3, 'm') + std::string(4, 'c');
  const Listing l = listRar(BuildRar({
      {.name = "huge.bin", .size = 0x123456789ULL, .packedSize = 3, .flags = 0x8100},
      {.name = "salted.txt", .size = 16, .packedSize = 32, .flags = 0x8424},
      {.name = "timed.txt", .size = 1, .flags = 0x9000, .extendedTime = extendedTime},
      {.name = "last.txt", .size = 2},
  }));
  ASSERT_EQ(l.error, "");
  EXPECT_EQ(names(l), (std::vector<std::string>{"huge.bin", "salted.txt", "timed.txt", "last.txt"}));
  EXPECT_EQ(l.items[0].Size, 0x123456789ULL);
}

TEST(RarReader, ConvertsUnixAttributes) {
  const struct {
    std::uint32_t mode;
    std::uint8_t attributes;
  } cases[] = {{0100644, 0x00}, {0100444, 0x01}, {040755, 0x10}, {040555, 0x11}, {0120777, 0x00}, {0100200, 0x00}};
  for (const auto& c : cases) {
    const Listing l = listRar(BuildRar({{.name = "x", .host = 3, .attributes = c.mode}}));
    ASSERT_EQ(l.items.size(), 1u) << std::oct << c.mode;
    EXPECT_EQ(l.items[0].Attr, c.attributes) << std::oct << c.mode;
  }
}

TEST(RarReader, SkipsOtherBlocksByTheirAddedSize) {
  std::string bytes = BuildRar({{.name = "one", .packedSize = 2}}, 0, false);
  bytes += RarBlock(0x77, 0x8000, std::string("\x08\0\0\0", 4), std::string(8, 'o'));  // old Unix owner
  bytes += RarBlock(0x7A, 0x8000, std::string("\x05\0\0\0CMT", 7), std::string(5, 'c'));
  bytes += RarBlock(0x75, 0x0000, "comment");
  bytes += BuildRar({{.name = "two"}}).substr(20);  // a file block and the end block
  EXPECT_EQ(names(listRar(bytes)), (std::vector<std::string>{"one", "two"}));
}

TEST(RarReader, ReadsACommentInsideTheArchiveHeader) {
  // RAR 1.5 to 2.x keep the archive comment inside the archive header: its size counts.
  std::string bytes = test::RarMarker() + RarBlock(0x73, 0x0002, std::string(6, '\0') + RarBlock(0x75, 0, "hello"));
  bytes += BuildRar({{.name = "FILE1.TXT", .size = 7}}).substr(20);
  EXPECT_EQ(names(listRar(bytes)), (std::vector<std::string>{"FILE1.TXT"}));
}

TEST(RarReader, DecodesUnicodeNames) {
  // "тест.txt": OEM "????.txt", NUL, high byte 0x04, four units with it, then a run of
  // four OEM bytes.
  const std::string cyrillic = std::string("????.txt\0\x04\x55\x42\x35\x41\x42\xC0\x02", 17);
  EXPECT_EQ(DecodeRarUnicodeName(cyrillic), "\xD1\x82\xD0\xB5\xD1\x81\xD1\x82.txt");
  const struct {
    std::string field;
    std::string expected;
  } cases[] = {
      {"plain", "plain"},                                    // no NUL: UTF-8 (or OEM)
      {"caf\xC3\xA9", "caf\xC3\xA9"},
      {std::string("ab\0", 3), "ab"},                        // nothing encoded: the OEM name
      {std::string("ab\0\x00\x80", 5), "ab"},                // a run cut short
      {std::string("abc\0\x00\x00\x61\x62", 8), "ab"},        // units 0 + byte
      {std::string("x\0\x00\xC0\x85\x01", 6), "y\x01\x01\x01\x01\x01\x01"},  // corrected run past the OEM name
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeRarUnicodeName(c.field), c.expected) << testing::PrintToString(c.field);

  const Listing l = listRar(BuildRar({{.name = cyrillic, .flags = 0x8200}, {.name = "caf\x82", .flags = 0x8000}}));
  EXPECT_EQ(names(l), (std::vector<std::string>{"\xD1\x82\xD0\xB5\xD1\x81\xD1\x82.txt", "caf\xC3\xA9"}));
}

TEST(RarReader, RefusesWhatItCannotRead) {
  std::string rar5 = std::string("Rar!\x1A\x07\x01\x00", 8) + std::string(40, '\0');
  std::string noArchiveHeader = test::RarMarker() + RarBlock(0x74, 0, std::string(30, '\0'));
  const struct {
    const char* what;
    std::string bytes;
    bool strict;
    std::string message;
  } cases[] = {
      {"RAR5", rar5, true, "RAR Marker block not found in : \rmem.rar"},
      {"not RAR", std::string(40, 'x'), true, "RAR Marker block not found in : \rmem.rar"},
      {"no archive header", noArchiveHeader, true, "RAR archive header not found in : \rmem.rar"},
      {"no archive header, not strict", noArchiveHeader, false, ""},
      {"encrypted headers", BuildRar({{.name = "x"}}, 0x0080), true,
       "RAR archive with encrypted headers cannot be listed : \rmem.rar"},
      {"name of 2048 bytes", BuildRar({{.name = std::string(2048, 'n')}}), true,
       "File name of 2048 bytes or more in : \rmem.rar"},
      {"marker only", test::RarMarker() + "x", true, "Error in RAR file, archive damaged or truncated"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(listRar(c.bytes, c.strict).error, c.message) << c.what << (c.strict ? " (strict)" : "");
}

constexpr const char* kDamaged = "Error in RAR file, archive damaged or truncated";

TEST(RarReader, RefusesDamagedOrTruncatedArchives) {
  const std::string good = BuildRar({{.name = "a", .packedSize = 10}, {.name = "b", .packedSize = 10}}, 0, false);
  const std::size_t second = good.rfind(RarBlock(0x74, 0x8000, "").substr(2, 3));  // type and flags of "b"
  std::string tinyHeader = good;
  tinyHeader[second - 2 + 5] = 3;  // header size 3
  tinyHeader[second - 2 + 6] = 0;
  std::string overrun = good;
  overrun[second - 2 + 5] = 10;  // fields larger than the header
  std::string badCrc = good;
  badCrc[second - 2] ^= 0x40;
  // A header CRC made to match a header whose fields overrun it.
  std::string body(25, '\0');
  body[19] = 20;  // a name of 20 bytes in a header with room for none
  const std::string nameOverrun = BuildRar({{.name = "a"}}, 0, false) + RarBlock(0x74, 0x8000, body);
  const struct {
    const char* what;
    std::string bytes;
    std::vector<std::string> names;
    std::string error;
  } cases[] = {
      {"complete, no end block", good, {"a", "b"}, ""},
      {"garbage after the end block", BuildRar({{.name = "a"}}) + std::string(50, '\xFF'), {"a"}, ""},
      {"truncated in packed data", good.substr(0, good.size() - 5), {"a"}, kDamaged},
      {"truncated in a header", good.substr(0, second + 10), {"a"}, kDamaged},
      {"a partial header after the last block", good + std::string(3, '\0'), {"a", "b"}, kDamaged},
      {"header size below 7", tinyHeader, {"a"}, kDamaged},
      {"fields overrun the header", overrun, {"a"}, kDamaged},
      {"header CRC", badCrc, {"a"}, kDamaged},
      {"name overruns the header", nameOverrun, {"a"}, kDamaged},
      {"archive header cut", good.substr(0, 12), {}, kDamaged},
  };
  for (const auto& c : cases) {
    const Listing l = listRar(c.bytes);
    EXPECT_EQ(l.error, c.error) << c.what;
    EXPECT_EQ(names(l), c.names) << c.what;
  }
}

// An archive of every kind of block, built piece by piece so that the test knows which
// bytes are headers (and their CRC-covered data) and which are packed data.
struct Piece {
  std::string bytes;
  std::size_t headerLength;  // the bytes a header CRC covers; the rest is packed data
};

std::vector<Piece> everyKindOfBlock() {
  std::string extendedTime;
  test::putLE16(extendedTime, 0xF000 | 0x0300);
  extendedTime += std::string(3, 'm') + std::string(4, 'c');
  const auto file = [](const RarMember& m) {
    const std::string block = BuildRar({m}, 0, false).substr(20);
    return Piece{block, block.size() - static_cast<std::size_t>(m.packedSize)};
  };
  const std::string owner = RarBlock(0x77, 0x8000, std::string("\x06\0\0\0", 4), "root00");
  const std::string comment = RarBlock(0x7A, 0x8000, std::string("\x05\0\0\0CMT", 7), "ccccc");
  const std::string end = RarBlock(0x7B, 0x4000, "");
  return {
      {test::RarMarker() + RarBlock(0x73, 0, std::string(6, '\0')), 20},
      file({.name = "dir\\plain.txt", .size = 5, .packedSize = 7}),
      file({.name = "huge.bin", .size = 0x123456789ULL, .packedSize = 3, .flags = 0x8100}),
      {owner, owner.size()},
      file({.name = "salted.txt", .size = 16, .packedSize = 9, .flags = 0x8424}),
      {comment, comment.size() - 5},
      file({.name = "timed.txt", .size = 1, .packedSize = 1, .flags = 0x9000, .extendedTime = extendedTime}),
      {end, end.size()},
  };
}

TEST(RarReader, EveryCutAndEveryFlippedHeaderByteIsDamage) {
  const std::vector<Piece> pieces = everyKindOfBlock();
  std::string whole;
  std::vector<bool> inHeader;
  std::vector<std::size_t> boundaries;  // where a block ends
  for (const Piece& p : pieces) {
    whole += p.bytes;
    inHeader.insert(inHeader.end(), p.headerLength, true);
    inHeader.insert(inHeader.end(), p.bytes.size() - p.headerLength, false);
    boundaries.push_back(whole.size());
  }
  const Listing full = listRar(whole);
  ASSERT_EQ(full.error, "");
  ASSERT_EQ(names(full), (std::vector<std::string>{"dir\\plain.txt", "huge.bin", "salted.txt", "timed.txt"}));

  for (std::size_t cut = 8; cut < whole.size(); ++cut) {
    const Listing l = listRar(whole.substr(0, cut));
    const bool atBoundary = std::find(boundaries.begin(), boundaries.end(), cut) != boundaries.end();
    EXPECT_EQ(l.error, atBoundary ? "" : kDamaged) << "cut at " << cut << " of " << whole.size();
  }
  for (std::size_t at = 0; at < whole.size(); ++at) {
    for (const unsigned char mask : {0x01, 0x80}) {
      std::string flipped = whole;
      flipped[at] = static_cast<char>(flipped[at] ^ mask);
      const Listing l = listRar(flipped);
      // Old versions left the header CRC of authenticity blocks (0x76) unset, so it is not
      // checked: a type byte flipped into 0x76 makes a block that is passed over.
      const bool authenticity = static_cast<unsigned char>(flipped[at]) == 0x76 && whole[at] == 0x77;
      const std::string expected =
          at < 7 ? "RAR Marker block not found in : \rmem.rar" : inHeader[at] && !authenticity ? kDamaged : "";
      EXPECT_EQ(l.error, expected) << "byte " << at << " flipped by " << int{mask} << " of " << whole.size();
    }
  }
}

// RAR 1.5 to 2.x: the CRC of an archive header with a comment covers its first 13 bytes,
// that of a file header with a comment ends with the name; the comment blocks inside
// carry their own CRC.
TEST(RarReader, ChecksHeadersWithCommentsOverTheirFixedPart) {
  std::string fileBody;
  test::putLE32(fileBody, 0);  // packed
  test::putLE32(fileBody, 7);  // unpacked
  fileBody += std::string("\0\0\0\0\0\x8F\x52\x6F\x58\x0F\x30", 11);
  test::putLE16(fileBody, 9);
  test::putLE32(fileBody, 0x20);
  fileBody += "FILE1.TXT" + RarBlock(0x75, 0, "a file comment");
  const std::string archive = test::RarMarker() +
                              RarBlock(0x73, 0x0002, std::string(6, '\0') + RarBlock(0x75, 0, "archive comment")) +
                              RarBlock(0x74, 0x8008, fileBody);
  EXPECT_EQ(names(listRar(archive)), (std::vector<std::string>{"FILE1.TXT"}));
  const std::size_t fileStart = archive.size() - fileBody.size() - 7;
  const struct {
    const char* what;
    std::size_t at;
    std::string error;
  } cases[] = {
      {"archive header's fixed part", 7 + 8, kDamaged},
      {"archive comment", 7 + 20, ""},
      {"file header's name", fileStart + 33, kDamaged},
      {"file comment", archive.size() - 2, ""},
  };
  for (const auto& c : cases) {
    std::string flipped = archive;
    flipped[c.at] ^= 1;
    EXPECT_EQ(listRar(flipped).error, c.error) << c.what;
  }
}

}  // namespace
}  // namespace quorvane
