#include "sources/snapshot_reader.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <fcntl.h>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/value_text.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "sources/snapshot_line_parser.h"
#include "support/memory_file_reader.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

const std::string kHead =
    "[Pelto LIST]\r\n\r\n.Version 1.6\r\n.Source (DIRECTORY) : /data/\r\n\r\n"
    "Size       Date       Time     CR16 CRC32    Filename\r\n"
    "---------- ---------- -------- ---- -------- ------------\r\n";
const std::string kFoot = "---------- ---------- -------- ---- -------- ------------\r\n.2 files listed.\r\n";

std::uint32_t dos(int y, int mo, int d, int h, int mi, int s) { return PackTime({y, mo, d, h, mi, s}); }

TEST(SnapshotVersion, LineThreeSelectsTheLayout) {
  struct Case {
    std::string line;
    std::optional<int> version;
  } cases[] = {
      {".Version 1.6", 160}, {".Version 1.30", 130}, {".Version 1.3", 130}, {".Version 1.29", 129},
      {".Version 2.05", 250}, {"", kNoVersion},      {".Source : x", kNoVersion}, {".Version 16", std::nullopt},
      {".Version x.6", std::nullopt}, {".Version 1.6 ", std::nullopt}, {".Version 99999999999.1", std::nullopt},
  };
  for (const Case& k : cases) EXPECT_EQ(SnapshotVersion(k.line), k.version) << k.line;
  EXPECT_EQ(&LayoutOfVersion(130), &kFourDigitYearLayout);
  EXPECT_EQ(&LayoutOfVersion(129), &kTwoDigitYearLayout);
  EXPECT_EQ(&LayoutOfVersion(kNoVersion), &kTwoDigitYearLayout);
}

TEST(SnapshotLine, FieldsByLayout) {
  struct Case {
    std::string line;
    bool fourDigits;
    bool accepted;
    SnapshotLineFacts want;
  } cases[] = {
      {"      1234 2023/11/14 22:13:20 ABCD 0123ABCD sub\\a.txt", true, true,
       {"sub\\a.txt", 1234, dos(2023, 11, 14, 22, 13, 20), 0xABCD, 0x0123ABCD}},
      // Odd seconds become the even second below; trailing blanks and dots go.
      {"         0 2001/02/03 04:05:07 0000 00000000 name.. . ", true, true,
       {"name", 0, dos(2001, 2, 3, 4, 5, 6), 0, 0}},
      // Lenient hex: lower case is upper-cased, any other character counts 0.
      {"         5 2001/02/03 04:05:06 zz1f ab-GxY9Z a/b/c", true, true,
       {"a\\b\\c", 5, dos(2001, 2, 3, 4, 5, 6), 0x001F, 0xAB000090}},
      // Sizes above 2^31 - 1 are kept; more than ten digits push the columns right.
      {"3221225472 2020/01/01 00:00:00 0000 FFFFFFFF big", true, true,
       {"big", 3221225472ull, dos(2020, 1, 1, 0, 0, 0), 0, 0xFFFFFFFF}},
      {"12345678901234 2020/01/01 00:00:00 1234 FFFFFFFF huge", true, true,
       {"huge", 12345678901234ull, dos(2020, 1, 1, 0, 0, 0), 0x1234, 0xFFFFFFFF}},
      // Two-digit years: 80..99 are 1980..1999, 00..79 the years before 1980, so time 0.
      {"        42 95/06/07 08:09:10 1234 89ABCDEF old.txt", false, true,
       {"old.txt", 42, dos(1995, 6, 7, 8, 9, 10), 0x1234, 0x89ABCDEF}},
      {"        42 05/06/07 08:09:10 1234 89ABCDEF y2k.txt", false, true, {"y2k.txt", 42, 0, 0x1234, 0x89ABCDEF}},
      // CP437 bytes that are no UTF-8 are decoded; UTF-8 stays.
      {"         1 2020/01/01 00:00:00 0000 00000000 \x84\x94.txt", true, true,
       {"\xC3\xA4\xC3\xB6.txt", 1, dos(2020, 1, 1, 0, 0, 0), 0, 0}},
      {"         1 2020/01/01 00:00:00 0000 00000000 \xC3\xA4.txt", true, true,
       {"\xC3\xA4.txt", 1, dos(2020, 1, 1, 0, 0, 0), 0, 0}},
      // Rejected: size or date not a number, no path.
      {"      12x4 2023/11/14 22:13:20 ABCD 0123ABCD a", true, false, {}},
      {"           2023/11/14 22:13:20 ABCD 0123ABCD a", true, false, {}},
      {"        -1 2023/11/14 22:13:20 ABCD 0123ABCD a", true, false, {}},
      {"         1 2023/1x/14 22:13:20 ABCD 0123ABCD a", true, false, {}},
      {"         1 2023/11/14 22:13:2  ABCD 0123ABCD a", true, false, {}},
      {"         1 2023/11/14 22:13:20 ABCD 0123ABCD ...", true, false, {}},
      {"99999999999999999999 2023/11/14 22:13:20 ABCD 0123ABCD a", true, false, {}},
  };
  for (const Case& k : cases) {
    SnapshotLineFacts got;
    const bool accepted =
        ParseSnapshotLine(k.line, k.fourDigits ? kFourDigitYearLayout : kTwoDigitYearLayout, got);
    SCOPED_TRACE(k.fourDigits ? "four-digit years" : "two-digit years");
    ASSERT_EQ(accepted, k.accepted) << k.line;
    if (!accepted) continue;
    EXPECT_EQ(got.path, k.want.path) << k.line;
    EXPECT_EQ(got.size, k.want.size) << k.line;
    EXPECT_EQ(got.time, k.want.time) << k.line;
    EXPECT_EQ(got.cr16, k.want.cr16) << k.line;
    EXPECT_EQ(got.crc32, k.want.crc32) << k.line;
  }
}

