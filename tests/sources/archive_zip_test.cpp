#include "sources/archive/zip_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dos_time.h"
#include "support/archive_bytes.h"

namespace quorvane {
namespace {

using test::BuildZip;
using test::ZipLayout;
using test::ZipMember;

std::vector<TArchiveItem> listZip(const std::string& bytes, std::uint8_t attributes = 0xFF) {
  TZIPFile zip(std::make_unique<MemoryByteSource>(bytes), "mem.zip", false);
  std::vector<TArchiveItem> items;
  TArchiveItem item;
  for (int i = zip.FindFirst("*.*", attributes, item); i != -1; i = zip.FindNext(item)) items.push_back(item);
  return items;
}

std::string zipError(const std::string& bytes, bool strict = false) {
  try {
    TZIPFile zip(std::make_unique<MemoryByteSource>(bytes), "mem.zip", strict);
    TArchiveItem item;
    for (int i = zip.FindFirst("*.*", 0xFF, item); i != -1; i = zip.FindNext(item)) {
    }
  } catch (const eArchiveError& e) {
    return e.what();
  }
  return "";
}

const std::vector<ZipMember> kTwo = {
    {.name = "a.txt", .size = 5, .crc = 0x11111111, .time = 0x586F528F, .externalAttributes = 0x81A40000},
    {.name = "dir/b.txt", .size = 7, .crc = 0x22222222, .time = 0x3E7454B6, .externalAttributes = 0x21},
};

TEST(ZipReader, ListsTheCentralDirectory) {
  const auto items = listZip(BuildZip(kTwo));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Name, "a.txt");
  EXPECT_EQ(items[0].Size, 5u);
  EXPECT_EQ(items[0].CRC, 0x11111111u);
  EXPECT_EQ(items[0].Time, 0x586F528Fu);
  EXPECT_EQ(items[0].Attr, 0);
  EXPECT_EQ(items[1].Name, "dir\\b.txt");
  EXPECT_EQ(items[1].Attr, 0x21);
  EXPECT_EQ(items[1].Time, 0x3E7454B6u);
}

// One extra field: id, length, data.
std::string field(std::uint16_t id, const std::string& data) {
  std::string out;
  test::putLE16(out, id);
  test::putLE16(out, static_cast<std::uint32_t>(data.size()));
  return out + data;
}

std::string extendedTimestamp(std::uint8_t flags, std::int32_t seconds) {
  std::string data(1, static_cast<char>(flags));
  test::putLE32(data, static_cast<std::uint32_t>(seconds));
  return field(0x5455, data);
}

// An NTFS field whose tag 1 holds the modification time; other tags may come first.
std::string ntfs(std::int64_t unixSeconds, std::uint32_t hundredNanoseconds = 0, const std::string& before = "") {
  std::string data(4, '\0');
  data += before;
  test::putLE16(data, 1);
  test::putLE16(data, 24);
  test::putLE64(data, static_cast<std::uint64_t>((unixSeconds + 11644473600) * 10000000 + hundredNanoseconds));
  test::putLE64(data, 0);
  test::putLE64(data, 0);
  return field(0x000a, data);
}

TEST(ZipReader, TakesTheTimeOfAnExtendedOrNtfsExtraField) {
  constexpr std::int64_t odd = 1710498031;  // 2024-03-15 10:20:31 UTC
  constexpr std::int64_t other = 1700000000;
  constexpr std::uint32_t dosFields = 0x586F5290;  // :32, as Info-ZIP rounds odd seconds up
  std::string unknownTag;
  test::putLE16(unknownTag, 2);
  test::putLE16(unknownTag, 3);
  unknownTag += "xyz";
  const struct {
    const char* what;
    std::string extra;
    std::uint32_t time;
  } cases[] = {
      {"none", "", dosFields},
      {"extended timestamp", extendedTimestamp(0x03, odd), platform::dosTimeFromUnix(odd)},
      {"extended timestamp before 1970", extendedTimestamp(0x01, -86400), platform::dosTimeFromUnix(-86400)},
      {"extended timestamp without a modification time", extendedTimestamp(0x06, odd), dosFields},
      {"extended timestamp too short", field(0x5455, std::string(1, '\x01')), dosFields},
      {"NTFS", ntfs(odd, 9999999), platform::dosTimeFromUnix(odd)},
      {"NTFS after another tag", ntfs(odd, 0, unknownTag), platform::dosTimeFromUnix(odd)},
      {"NTFS without tag 1", field(0x000a, std::string(4, '\0') + unknownTag), dosFields},
      {"the first of both: extended", extendedTimestamp(0x01, odd) + ntfs(other), platform::dosTimeFromUnix(odd)},
      {"the first of both: NTFS", ntfs(other) + extendedTimestamp(0x01, odd), platform::dosTimeFromUnix(other)},
      {"after an unknown field", field(0x7875, "uidgid") + extendedTimestamp(0x01, odd), platform::dosTimeFromUnix(odd)},
      {"a field running past the end", extendedTimestamp(0x01, odd).substr(0, 7), dosFields},
  };
  for (const auto& c : cases) {
    const auto items = listZip(BuildZip({{.name = "odd.txt", .time = dosFields, .extra = c.extra}}));
    ASSERT_EQ(items.size(), 1u) << c.what;
    EXPECT_EQ(items[0].Time, c.time) << c.what;
  }
  // A ZIP64 size and a time in one extra field.
  const auto items = listZip(BuildZip({{.name = "big", .size = 0x100000005ULL, .zip64 = true, .extra = ntfs(odd)}}));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].Size, 0x100000005ULL);
  EXPECT_EQ(items[0].Time, platform::dosTimeFromUnix(odd));
}

