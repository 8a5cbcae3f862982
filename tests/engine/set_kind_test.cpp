#include "engine/set_kind.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/run_state.h"
#include "engine/sort_type.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

struct KindCase {
  const char* name;
  SetKind kind;
  ChecksumKind width;
};

TEST(SetKindOf, ExistingFilesAreClassifiedByExtension) {
  const KindCase cases[] = {
      {"a.lst", SetKind::Snapshot, ChecksumKind::Crc32}, {"a.SNP", SetKind::Snapshot, ChecksumKind::Crc32}, {"a.arj", SetKind::Arj, ChecksumKind::Crc32},       {"a.Ace", SetKind::Ace, ChecksumKind::Crc32},
      {"a.rar", SetKind::Rar, ChecksumKind::Crc32},      {"a.zip", SetKind::Zip, ChecksumKind::Crc32},      {"a.JaR", SetKind::Zip, ChecksumKind::Crc32},       {"setup.exe", SetKind::Zip, ChecksumKind::Crc32},
      {"a.lzh", SetKind::Lha, ChecksumKind::Crc16},      {"a.PAK", SetKind::Lha, ChecksumKind::Crc16},      {"a.lha", SetKind::Lha, ChecksumKind::Crc16},       {"a.zoo", SetKind::Zoo, ChecksumKind::Crc16},
      {"a.arc", SetKind::Arc, ChecksumKind::Crc16},      {"a.txt", SetKind::Directory, ChecksumKind::Crc32}, {"noext", SetKind::Directory, ChecksumKind::Crc32}, {"x.tar.zip", SetKind::Zip, ChecksumKind::Crc32},
  };
  test::TempTree t;
  for (const KindCase& c : cases) {
    t.file(c.name, "x");
    ChecksumKind width = ChecksumKind::None;
    EXPECT_EQ(SetKindOf(t.path(c.name), &width), c.kind) << c.name;
    EXPECT_EQ(width, c.width) << c.name;
  }
}

TEST(SetKindOf, MissingFilesAndDirectoriesAreDirectories) {
  test::TempTree t;
  t.dir("archive.zip");  // a directory named like an archive
  ChecksumKind width = ChecksumKind::None;
  EXPECT_EQ(SetKindOf(t.path("archive.zip"), &width), SetKind::Directory);
  EXPECT_EQ(width, ChecksumKind::Crc32);
  EXPECT_EQ(SetKindOf(t.path("missing.rar")), SetKind::Directory);
  // only the file name's dot counts, not one in a directory name
  t.file("dir.zip.d/plain", "x");
  EXPECT_EQ(SetKindOf(t.path("dir.zip.d/plain")), SetKind::Directory);
}

TEST(SetKindOf, TheMarkerClassifiesWithoutLookingOnDisk) {
  const std::string marker(kExtensionOnlyMarker);
  ChecksumKind width = ChecksumKind::None;
  EXPECT_EQ(SetKindOf(marker + "ZIP", &width), SetKind::Zip);
  EXPECT_EQ(width, ChecksumKind::Crc32);
  EXPECT_EQ(SetKindOf(marker + "lzh", &width), SetKind::Lha);
  EXPECT_EQ(width, ChecksumKind::Crc16);
  EXPECT_EQ(SetKindOf(marker + "arc", &width), SetKind::Arc);
  EXPECT_EQ(width, ChecksumKind::Crc16);
  EXPECT_EQ(SetKindOf(marker + "snp"), SetKind::Snapshot);
  EXPECT_EQ(SetKindOf(marker + "doc", &width), SetKind::Directory);
  EXPECT_EQ(width, ChecksumKind::Crc32);
}

TEST(ArchiveKindOfExtension, ClassifiesBareExtensions) {
  const KindCase cases[] = {
      {".zip", SetKind::Zip, ChecksumKind::Crc32}, {".JAR", SetKind::Zip, ChecksumKind::Crc32},  {".rar", SetKind::Rar, ChecksumKind::Crc32},       {".ace", SetKind::Ace, ChecksumKind::Crc32},
      {".arj", SetKind::Arj, ChecksumKind::Crc32}, {".lzh", SetKind::Lha, ChecksumKind::Crc16},  {".pak", SetKind::Lha, ChecksumKind::Crc16},       {".LHA", SetKind::Lha, ChecksumKind::Crc16},
      {".zoo", SetKind::Zoo, ChecksumKind::Crc16}, {".arc", SetKind::Arc, ChecksumKind::Crc16},  {".exe", SetKind::Nothing, ChecksumKind::Crc32},   {".snp", SetKind::Nothing, ChecksumKind::Crc32},
      {".lst", SetKind::Nothing, ChecksumKind::Crc32}, {".", SetKind::Nothing, ChecksumKind::Crc32}, {"", SetKind::Nothing, ChecksumKind::Crc32},  {".zipx", SetKind::Nothing, ChecksumKind::Crc32},
  };
  for (const KindCase& c : cases) {
    ChecksumKind width = ChecksumKind::None;
    EXPECT_EQ(ArchiveKindOfExtension(c.name, &width), c.kind) << c.name;
    EXPECT_EQ(width, c.width) << c.name;
  }
  EXPECT_EQ(ArchiveKindOfExtension(".Zip"), SetKind::Zip);
}

// Stored numbers (snapshot fields, the file type window's answer, the test tables) turn
// into codes only through these: every number in range keeps its value, any other
// number is no code at all.
TEST(TypedCodes, StoredNumbersConvertBothWaysAndOutOfRangeIsNoCode) {
  for (int number = -2; number <= 12; ++number) {
    const bool inSetKinds = number >= 0 && number <= 9;
    ASSERT_EQ(SetKindFromNumber(number).has_value(), inSetKinds) << number;
    if (inSetKinds) {
      EXPECT_EQ(SetKindNumber(*SetKindFromNumber(number)), number);
    }
    EXPECT_EQ(SetKindOrNothing(number), inSetKinds ? static_cast<SetKind>(number) : SetKind::Nothing) << number;
    const bool inSortTypes = number >= 0 && number <= 10;
    ASSERT_EQ(SortTypeFromNumber(number).has_value(), inSortTypes) << number;
    if (inSortTypes) {
      EXPECT_EQ(SortTypeNumber(*SortTypeFromNumber(number)), number);
    }
  }
  for (const int number : {-1, 0, 1, 8, 15, 16, 17, 31, 32, 33, 255}) {
    const bool known = number == 0 || number == 16 || number == 32;
    ASSERT_EQ(ChecksumKindFromNumber(number).has_value(), known) << number;
    if (known) {
      EXPECT_EQ(ChecksumKindNumber(*ChecksumKindFromNumber(number)), number);
    }
  }
  EXPECT_STREQ(setKindName(SetKind::Directory), "DIR");
  EXPECT_STREQ(setKindName(SetKindOrNothing(200)), "N/A");
}

}  // namespace
}  // namespace quorvane