TEST(SnapshotLine, SkipRules) {
  const std::string fileLine = "      1234 2023/11/14 22:13:20 ABCD 0123ABCD a.txt";
  EXPECT_FALSE(IsSnapshotNonFileLine(fileLine));
  EXPECT_TRUE(IsSnapshotNonFileLine(fileLine.substr(0, 39)));
  for (char first : {'.', '-', '[', 'S'}) EXPECT_TRUE(IsSnapshotNonFileLine(first + fileLine));
}

class SnapshotReaderTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  SnapshotReaderTest() : ComparisonFixture(nullptr) {
    c.State.NewSet = {SetKind::Snapshot, "mem.snp", ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, "/old/", ChecksumKind::Crc32};
  }

  // Reads the bytes as the side's snapshot; returns the exception text, "" when none.
  std::string read(const std::string& bytes, Side side = Side::New, std::size_t failAt = std::string::npos) {
    test::MemoryFileReader reader(bytes, failAt);
    try {
      ReadSnapshotFrom(c, side, reader, bytes.size(), "mem.snp");
    } catch (const eSnpError& e) {
      return e.what();
    }
    return "";
  }
  std::vector<std::string> paths() {
    std::vector<std::string> out;
    for (std::int32_t i = 0; i < c.Files.Count(); ++i) out.emplace_back(c.Files.ItemAt(i).Path());
    return out;
  }
};

TEST_F(SnapshotReaderTest, MalformedListingsEndInTheirMessages) {
  const std::string header = "Can't find Snapshot header ([Pelto LIST]/[Quorvane Snapshot]) in first line";
  std::string binary(5000, '\0');
  std::mt19937 random(7);
  for (char& b : binary) b = static_cast<char>(random());
  struct Case {
    const char* what;
    std::string bytes;
    Side side;
    std::string error;
  } cases[] = {
      {"empty file", "", Side::New, header},
      {"no header", "Size Date\r\n", Side::New, header},
      {"header with trailing blanks", "[Pelto LIST] \r\n\r\n.Version 1.6\r\n---------- x\r\n", Side::New, header},
      {"header in lower case", "[pelto list]\r\n", Side::New, header},
      {"binary file", binary, Side::New, header},
      {"huge first line", "[Pelto LIST]" + std::string(1 << 20, 'x'), Side::New, header},
      {"no dash line", "[Pelto LIST]\r\n\r\n.Version 1.6\r\n.Source : x\r\n", Side::New,
       "Error in NEW Snapshot.\r(no file ?)"},
      {"header only", "[Quorvane Snapshot]", Side::Old, "Error in OLD Snapshot.\r(no file ?)"},
      {"no ending line", kHead, Side::Old, "Error in OLD Snapshot (no ending line)."},
      {"only garbage after the dashes", kHead + "garbage\r\n" + std::string(300, 'g') + "\r\n", Side::New,
       "Error in NEW Snapshot (no ending line)."},
      {"malformed version", "[Pelto LIST]\r\n\r\n.Version one.6\r\n", Side::New,
       "Error in NEW Snapshot (bad version number : .Version one.6)."},
      {"empty listing", kHead + kFoot, Side::New, ""},
      {"entries without ending line", kHead + "         1 2023/11/14 22:13:20 0000 00000000 a\r\n", Side::New, ""},
  };
  for (const Case& k : cases) {
    c.ClearFiles();
    EXPECT_EQ(read(k.bytes, k.side), k.error) << k.what << (k.side == Side::New ? " (New side)" : " (Old side)");
  }
}