TEST(ZipReader, FindsTheDirectoryWhereverTheLayoutPutsIt) {
  const std::string program = "MZ" + std::string(4094, '\0');
  const struct {
    const char* what;
    ZipLayout layout;
  } cases[] = {
      {"plain", ZipLayout()},
      {"comment", ZipLayout().withComment(std::string(4097, 'c'))},
      {"comment holding a false start", ZipLayout().withComment("PK\x05")},
      {"program in front, offsets not adjusted", ZipLayout().withPrefix(program)},
      {"program in front, offsets adjusted", ZipLayout().withPrefix(program, true)},
      {"program in front and a comment", ZipLayout().withPrefix(program).withComment("sfx")},
      {"zip64 end record", ZipLayout().withZip64End()},
      {"zip64 end record, saturated end record", ZipLayout().withZip64End(true)},
      {"zip64 end record behind a program", ZipLayout().withPrefix(program).withZip64End(true)},
  };
  for (const auto& c : cases) {
    const auto items = listZip(BuildZip(kTwo, c.layout));
    ASSERT_EQ(items.size(), 2u) << c.what;
    EXPECT_EQ(items[1].Name, "dir\\b.txt") << c.what;
  }
}

TEST(ZipReader, TakesZip64SizesFromTheExtraField) {
  std::vector<ZipMember> members = {{.name = "big.bin", .size = 0x100000005ULL, .crc = 0x3610A686, .zip64 = true},
                                    {.name = "small.txt", .size = 3}};
  const auto items = listZip(BuildZip(members, ZipLayout().withZip64End()));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Size, 0x100000005ULL);
  EXPECT_EQ(items[1].Size, 3u);
}

TEST(ZipReader, AnEmptyArchiveListsNothing) {
  EXPECT_TRUE(listZip(BuildZip({})).empty());
  EXPECT_TRUE(listZip(BuildZip({}, ZipLayout().withComment("nothing here"))).empty());
  EXPECT_TRUE(listZip(BuildZip({}, ZipLayout().withPrefix(std::string(100, 'x')))).empty());
}

TEST(ZipReader, NormalisesNames) {
  const struct {
    std::string stored;
    std::uint16_t madeBy;
    std::uint16_t flags;
    std::string expected;
  } cases[] = {
      {"caf\x82.txt", 0x0014, 0, "caf\xC3\xA9.txt"},             // MS-DOS: CP437
      {"na\xC3\xAFve.txt", 0x0014, 0, "na\xC3\xAFve.txt"},       // MS-DOS but valid UTF-8 (JAR tools)
      {"\xD1\x82.txt", 0x0014, 0x0800, "\xD1\x82.txt"},          // flag bit 11
      {"latin\xE9.txt", 0x031E, 0, "latin\xE9.txt"},             // Unix: bytes as they are
      {"dir/sub/x.c", 0x031E, 0, "dir\\sub\\x.c"},
      {"trailing. . ", 0x031E, 0, "trailing"},
      {"dir/", 0x031E, 0, "dir\\"},
      {"/abs/x.c", 0x031E, 0, "abs\\x.c"},  // held paths are relative
  };
  for (const auto& c : cases) {
    const auto items = listZip(BuildZip({{.name = c.stored, .madeBy = c.madeBy, .flags = c.flags}}));
    const std::string what =
        testing::PrintToString(c.stored) + " made by " + std::to_string(c.madeBy) + " flags " + std::to_string(c.flags);
    ASSERT_EQ(items.size(), 1u) << what;
    EXPECT_EQ(items[0].Name, c.expected) << what;
  }
}

