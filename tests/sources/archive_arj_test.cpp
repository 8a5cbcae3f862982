#include "sources/archive/arj_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dos_time.h"
#include "support/archive_bytes.h"

namespace quorvane {
namespace {

using test::ArjMember;
using test::BuildArj;

struct Listing {
  std::vector<TArchiveItem> items;
  std::string error;
};

Listing listArj(const std::string& bytes, std::uint8_t attributes = 0xFF) {
  Listing out;
  try {
    TARJFile arj(std::make_unique<MemoryByteSource>(bytes), "mem.arj", true);
    TArchiveItem item;
    for (int i = arj.FindFirst("*.*", attributes, item); i != -1; i = arj.FindNext(item)) out.items.push_back(item);
  } catch (const eArchiveError& e) {
    out.error = e.what();
  }
  return out;
}

TEST(ArjReader, ListsLocalHeadersOverCompressedData) {
  const Listing l = listArj(BuildArj({
      {.name = "EXE/TEST.EXE", .size = 45056, .compressedSize = 100, .crc = 0xCFB109C8, .time = 0x58779997},
      {.name = "TECT.TXT", .size = 15498, .compressedSize = 7, .crc = 0x9BD160FA, .mode = 0x21},
      {.name = "EXE", .mode = 0x10, .fileType = 3},
      {.name = "WITHEXT.TXT", .size = 1, .compressedSize = 1, .extendedHeader = "extended"},
  }));
  ASSERT_EQ(l.error, "");
  ASSERT_EQ(l.items.size(), 4u);
  EXPECT_EQ(l.items[0].Name, "EXE\\TEST.EXE");
  EXPECT_EQ(l.items[0].Size, 45056u);
  EXPECT_EQ(l.items[0].CRC, 0xCFB109C8u);
  EXPECT_EQ(l.items[0].Time, 0x58779997u);
  EXPECT_EQ(l.items[0].Attr, 0x20);
  EXPECT_EQ(l.items[1].Attr, 0x21);
  EXPECT_EQ(l.items[2].Attr, 0x10);
  EXPECT_EQ(l.items[3].Name, "WITHEXT.TXT");
}

TEST(ArjReader, ConvertsTimeAndModeOfArchivesMadeOnUnix) {
  // 2024-03-15 10:20:31 UTC as a time_t; tests run with TZ=UTC. Mode 0x11A4 (0100644):
  // read as DOS bits its low byte would carry the system bit and hide the file.
  const Listing l = listArj(BuildArj({
      {.name = "tree/readme.txt", .time = 0x65F420EF, .host = 2, .mode = 0100644},
      {.name = "tree/readonly.txt", .time = 0x65F420EE, .host = 2, .mode = 0100444},
      {.name = "tree/docs", .time = 0x65F420EE, .host = 2, .mode = 040755, .fileType = 3},
  }, 2), 0xE1);
  ASSERT_EQ(l.error, "");
  ASSERT_EQ(l.items.size(), 2u);  // the directory leaves the mask
  const std::uint32_t dos = platform::packDosTime({2024, 3, 15, 10, 20, 30});
  EXPECT_EQ(l.items[0].Time, dos);
  EXPECT_EQ(l.items[0].Attr, 0x00);
  EXPECT_EQ(l.items[1].Time, dos);
  EXPECT_EQ(l.items[1].Attr, 0x01);
  EXPECT_EQ(l.items[1].Name, "tree\\readonly.txt");
}

TEST(ArjReader, RefusesDamagedArchivesWithItsMessages) {
  const std::string good = BuildArj({{.name = "A.TXT", .size = 1, .compressedSize = 4}, {.name = "B.TXT"}});
  std::string badCrc = good;
  badCrc[10] ^= 1;  // inside the main header
  std::string bigMain = good;
  bigMain[2] = 0x29;  // 0x0A29 = 2601
  bigMain[3] = 0x0A;
  const std::size_t second = good.find("B.TXT") - 34;  // the id of the second local header
  std::string badId = good;
  badId[second] = 0;
  std::string bigLocal = good;
  bigLocal[second + 2] = 0x29;
  bigLocal[second + 3] = 0x0A;
  // A local header of 10 bytes with a matching CRC: its fields are cut short.
  const std::string shortLocal = good.substr(0, second) + test::ArjHeader(std::string(10, '\x1E')) + good.substr(good.size() - 4);
  std::string badLocalCrc = good;
  badLocalCrc[second + 12] ^= 1;  // the time of the second member
  std::string dataCut = BuildArj({{.name = "A.TXT", .size = 1, .compressedSize = 400}});
  dataCut.resize(dataCut.size() - 4 - 100);  // the end marker and part of the data
  const struct {
    const char* what;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"7 bytes", good.substr(0, 7), "Archive too small to contain any Signature"},
      {"not ARJ", std::string(20, 'x'), "ARJ header not found in: \rmem.arj"},
      {"main header too big", bigMain, "ARJ basic header size should be < 2600 bytes in:\rmem.arj"},
      {"main header CRC", badCrc, "ARJ header incorrect CRC in:\rmem.arj"},
      {"main header cut", good.substr(0, 20), "Error reading ARJ archive header"},
      {"local id", badId, "ARJ file header incorrect in: \rmem.arj"},
      {"local header too big", bigLocal, "ARJ basic header size should be < 2600 bytes in:\rmem.arj"},
      {"local header too small", shortLocal, "ARJ file header incorrect in: \rmem.arj"},
      {"local header CRC", badLocalCrc, "ARJ header incorrect CRC in:\rmem.arj"},
      {"compressed data cut", dataCut, "Error reading ARJ archive"},
      {"no end marker", good.substr(0, good.size() - 4), "Error reading ARJ archive"},
      {"name of 2048 bytes", BuildArj({{.name = std::string(2048, 'n')}}), "File name of 2048 bytes or more in : \rmem.arj"},
      {"complete", good, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(listArj(c.bytes).error, c.message) << c.what;
}

TEST(ArjReader, EveryCutAndEveryFlippedHeaderByteIsRefused) {
  const std::string whole = BuildArj({{.name = "DIR/A.TXT", .size = 9, .compressedSize = 6, .crc = 0x1234},
                                      {.name = "B.TXT", .size = 3, .compressedSize = 3, .host = 2, .mode = 0100644}});
  ASSERT_EQ(listArj(whole).items.size(), 2u);
  // Where each member's basic header (its CRC-covered bytes) and its data lie.
  std::vector<std::pair<std::size_t, std::size_t>> basicHeaders;
  std::vector<std::pair<std::size_t, std::size_t>> data;
  for (std::size_t at = whole.find("DIR/A.TXT") - 34, i = 0; i < 2; ++i) {
    const std::size_t size = static_cast<unsigned char>(whole[at + 2]) | static_cast<unsigned char>(whole[at + 3]) << 8;
    basicHeaders.emplace_back(at + 4, at + 4 + size);
    const std::size_t dataStart = at + 4 + size + 4 + 2;
    const std::size_t compressed = i == 0 ? 6 : 3;
    data.emplace_back(dataStart, dataStart + compressed);
    at = dataStart + compressed;
  }
  const auto within = [](const std::vector<std::pair<std::size_t, std::size_t>>& ranges, std::size_t at) {
    for (const auto& [from, to] : ranges)
      if (at >= from && at < to) return true;
    return false;
  };
  for (std::size_t cut = 8; cut < whole.size(); ++cut)
    EXPECT_NE(listArj(whole.substr(0, cut)).error, "") << "cut at " << cut << " of " << whole.size();
  for (std::size_t at = 0; at < whole.size(); ++at) {
    std::string flipped = whole;
    flipped[at] ^= 1;
    const std::string error = listArj(flipped).error;
    if (within(data, at))
      EXPECT_EQ(error, "") << "data byte " << at;
    else if (within(basicHeaders, at))
      EXPECT_EQ(error, "ARJ header incorrect CRC in:\rmem.arj") << "header byte " << at;
    else
      EXPECT_NE(error, "") << "byte " << at << " of " << whole.size();
  }
}

}  // namespace
}  // namespace quorvane