TEST_F(SnapshotReaderTest, SkipsMalformedLinesAndReadsOnAfterTheFooter) {
  const std::string bytes = kHead +
                            "      1234 2023/11/14 22:13:20 ABCD 0123ABCD a.txt\r\n"
                            "not a file line at all, but forty characters long\r\n"
                            "      12x4 2023/11/14 22:13:20 ABCD 0123ABCD bad-size.txt\r\n" +
                            std::string(200000, '7') + " 2023/11/14 22:13:20 0000 00000000 huge-line\r\n" +
                            "         5 2023/11/14 22:13:20 QQQQ QQQQQQQQ non-hex.txt\n" +  // LF alone
                            kFoot + "         9 2023/11/14 22:13:20 0000 00000001 after-footer.txt";
  EXPECT_EQ(read(bytes), "");
  EXPECT_EQ(paths(), (std::vector<std::string>{"a.txt", "after-footer.txt", "non-hex.txt"}));
  const FileEntry* e = c.Files.Find("non-hex.txt");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->NewCRC, 0u);
  EXPECT_EQ(e->NewSize, 5u);
  EXPECT_EQ(e->Status, stInserted);
  EXPECT_EQ(c.State.Stats.BytesRead, 1234 + 5 + 9);
}

TEST_F(SnapshotReaderTest, SubdirectoriesNeedRecurseAndPathsAreRewritten) {
  const std::string bytes = kHead +
                            "       100 2023/11/14 22:13:20 0000 00000000 top.txt\r\n"
                            "       200 2023/11/14 22:13:20 0000 00000000 Program Files/LongFileName.text\r\n" + kFoot;
  settings.Recurse = false;
  EXPECT_EQ(read(bytes), "");
  EXPECT_EQ(paths(), (std::vector<std::string>{"top.txt"}));
  EXPECT_TRUE(c.State.SubdirectoriesWarning);
  EXPECT_EQ(c.State.Stats.BytesRead, 300);  // the dropped entry counts as read

  c.ClearFiles();
  c.State.SubdirectoriesWarning = false;
  settings.Recurse = true;
  settings.Strip83 = true;
  EXPECT_EQ(read(bytes), "");
  EXPECT_EQ(paths(), (std::vector<std::string>{"top.txt", "Program \\LongFile.tex"}));
  EXPECT_TRUE(c.State.SubdirectoriesWarning);

  c.ClearFiles();
  settings.SFN = true;  // short names exist only for directories: snapshot paths stay
  settings.NoPath = true;
  EXPECT_EQ(read(bytes), "");
  EXPECT_EQ(paths(), (std::vector<std::string>{"LongFileName.text", "top.txt"}));
}

TEST_F(SnapshotReaderTest, ChecksumFieldsBySetKindAndMode) {
  const std::string bytes = kHead + "         1 2023/11/14 22:13:20 ABCD 12345678 a\r\n" + kFoot;
  struct Case {
    SetKind otherKind;
    bool snapshotMode;
    std::uint32_t crc;
    std::uint16_t status;
  } cases[] = {
      {SetKind::Directory, false, 0x12345678, stInserted}, {SetKind::Zip, false, 0x12345678, stInserted},
      {SetKind::Lha, false, 0xABCD, stInserted},           {SetKind::Zoo, false, 0xABCD, stInserted},
      {SetKind::Arc, false, 0xABCD, stInserted},           {SetKind::Directory, true, 0x12345678, 0xABCD},
  };
  for (const Case& k : cases) {
    c.ClearFiles();
    c.State.OldSet.Kind = k.otherKind;
    c.State.SnapshotMode = k.snapshotMode;
    SCOPED_TRACE(std::string("other set kind ") + setKindName(k.otherKind) + (k.snapshotMode ? ", snapshot mode" : ""));
    ASSERT_EQ(read(bytes), "");
    const FileEntry* e = c.Files.Find("a");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->NewCRC, k.crc);
    EXPECT_EQ(e->Status, k.status);
  }
}

