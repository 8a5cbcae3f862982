#include "sources/archive/rar_file.h"

#include <gtest/gtest.h>

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
  bytes += RarBlock(0x77, 0x8000, std::string("\x08\0\0\0", 4)) + std::string(8, 'o');  // old Unix owner
  bytes += RarBlock(0x7A, 0x8000, std::string("\x05\0\0\0CMT", 7)) + std::string(5, 'c');
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
      {"marker only", test::RarMarker() + "x", true, "Error reading RAR archive"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(listRar(c.bytes, c.strict).error, c.message) << c.what << (c.strict ? " (strict)" : "");
}

TEST(RarReader, EndsQuietlyAtDamage) {
  const std::string good = BuildRar({{.name = "a", .packedSize = 10}, {.name = "b", .packedSize = 10}}, 0, false);
  const std::size_t second = good.rfind(RarBlock(0x74, 0x8000, "").substr(2, 3));  // type and flags of "b"
  std::string tinyHeader = good;
  tinyHeader[second - 2 + 5] = 3;  // header size 3
  tinyHeader[second - 2 + 6] = 0;
  std::string overrun = good;
  overrun[second - 2 + 5] = 10;  // fields larger than the header
  const struct {
    const char* what;
    std::string bytes;
    std::vector<std::string> names;
  } cases[] = {
      {"complete, no end block", good, {"a", "b"}},
      {"truncated in packed data", good.substr(0, good.size() - 5), {"a", "b"}},
      {"truncated in a header", good.substr(0, second + 10), {"a"}},
      {"header size below 7", tinyHeader, {"a"}},
      {"fields overrun the header", overrun, {"a"}},
      {"garbage after the end block", BuildRar({{.name = "a"}}) + std::string(50, '\xFF'), {"a"}},
  };
  for (const auto& c : cases) {
    const Listing l = listRar(c.bytes);
    EXPECT_EQ(l.error, "") << c.what;
    EXPECT_EQ(names(l), c.names) << c.what;
  }
}

}  // namespace
}  // namespace quorvane
