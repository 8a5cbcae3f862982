#include "engine/set_kind.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/run_state.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

struct KindCase {
  const char* name;
  std::uint8_t kind;
  std::uint8_t width;
};

TEST(SetKindOf, ExistingFilesAreClassifiedByExtension) {
  const KindCase cases[] = {
      {"a.lst", skSnapshot, 32}, {"a.SNP", skSnapshot, 32}, {"a.arj", skArj, 32},       {"a.Ace", skAce, 32},
      {"a.rar", skRar, 32},      {"a.zip", skZip, 32},      {"a.JaR", skZip, 32},       {"setup.exe", skZip, 32},
      {"a.lzh", skLha, 16},      {"a.PAK", skLha, 16},      {"a.lha", skLha, 16},       {"a.zoo", skZoo, 16},
      {"a.arc", skArc, 16},      {"a.txt", skDirectory, 32}, {"noext", skDirectory, 32}, {"x.tar.zip", skZip, 32},
  };
  test::TempTree t;
  for (const KindCase& c : cases) {
    t.file(c.name, "x");
    std::uint8_t width = 0;
    EXPECT_EQ(SetKindOf(t.path(c.name), &width), c.kind) << c.name;
    EXPECT_EQ(width, c.width) << c.name;
  }
}

TEST(SetKindOf, MissingFilesAndDirectoriesAreDirectories) {
  test::TempTree t;
  t.dir("archive.zip");  // a directory named like an archive
  std::uint8_t width = 0;
  EXPECT_EQ(SetKindOf(t.path("archive.zip"), &width), skDirectory);
  EXPECT_EQ(width, 32);
  EXPECT_EQ(SetKindOf(t.path("missing.rar")), skDirectory);
  // only the file name's dot counts, not one in a directory name
  t.file("dir.zip.d/plain", "x");
  EXPECT_EQ(SetKindOf(t.path("dir.zip.d/plain")), skDirectory);
}

TEST(SetKindOf, TheMarkerClassifiesWithoutLookingOnDisk) {
  const std::string marker(kExtensionOnlyMarker);
  std::uint8_t width = 0;
  EXPECT_EQ(SetKindOf(marker + "ZIP", &width), skZip);
  EXPECT_EQ(width, 32);
  EXPECT_EQ(SetKindOf(marker + "lzh", &width), skLha);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(SetKindOf(marker + "arc", &width), skArc);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(SetKindOf(marker + "snp"), skSnapshot);
  EXPECT_EQ(SetKindOf(marker + "doc", &width), skDirectory);
  EXPECT_EQ(width, 32);
}

TEST(ArchiveKindOfExtension, ClassifiesBareExtensions) {
  const KindCase cases[] = {
      {".zip", skZip, 32}, {".JAR", skZip, 32},  {".rar", skRar, 32},       {".ace", skAce, 32},
      {".arj", skArj, 32}, {".lzh", skLha, 16},  {".pak", skLha, 16},       {".LHA", skLha, 16},
      {".zoo", skZoo, 16}, {".arc", skArc, 16},  {".exe", skNothing, 32},   {".snp", skNothing, 32},
      {".lst", skNothing, 32}, {".", skNothing, 32}, {"", skNothing, 32},  {".zipx", skNothing, 32},
  };
  for (const KindCase& c : cases) {
    std::uint8_t width = 0;
    EXPECT_EQ(ArchiveKindOfExtension(c.name, &width), c.kind) << c.name;
    EXPECT_EQ(width, c.width) << c.name;
  }
  EXPECT_EQ(ArchiveKindOfExtension(".Zip"), skZip);
}

}  // namespace
}  // namespace quorvane