TEST_F(SnapshotReaderTest, OldSideFillsTheOldFields) {
  c.State.OldSet = {SetKind::Snapshot, "old.snp", ChecksumKind::Crc32};
  const std::string bytes = kHead + "3221225472 2023/11/14 22:13:21 0000 DEADBEEF a\r\n" + kFoot;
  EXPECT_EQ(read(bytes, Side::Old), "");
  const FileEntry* e = c.Files.Find("a");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->OldSize, 3221225472ull);
  EXPECT_EQ(e->OldTime, dos(2023, 11, 14, 22, 13, 20));
  EXPECT_EQ(e->OldCRC, 0xDEADBEEFu);
  EXPECT_EQ(e->Status, stDeleted);
  EXPECT_EQ(e->NewSize, 0u);
}

TEST_F(SnapshotReaderTest, ReadFailurePartWayIsAnError) {
  std::string bytes = kHead;
  while (bytes.size() < 200000) bytes += "         1 2023/11/14 22:13:20 0000 00000000 f" + std::to_string(bytes.size()) + "\r\n";
  EXPECT_EQ(read(bytes + kFoot, Side::New, 150000), "Error reading mem.snp");
}

TEST_F(SnapshotReaderTest, AbortStopsTheRead) {
  std::string bytes = kHead;
  for (int i = 0; i < 1000; ++i) bytes += "         1 2023/11/14 22:13:20 0000 00000000 f" + std::to_string(i) + "\r\n";
  std::uint64_t now = 0;
  c.Progress.clock = [&] { return now += 300; };
  ui.onPump = [&] { ui.requestAbort(); };
  EXPECT_EQ(read(bytes + kFoot), "");
  EXPECT_LT(c.Files.Count(), 1000);
}

TEST_F(SnapshotReaderTest, WhatCouldNotBeReadIsARunProblem) {
  const std::string a = "         1 2023/11/14 22:13:20 0000 00000000 a\r\n";
  const std::string b = "         2 2023/11/14 22:13:20 0000 00000000 b\r\n";
  const std::string dashes = "---------- ---------- -------- ---- -------- ------------\r\n";
  const std::string badSize = "      12x4 2023/11/14 22:13:20 ABCD 0123ABCD bad-size.txt\r\n";
  const std::string badDate = "         1 2023/1x/14 22:13:20 ABCD 0123ABCD bad-date.txt\r\n";
  const std::string noName = "         1 2023/11/14 22:13:20 ABCD 0123ABCD \r\n";  // nothing from column 46
  const std::string tooLong = std::string(70000, '7') + " 2023/11/14 22:13:20 0000 00000000 huge\r\n";
  const std::string notANumber = " is no file line (a size or date field is not a number): not read";
  const std::string unclosed = "mem.snp: no closing dash line after the last entry: the listing may be incomplete";
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> problems;
  } cases[] = {
      {"complete", kHead + a + b + kFoot, {}},
      {"no count line", kHead + a + b + dashes, {}},
      {"empty listing", kHead + kFoot, {}},
      {"short lines and header lines", kHead + "short\r\n" + a + "S" + a + "." + a + "[" + a + b + kFoot, {}},
      {"a size that is no number", kHead + a + badSize + b + kFoot, {"mem.snp: line 9" + notANumber}},
      {"a date that is no number", kHead + badDate + a + b + kFoot, {"mem.snp: line 8" + notANumber}},
      {"no name", kHead + a + b + noName + kFoot, {"mem.snp: line 10 holds no file name: not read"}},
      {"a line too long", kHead + a + tooLong + b + kFoot,
       {"mem.snp: line 9 is longer than 65536 bytes: not read"}},
      {"a header line too long", "[Pelto LIST]\r\n" + std::string(70000, ' ') + kHead.substr(14) + a + b + kFoot,
       {"mem.snp: line 2 is longer than 65536 bytes: not read"}},
      {"no closing dash line", kHead + a + b, {unclosed}},
      {"cut inside the closing dash line", kHead + a + b + dashes.substr(0, 9), {unclosed}},
      {"an entry after the footer", kHead + a + b + kFoot + a, {unclosed}},
      {"count too high", kHead + a + kFoot, {"mem.snp: line 10 says 2 files listed, 1 were read"}},
      {"count too low", kHead + a + b + a + kFoot, {"mem.snp: line 12 says 2 files listed, 3 were read"}},
      {"a rejected line is not counted", kHead + a + badSize + kFoot,
       {"mem.snp: line 9" + notANumber, "mem.snp: line 11 says 2 files listed, 1 were read"}},
      {"two listings appended", kHead + a + b + kFoot + kHead + b + a + kFoot, {}},
  };
  for (const Case& k : cases) {
    c.ClearFiles();
    c.Problems.Clear();
    EXPECT_EQ(read(k.bytes), "") << k.what;
    EXPECT_EQ(c.Problems.Lines(), k.problems) << k.what;
  }
}

