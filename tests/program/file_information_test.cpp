// The file information dialog's texts and bold labels for an entry of each status, a moved
// pair and a snapshot entry, from a real comparison.
#include <gtest/gtest.h>

#include "engine/value_text.h"
#include "program/file_information.h"
#include "program/list_commands.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

constexpr std::int64_t kT0 = 1700000000;  // 2023-11-14 22:13:20 UTC
constexpr std::int64_t kT1 = kT0 + 86400 + 3600;

class FileInformationTest : public ::testing::Test {
 protected:
  FileInformationTest() : ui(nullptr), program(ui, readers, writers) {
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    t.file("new/same.txt", "same", kT0);
    t.file("old/same.txt", "same", kT0);
    t.file("new/crc.txt", "abcxyz", kT0);
    t.file("old/crc.txt", "abcdef", kT0);
    t.file("new/src/newer.c", "int x;", kT1);
    t.file("old/src/newer.c", "int x;", kT0);
    t.file("new/src/older.c", "int y;", kT0 + 2);
    t.file("old/src/older.c", "int y;", kT0 + 4);
    t.file("new/big.h", "#define A 1", kT0);
    t.file("old/big.h", "#define A", kT0);
    t.file("new/docs/inserted.txt", "only new", kT0);
    t.file("old/docs/deleted.txt", "only old", kT0);
    t.file("old/lib/moved.dat", "moved data", kT0);
    t.file("new/archive/moved.dat", "moved data", kT0);
    t.file("new/moved-to-root.bin", "to the root", kT0);
    t.file("old/deep/moved-to-root.bin", "to the root", kT0);
    t.file("new/readonly.txt", "same", kT0);
    t.file("old/readonly.txt", "same", kT0);
    t.chmod("old/readonly.txt", 0444);
    ChooseSetDirectory(program, Side::New, t.path("new"));
    ChooseSetDirectory(program, Side::Old, t.path("old"));
    Diff(program);
    CheckMovedFiles(program);
  }

  FileInformation of(std::string_view path) {
    const FileEntry* e = program.comparison.Files.Find(path);
    EXPECT_NE(e, nullptr) << path;
    return e ? FileInformationOf(program.comparison, *e, dfEurope) : FileInformation{};
  }

  test::TempIni ini;
  test::TempTree t;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
};

TEST_F(FileInformationTest, EachStatusHasItsTextsAndBoldLabels) {
  const std::uint32_t t0 = test::dosOf(kT0), t1 = test::dosOf(kT1);
  struct Case {
    const char* path;
    const char* name;
    const char* status;
    bool newEnabled, oldEnabled;
    bool crc, date, time, size, attribute;  // bold
  };
  const Case cases[] = {
      {"same.txt", "same.txt", "Identical  ", true, true, false, false, false, false, false},
      {"crc.txt", "crc.txt", "CRC-different   ", true, true, true, false, false, false, false},
      {"src\\newer.c", "newer.c", "Newer   ", true, true, false, true, true, false, false},
      // Two seconds apart on the same day: only the time differs.
      {"src\\older.c", "older.c", "Older   ", true, true, false, false, true, false, false},
      {"big.h", "big.h", "CRC-different   Bigger   ", true, true, true, false, false, true, false},
      {"docs\\inserted.txt", "inserted.txt", "Inserted   ", true, false, false, false, false, false, false},
      {"docs\\deleted.txt", "deleted.txt", "Deleted   ", false, true, false, false, false, false, false},
      {"readonly.txt", "readonly.txt", "Identical  ", true, true, false, false, false, false, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.path);
    const FileInformation info = of(k.path);
    EXPECT_EQ(info.name, k.name);
    EXPECT_EQ(info.status, k.status);
    EXPECT_EQ(info.movedTo, "<n/a>");
    EXPECT_EQ(info.newSide.enabled, k.newEnabled);
    EXPECT_EQ(info.oldSide.enabled, k.oldEnabled);
    EXPECT_EQ(info.crcBold, k.crc);
    EXPECT_EQ(info.dateBold, k.date);
    EXPECT_EQ(info.timeBold, k.time);
    EXPECT_EQ(info.sizeBold, k.size);
    EXPECT_EQ(info.attributeBold, k.attribute);
    for (const FileInfoColumn* side : {&info.newSide, &info.oldSide}) {
      if (side->enabled) continue;
      for (const std::string* text : {&side->date, &side->time, &side->size, &side->crc, &side->attribute})
        EXPECT_EQ(*text, "<n/a>");
    }
  }

  const FileInformation newer = of("src\\newer.c");
  EXPECT_EQ(newer.newSide.date, DateText(t1, dfEurope));
  EXPECT_EQ(newer.oldSide.date, DateText(t0, dfEurope));
  EXPECT_EQ(newer.newSide.time, TimeText(t1));
  EXPECT_EQ(newer.newSide.timeStamp, HexLong(t1));
  EXPECT_EQ(newer.newSide.size, "6");
  EXPECT_EQ(newer.newSide.crc.size(), 8u);
  EXPECT_EQ(newer.newSide.crc, newer.oldSide.crc);
  const FileInformation big = of("big.h");
  EXPECT_EQ(big.newSide.size, "11");
  EXPECT_EQ(big.oldSide.size, "9");
  const FileInformation readOnly = of("readonly.txt");
  EXPECT_EQ(readOnly.newSide.attribute, "- - - A");
  EXPECT_EQ(readOnly.oldSide.attribute, "R - - A");
}

TEST_F(FileInformationTest, AMovedPairNamesThePartnersDirectory) {
  const FileInformation from = of("lib\\moved.dat");
  EXPECT_EQ(from.status, "Deleted   ");
  EXPECT_EQ(from.movedTo, "archive\\");
  const FileInformation to = of("archive\\moved.dat");
  EXPECT_EQ(to.status, "Inserted   ");
  EXPECT_EQ(to.movedTo, "lib\\");
  EXPECT_EQ(of("deep\\moved-to-root.bin").movedTo, "(root)");
  EXPECT_EQ(of("moved-to-root.bin").movedTo, "deep\\");
}

TEST_F(FileInformationTest, ASnapshotEntryCountsAsInserted) {
  ui.scriptAnswer(platform::Answer::Yes);  // "A Diff or snapshot is already in memory."
  TakeSnapshot(program);
  ASSERT_TRUE(program.comparison.State.SnapshotMode);
  const FileInformation info = of("crc.txt");
  EXPECT_EQ(info.status, "(n/a)");
  EXPECT_EQ(info.movedTo, "<n/a>");
  EXPECT_TRUE(info.newSide.enabled);
  EXPECT_FALSE(info.oldSide.enabled);
  EXPECT_EQ(info.newSide.size, "6");
  EXPECT_FALSE(info.crcBold || info.dateBold || info.timeBold || info.sizeBold || info.attributeBold);
}

}  // namespace
}  // namespace quorvane