TEST(ZipReader, FindFirstStartsAgainFromTheFirstMember) {
  TZIPFile zip(std::make_unique<MemoryByteSource>(BuildZip(kTwo)), "mem.zip", false);
  TArchiveItem item;
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(zip.FindFirst("", 0xFF, item), 0);
    EXPECT_EQ(item.Name, "a.txt");
    EXPECT_EQ(zip.FindNext(item), 1);
    EXPECT_EQ(zip.FindNext(item), -1);
    EXPECT_EQ(zip.FindNext(item), -1);
  }
  EXPECT_EQ(zip.FindFirst("*.C", 0xFF, item), -1);  // the name mask
}

TEST(ZipReader, MatchesTheAttributeMask) {
  const std::vector<ZipMember> members = {
      {.name = "plain"}, {.name = "hidden", .externalAttributes = 0x22}, {.name = "dir/", .externalAttributes = 0x10},
      {.name = "readonly", .externalAttributes = 0x21}};
  std::vector<std::string> names;
  for (const TArchiveItem& i : listZip(BuildZip(members), 0)) names.push_back(i.Name);  // 0: 0xE7
  EXPECT_EQ(names, (std::vector<std::string>{"plain", "hidden", "readonly"}));
  names.clear();
  for (const TArchiveItem& i : listZip(BuildZip(members), 0xE1)) names.push_back(i.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"plain", "readonly"}));
}

TEST(ZipReader, RefusesDamagedArchivesWithItsMessages) {
  const std::string good = BuildZip(kTwo);
  std::string wrongDisk = good;
  wrongDisk[wrongDisk.size() - 22 + 4] = 1;
  std::string secondBad = good;
  secondBad[secondBad.rfind("PK\x01\x02") + 2] = 0;
  std::string wrongOffset = good;  // neither the recorded offset nor end - size holds a header
  wrongOffset[wrongOffset.size() - 22 + 12] = 3;
  wrongOffset[wrongOffset.size() - 22 + 16] = 1;
  const std::string longName = BuildZip({{.name = std::string(2048, 'n')}});
  const std::string okName = BuildZip({{.name = std::string(2047, 'n')}});
  const struct {
    const char* what;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"7 bytes", good.substr(0, 7), "Archive too small to contain any Signature"},
      {"21 bytes", good.substr(0, 21), "ZIP too small to contain EndOfCentralDirRecord"},
      {"no end record", std::string(100, 'z'), "End_central_dir_signature not found at end of archive"},
      {"comment longer than the window", BuildZip(kTwo, ZipLayout().withComment(std::string(40000, 'c'))),
       "End_central_dir_signature not found at end of archive"},
      {"disk numbers differ", wrongDisk, "This ZIP disk is not the one with central dir inside"},
      {"directory not found", wrongOffset, "Can't find central file header in ZIP"},
      {"second header damaged", secondBad, "Error in ZIP file, Central_file_header_signature was expected"},
      {"truncated directory", good.substr(0, good.rfind("PK\x01\x02") + 20) + good.substr(good.size() - 22),
       "Error reading ZIP archive"},
      {"name of 2048 bytes", longName, "File name of 2048 bytes or more in : \rmem.zip"},
      {"name of 2047 bytes", okName, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(zipError(c.bytes), c.message) << c.what;
}

TEST(ZipReader, StrictModeWantsALocalHeaderFirst) {
  EXPECT_EQ(zipError(BuildZip(kTwo), true), "");
  EXPECT_EQ(zipError(BuildZip(kTwo, ZipLayout().withPrefix("MZ..")), true), "ZIP signature not found in : \rmem.zip");
}

}  // namespace
}  // namespace quorvane