// A listing of a Linux tree holds its names as they are: bytes that are no UTF-8, and
// trailing blanks and dots, which Linux names may have. Other listings are read as
// written by systems of OEM names.
TEST_F(SnapshotReaderTest, NamesOfALinuxListingAreReadByteForByte) {
  const std::string lines = "         1 2023/11/14 22:13:20 0000 00000000 caf\x82 ends with a dot.\r\n"
                            "         2 2023/11/14 22:13:20 0000 00000000 dir. \\blank \r\n" + kFoot;
  const std::string head = "[Pelto LIST]\r\n\r\n.Version 1.6\r\n";
  const std::string titles = "\r\nSize       Date       Time     CR16 CRC32    Filename\r\n"
                             "---------- ---------- -------- ---- -------- ------------\r\n";
  struct Case {
    const char* source;
    std::vector<std::string> paths;
  } cases[] = {
      {".Source (DIRECTORY) : /home/me/tree/", {"caf\x82 ends with a dot.", "dir. \\blank "}},
      {".Source (ARCHIVE)   : /home/me/tree.zip", {"caf\x82 ends with a dot.", "dir. \\blank "}},
      {".Source (DIRECTORY) : C:\\DATA\\", {"caf\xC3\xA9 ends with a dot", "dir. \\blank"}},
      {".Source (DIRECTORY) : \\\\server\\share\\", {"caf\xC3\xA9 ends with a dot", "dir. \\blank"}},
      {".Comment : no source line", {"caf\xC3\xA9 ends with a dot", "dir. \\blank"}},
  };
  for (const Case& k : cases) {
    c.ClearFiles();
    ASSERT_EQ(read(head + k.source + "\r\n" + titles + lines), "") << k.source;
    EXPECT_EQ(paths(), k.paths) << k.source;
  }
}

// Memory stays bounded whatever a file holds: a sparse file of 2 GiB is no snapshot, and
// a hole of 256 MiB without a line end inside a listing is one rejected line.
TEST(SnapshotFiles, SparseFilesAreReadInBoundedMemory) {
  test::TempTree tree;
  const auto sparse = [&](const std::string& name, const std::string& before, std::int64_t hole,
                          const std::string& after) {
    const std::string path = tree.path(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::write(fd, before.data(), before.size()), static_cast<ssize_t>(before.size()));
    EXPECT_EQ(::lseek(fd, hole, SEEK_CUR) > 0, true);
    EXPECT_EQ(::write(fd, after.data(), after.size()), static_cast<ssize_t>(after.size()));
    ::close(fd);
    return path;
  };
  const auto peakKiB = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const std::string a = "         1 2023/11/14 22:13:20 0000 00000000 a\r\n";
  const std::string noHeader = sparse("huge.snp", "[Pelto LIST]", std::int64_t{2} << 30, "\r\n");
  const std::string holed = sparse("holed.snp", kHead + a, std::int64_t{256} << 20, "\r\n" + a + kFoot);
  Settings settings;
  test::RecordingUserInterface ui(nullptr);
  Comparison c(settings, ui);
  const long before = peakKiB();

  c.State.NewSet = {SetKind::Snapshot, noHeader, ChecksumKind::Crc32};
  EXPECT_THROW(ReadSnapshotSet(c, Side::New), eSnpHeader);
  c.State.NewSet = {SetKind::Snapshot, holed, ChecksumKind::Crc32};
  ASSERT_NO_THROW(ReadSnapshotSet(c, Side::New));
  EXPECT_EQ(c.Files.Count(), 1);  // the same path twice: one entry
  EXPECT_EQ(c.Problems.Lines(), (std::vector<std::string>{holed + ": line 9 is longer than 65536 bytes: not read"}));
  EXPECT_LT(peakKiB() - before, 64 * 1024) << "peak memory grew by KiB";
}

TEST(SnapshotFiles, WhatCannotBeOpenedIsAnOpenError) {
  test::TempTree tree;
  tree.dir("a-directory");
  tree.fifo("a-fifo");
  Settings settings;
  test::RecordingUserInterface ui(nullptr);
  Comparison c(settings, ui);
  for (const std::string name : {"a-directory", "a-fifo", "missing.snp"}) {
    c.State.NewSet = {SetKind::Snapshot, tree.path(name), ChecksumKind::Crc32};
    try {
      ReadSnapshotSet(c, Side::New);
      ADD_FAILURE() << name;
    } catch (const eSnpOpen& e) {
      EXPECT_EQ(std::string(e.what()), "Error opening " + tree.path(name));
    }
  }
}

}  // namespace
}  // namespace quorvane
