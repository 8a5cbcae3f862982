#include "reports/diff_report.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "engine/line_safe_text.h"
#include "engine/run_comparison.h"
#include "platform/file_replace.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "reports/diff_report_lines.h"
#include "reports/printer_setup.h"
#include "sources/set_readers.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using platform::Answer;
using platform::MessageButtons;
using platform::MessageKind;

// A text output that keeps every line with its parts and styles.
class RecordingOutput : public TextOutput {
 public:
  explicit RecordingOutput(std::vector<std::vector<TextPart>>& lines, bool& closed) : lines_(lines), closed_(closed) {}
  using TextOutput::WriteLine;
  bool WriteLine(const std::vector<TextPart>& parts) override {
    lines_.push_back(parts);
    return true;
  }
  bool Close() override { return closed_ = true; }

 private:
  std::vector<std::vector<TextPart>>& lines_;
  bool& closed_;
};

// A printer that records what the set-up asked and what was printed; steps fail on cue.
class FakePrinter : public PrinterPort {
 public:
  std::unique_ptr<TextOutput> OpenPrinter(const std::string& documentName) override {
    document = documentName;
    if (!available) return nullptr;
    return std::make_unique<RecordingOutput>(lines, closed);
  }
  std::string PrinterName() override { return "Office laser"; }
  bool SetFontStyle(std::uint8_t style) override { return step("style " + std::to_string(style), failStyle); }
  bool SetFontName(const std::string& name) override { return step("name " + name, failName); }
  bool SetFontSize(int points) override { return step("size " + std::to_string(points), failSize); }
  bool SupportsOrientation() override { return orientable; }
  bool SetOrientation(int orientation) override { return step("orientation " + std::to_string(orientation), failOrientation); }

  bool step(const std::string& what, bool fail) {
    steps.push_back(what);
    return !fail;
  }

  bool available = true;
  bool orientable = true;
  bool failStyle = false, failName = false, failSize = false, failOrientation = false;
  std::vector<std::string> steps;
  std::string document;
  std::vector<std::vector<TextPart>> lines;
  bool closed = false;
};

std::string textOf(const std::vector<TextPart>& parts) {
  std::string text;
  for (const TextPart& p : parts) text += p.text;
  return text;
}

// The style of the part holding the text, or -1 when no part holds it alone or in part.
int styleOfPart(const std::vector<TextPart>& parts, std::string_view text) {
  for (const TextPart& p : parts) {
    if (p.text.find(text) != std::string::npos) return p.style;
  }
  return -1;
}

constexpr std::int64_t T = 1709287200;  // 2024-03-01 10:00:00 UTC

class DiffReportTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  DiffReportTest() : ComparisonFixture(nullptr) {
    setenv("TZ", "UTC", 1);
    tzset();
    settings.CloseProgressDlg = true;
    settings.ConfirmOverwrite = false;  // the overwrite test turns it on
    fresh.file("same.txt", "same", T);
    old.file("same.txt", "same", T);
    fresh.file("changed.txt", "abcdef", T + 60);
    old.file("changed.txt", "abc", T);
    fresh.file("sub/inserted.txt", "new", T);
    old.file("gone/deleted.txt", "old", T);
    c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
    options.Printer = &printer;
    options.Now = [] { return LocalDateTime{2026, 1, 2, 3, 4, 5}; };
  }

  void run() {
    SetSourceReaders readers;
    ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
    c.State.ResultsSaved = false;
  }
  std::string read(const std::string& path) {
    std::string text;
    platform::readWholeFile(path, text);
    return text;
  }
  const std::vector<TextPart>* printedLine(std::string_view containing) {
    for (const auto& line : printer.lines) {
      if (textOf(line).find(containing) != std::string::npos) return &line;
    }
    return nullptr;
  }

  test::TempTree fresh, old, out;
  FakePrinter printer;
  DiffReportOptions options;
};

TEST_F(DiffReportTest, StandardStylesStrikeOutTheDeletedOldNameAndUnderlineTheInsertedNewName) {
  run();
  settings.DiffDblColumn = true;
  settings.DiffSize = settings.DiffDate = settings.DiffCRC = true;
  settings.PrinterStyleSet = 1;
  ASSERT_TRUE(WriteDiffReport(c, "[Printer]", options));
  ASSERT_TRUE(printer.closed);

  const auto* deleted = printedLine("gone\\");
  ASSERT_TRUE(deleted);
  EXPECT_EQ(styleOfPart(*deleted, "deleted.txt"), tsStrikeOut);
  EXPECT_EQ(styleOfPart(*deleted, "Deleted"), tsPlain);
  EXPECT_EQ(styleOfPart(*deleted, "gone\\"), tsPlain);

  const auto* inserted = printedLine("sub\\");
  ASSERT_TRUE(inserted);
  EXPECT_EQ(styleOfPart(*inserted, "inserted.txt"), tsUnderline);

  // changed.txt: CRC differs, Newer, Bigger. Both names and checksums bold (CRC differs),
  // sizes and dates bold (Bigger's and Newer's on the New side, Smaller's and Older's on
  // the Old side: all bold in the Standard set).
  const auto* changed = printedLine("changed.txt");
  ASSERT_TRUE(changed);
  EXPECT_EQ(styleOfPart(*changed, "changed.txt"), tsBold);
  EXPECT_EQ(styleOfPart(*changed, "CRC differs"), tsPlain);
  for (const TextPart& p : *changed) {
    const bool blank = p.text.find_first_not_of(' ') == std::string::npos;
    if (p.style != tsPlain) {
      EXPECT_FALSE(blank) << "a styled part holds only blanks";
    }
  }
  // The same line as a file writes it, parts joined.
  std::vector<TextPart> fileParts;
  DiffEntryLine(*c.Files.Find("changed.txt"), c.Files.Find("changed.txt")->Status, nullptr,
                DiffLineFormat{settings, ChecksumKind::Crc32, nullptr}, fileParts);
  EXPECT_EQ(textOf(*changed), textOf(fileParts));
}

TEST_F(DiffReportTest, ControlCharactersOfNamesAreQuestionMarksInEntryLinesOnly) {
  // A New root whose own name holds a control character: the header keeps its bytes.
  test::TempTree odd;
  const std::string newRoot = odd.path("ro\x01ot/");
  odd.file("ro\x01ot/line\nbreak.txt", "new", T);
  odd.file("ro\x01ot/esc\x1B[2J\x7F.txt", "same", T);
  old.file("line\nbreak.txt", "old", T);
  c.State.NewSet = {SetKind::Directory, newRoot, ChecksumKind::Crc32};
  run();

  for (const bool bare : {false, true}) {
    settings.Batch = bare;
    SCOPED_TRACE(bare ? "bare report" : "diff report");
    const std::string path = out.path(bare ? "bare.txt" : "report.txt");
    ASSERT_TRUE(WriteDiffReport(c, path, options));
    const std::string text = read(path);
    EXPECT_EQ(text.find("\n" + std::string("break")), std::string::npos) << text;
    EXPECT_NE(text.find("line?break.txt\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("esc?[2J?.txt\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find('\x1B'), std::string::npos) << text;
    EXPECT_EQ(text.find('\x7F'), std::string::npos) << text;
    if (bare) {
      EXPECT_EQ(text.find('\x01'), std::string::npos) << text;
    } else {
      EXPECT_NE(text.find("New DIRECTORY    : " + newRoot + "\r\n"), std::string::npos) << text;
    }
  }
}

TEST(DiffReportLines, EveryNamePartOfAnEntryLineShowsControlCharactersAsQuestionMarks) {
  FileList files;
  ScanRecord scan;
  scan.Path = "sub\t1\\new\nline.t\x7Fx";
  FileEntry* e = files.CreateEntry(scan, Side::New);
  scan.Path = "ol\x1B" "d\\new\nline.t\x7Fx";
  FileEntry* partner = files.CreateEntry(scan, Side::Old);
  ASSERT_TRUE(e && partner);
  e->Status = stInserted;
  e->MovedPartner = 1;
  Settings s;
  s.DiffMovedTo = true;
  std::vector<TextPart> parts;
  for (const bool doubleColumn : {false, true}) {
    s.DiffDblColumn = doubleColumn;
    DiffEntryLine(*e, stInserted, partner, DiffLineFormat{s, ChecksumKind::Crc32, nullptr}, parts);
    const std::string line = textOf(parts);
    SCOPED_TRACE(line);
    EXPECT_EQ(std::count_if(line.begin(), line.end(), [](char c) { return IsControlCharacter(c); }), 0);
    if (doubleColumn) {
      EXPECT_NE(line.find("new?line.t?x  "), std::string::npos);
      EXPECT_NE(line.find("sub?1\\  (-> ol?d\\)"), std::string::npos);
    } else {
      EXPECT_NE(line.find("sub?1\\new?line.t?x  (-> ol?d\\)"), std::string::npos);
    }
  }
}

TEST_F(DiffReportTest, CustomStylesFollowTheStatusTableSideBySide) {
  run();
  settings.DiffDblColumn = settings.DiffSize = settings.DiffDate = true;
  settings.PrinterStyleSet = 2;
  // Distinct styles so that each part shows whose style it took.
  settings.CustomStyles = {0, tsBold, tsUnderline, tsStrikeOut, tsItalic, tsItalic | tsBold, tsUnderline | tsBold,
                           tsStrikeOut | tsItalic};
  ASSERT_TRUE(WriteDiffReport(c, "[Printer]", options));
  const auto* changed = printedLine("changed.txt");
  ASSERT_TRUE(changed);
  // New size 6 in Bigger's style, Old size 3 in Smaller's; New date in Newer's, Old date in Older's.
  std::vector<std::pair<std::string, int>> styled;
  for (const TextPart& p : *changed) {
    if (p.style != tsPlain) styled.emplace_back(p.text, p.style);
  }
  ASSERT_EQ(styled.size(), 6u);
  EXPECT_EQ(styled[0], (std::pair<std::string, int>{"changed.txt", tsBold}));  // CRC differs
  EXPECT_EQ(styled[1], (std::pair<std::string, int>{"6", tsUnderline | tsBold}));
  EXPECT_EQ(styled[2], (std::pair<std::string, int>{"03/01/2024 10:01:00", tsItalic}));
  EXPECT_EQ(styled[3], (std::pair<std::string, int>{"changed.txt", tsBold}));
  EXPECT_EQ(styled[4], (std::pair<std::string, int>{"3", tsStrikeOut | tsItalic}));
  EXPECT_EQ(styled[5], (std::pair<std::string, int>{"03/01/2024 10:00:00", tsItalic | tsBold}));
}

TEST_F(DiffReportTest, NoStyleSetAndFilesCarryNoStyles) {
  run();
  settings.DiffDblColumn = true;
  settings.PrinterStyleSet = 0;
  ASSERT_TRUE(WriteDiffReport(c, "[Printer]", options));
  ASSERT_FALSE(printer.lines.empty());
  for (const auto& line : printer.lines) {
    for (const TextPart& p : line) EXPECT_EQ(p.style, tsPlain) << textOf(line);
  }
}

TEST_F(DiffReportTest, SingleColumnPathTakesCrcThenInsertedThenDeletedStyle) {
  run();
  settings.PrinterStyleSet = 1;
  ASSERT_TRUE(WriteDiffReport(c, "[Printer]", options));
  EXPECT_EQ(styleOfPart(*printedLine("changed.txt"), "changed.txt"), tsBold);
  EXPECT_EQ(styleOfPart(*printedLine("inserted.txt"), "sub\\inserted.txt"), tsUnderline);
  EXPECT_EQ(styleOfPart(*printedLine("deleted.txt"), "gone\\deleted.txt"), tsStrikeOut);
  EXPECT_EQ(styleOfPart(*printedLine("same.txt"), "same.txt"), tsPlain);
}

TEST_F(DiffReportTest, PrinterObeysFilterPrintAndFileObeysFilterSave) {
  c.Files.XFilter = static_cast<std::uint16_t>(~stIdentical);  // hide identical files
  run();
  settings.FilterSave = false;
  settings.FilterPrint = true;
  ASSERT_TRUE(WriteDiffReport(c, "[Printer]", options));
  EXPECT_FALSE(printedLine("same.txt"));
  EXPECT_TRUE(printedLine("Exclude options  : [=]"));
  const std::string path = out.path("r.dif");
  ASSERT_TRUE(WriteDiffReport(c, path, options));
  EXPECT_NE(read(path).find("same.txt"), std::string::npos);
  EXPECT_NE(read(path).find("Exclude options  : []"), std::string::npos);

  settings.FilterSave = true;
  settings.FilterPrint = false;
  printer.lines.clear();
  ASSERT_TRUE(WriteDiffReport(c, "[Printer]", options));
  EXPECT_TRUE(printedLine("same.txt"));
  ASSERT_TRUE(WriteDiffReport(c, path, options));
  EXPECT_EQ(read(path).find("same.txt"), std::string::npos);
}

TEST_F(DiffReportTest, ProgressWindowForAFileAndThenItsOutcome) {
  run();
  std::uint64_t now = 0;
  options.Ticks = [&] { return now += 150; };  // every second entry passes 200 ms
  const std::string path = out.path("report.dif");
  ASSERT_TRUE(WriteDiffReport(c, path, options));
  const auto& p = ui.printProgress();
  EXPECT_EQ(p.opens, 1);
  EXPECT_EQ(p.caption, "Saving");
  EXPECT_EQ(p.status, "Saving report.dif");
  ASSERT_GE(p.status2.size(), 3u);
  EXPECT_EQ(p.status2.front(), "...");
  EXPECT_EQ(p.status2[1], "25% completed...");  // entry 1 of 4
  EXPECT_EQ(p.status2.back(), "Operation complete.");
  EXPECT_EQ(p.bars.back(), 100);
  EXPECT_FALSE(p.visible);
  EXPECT_FALSE(p.closedModally);  // CloseProgressDlg
  EXPECT_GT(ui.pumpCount(), 0);
  EXPECT_TRUE(c.State.ResultsSaved);

  settings.CloseProgressDlg = false;
  ASSERT_TRUE(WriteDiffReport(c, path, options));
  EXPECT_TRUE(ui.printProgress().closedModally);
  settings.AutoMode = true;
  ASSERT_TRUE(WriteDiffReport(c, path, options));
  EXPECT_FALSE(ui.printProgress().closedModally);
}

TEST_F(DiffReportTest, PrintingShowsThePrinterNameAndSetsThePrinterUp) {
  run();
  settings.PrinterFontName = "DejaVu Sans Mono";
  settings.PrinterFontSize = 9;
  settings.PrinterOrientation = 1;
  ASSERT_TRUE(WriteDiffReport(c, "[Printer]", options));
  EXPECT_EQ(ui.printProgress().caption, "Printing");
  EXPECT_EQ(ui.printProgress().status, "Office laser");
  EXPECT_EQ(printer.steps,
            (std::vector<std::string>{"style 0", "name DejaVu Sans Mono", "size 9", "orientation 1"}));
  EXPECT_TRUE(ui.asked().empty());
  EXPECT_TRUE(c.State.ResultsSaved);
}

TEST_F(DiffReportTest, AbortEndsTheLoopWithoutClosingLinesAndLeavesTheSavedFlag) {
  run();
  settings.DiffAppendStatus = true;
  std::uint64_t now = 0;
  options.Ticks = [&] { return now += 250; };
  ui.onPump = [&] { ui.requestAbort(); };
  const std::string path = out.path("aborted.dif");
  EXPECT_FALSE(WriteDiffReport(c, path, options));
  const std::string text = read(path);
  // The header's underline only: the closing one and the statistics are missing.
  const std::string underline = DiffUnderline(settings);
  EXPECT_EQ(text.find(underline), text.rfind(underline));
  EXPECT_EQ(text.find("Status of comparison"), std::string::npos);
  EXPECT_EQ(ui.printProgress().status2.back(), "Operation interrupted by user.");
  EXPECT_NE(ui.printProgress().bars.back(), 100);
  EXPECT_FALSE(c.State.ResultsSaved);
  // A stale abort does not stop the next report.
  ui.onPump = nullptr;
  EXPECT_TRUE(WriteDiffReport(c, path, options));
}

TEST_F(DiffReportTest, OverwriteIsAskedAndDeclinedLeavesTheFile) {
  run();
  settings.AutoMode = false;
  settings.ConfirmOverwrite = true;
  out.file("exists.dif", "keep me");
  const std::string path = out.path("exists.dif");
  ui.scriptAnswer(Answer::Cancel);
  EXPECT_FALSE(WriteDiffReport(c, path, options));
  EXPECT_EQ(read(path), "keep me");
  ASSERT_EQ(ui.asked().size(), 2u);
  EXPECT_EQ(ui.asked()[0].text, "File already exists : \r\r" + path + "\r\rDo you want to overwrite it ?\r");
  EXPECT_EQ(ui.asked()[0].kind, MessageKind::Warning);
  EXPECT_EQ(ui.asked()[0].buttons, MessageButtons::YesCancel);
  EXPECT_EQ(ui.asked()[1].text, "Differences file was not saved");
  EXPECT_EQ(ui.asked()[1].kind, MessageKind::Warning);
  EXPECT_EQ(ui.printProgress().opens, 0);
  EXPECT_FALSE(c.State.ResultsSaved);

  ui.scriptAnswer(Answer::Yes);
  EXPECT_TRUE(WriteDiffReport(c, path, options));
  EXPECT_EQ(read(path).rfind("[Quorvane DIFF file]\r\n", 0), 0u);

  // Not asked in automatic mode, nor with ConfirmOverwrite off, nor for the printer.
  const std::size_t asked = ui.asked().size();
  settings.AutoMode = true;
  EXPECT_TRUE(WriteDiffReport(c, path, options));
  settings.AutoMode = false;
  settings.ConfirmOverwrite = false;
  EXPECT_TRUE(WriteDiffReport(c, path, options));
  settings.ConfirmOverwrite = true;
  EXPECT_TRUE(WriteDiffReport(c, "[Printer]", options));
  EXPECT_EQ(ui.asked().size(), asked);
}

TEST_F(DiffReportTest, AppendAddsToTheFile) {
  run();
  settings.Batch = true;
  out.file("log.txt", "before\r\n");
  options.AppendOutput = true;
  ASSERT_TRUE(WriteDiffReport(c, out.path("log.txt"), options));
  EXPECT_EQ(read(out.path("log.txt")), "before\r\nchanged.txt\r\nsame.txt\r\ngone\\deleted.txt\r\nsub\\inserted.txt\r\n");
}

TEST_F(DiffReportTest, AnOutputThatCannotBeOpenedIsReportedAndTheProgramGoesOn) {
  run();
  const std::string path = out.path("missing/dir/report.dif");
  EXPECT_FALSE(WriteDiffReport(c, path, options));
  ASSERT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(ui.asked()[0].text, "Error writing to :\r" + path);
  EXPECT_EQ(ui.asked()[0].kind, MessageKind::Error);
  EXPECT_EQ(ui.printProgress().opens, 0);
  EXPECT_FALSE(c.State.ResultsSaved);

  printer.available = false;
  EXPECT_FALSE(WriteDiffReport(c, "[Printer]", options));
  EXPECT_EQ(ui.asked().back().text, "Error writing to :\r[Printer]");
  options.Printer = nullptr;
  EXPECT_FALSE(WriteDiffReport(c, "[Printer]", options));
  EXPECT_EQ(ui.asked().back().text, "Error writing to :\r[Printer]");

  // The next report to a good place succeeds.
  EXPECT_TRUE(WriteDiffReport(c, out.path("good.dif"), options));
}

TEST_F(DiffReportTest, AFullDiskIsReportedAndTheReportDoesNotCountAsSaved) {
  struct stat st {};
  if (stat("/dev/full", &st) != 0) GTEST_SKIP() << "no /dev/full";
  run();
  settings.AutoMode = true;  // /dev/full exists: no overwrite question
  EXPECT_FALSE(WriteDiffReport(c, "/dev/full", options));
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked().back().text, "Error writing to :\r/dev/full");
  EXPECT_EQ(ui.printProgress().status2.back(), "Operation not complete.");
  EXPECT_FALSE(c.State.ResultsSaved);
}

TEST(PrinterSetup, EachFailingStepWarnsAndSkipsTheRestOfTheFont) {
  struct Case {
    const char* name;
    bool failStyle, failName, failSize, failOrientation, orientable;
    std::vector<std::string> steps;
    std::vector<std::string> warnings;
  };
  const std::vector<Case> cases = {
      {"all fine", false, false, false, false, true, {"style 0", "name Courier", "size 10", "orientation 0"}, {}},
      {"style", true, false, false, false, true, {"style 0", "orientation 0"}, {"Error setting printer font style"}},
      {"name", false, true, false, false, true, {"style 0", "name Courier", "orientation 0"},
       {"Error setting printer font name"}},
      {"size", false, false, true, false, true, {"style 0", "name Courier", "size 10", "orientation 0"},
       {"Error setting printer font size"}},
      {"orientation", false, false, false, true, true, {"style 0", "name Courier", "size 10", "orientation 0"},
       {"Error setting printer orientation"}},
      {"name and orientation", false, true, false, true, true, {"style 0", "name Courier", "orientation 0"},
       {"Error setting printer font name", "Error setting printer orientation"}},
      {"no orientation support", false, false, false, true, false, {"style 0", "name Courier", "size 10"}, {}},
  };
  for (const Case& k : cases) {
    for (const bool automatic : {false, true}) {
      FakePrinter printer;
      printer.failStyle = k.failStyle;
      printer.failName = k.failName;
      printer.failSize = k.failSize;
      printer.failOrientation = k.failOrientation;
      printer.orientable = k.orientable;
      Settings settings;
      settings.AutoMode = automatic;
      test::RecordingUserInterface ui(nullptr);
      SetPrinterFontAndOrientation(printer, settings, ui);
      EXPECT_EQ(printer.steps, k.steps) << k.name;
      std::vector<std::string> warnings;
      for (const auto& a : ui.asked()) {
        EXPECT_EQ(a.kind, MessageKind::Warning) << k.name;
        warnings.push_back(a.text);
      }
      EXPECT_EQ(warnings, automatic ? std::vector<std::string>{} : k.warnings) << k.name << " automatic " << automatic;
    }
  }
}

TEST(DiffReportLines, SubdirectoriesWarningLinesAndFilterLetters) {
  Settings s;
  s.Recurse = false;
  DiffHeaderFacts f;
  f.newKind = SetKind::Zip;
  f.oldKind = SetKind::Snapshot;
  f.newPath = "/a/x.zip";
  f.oldPath = "/a/x.snp";
  f.oldNote = "  [/data/]";
  f.includeMask = "*.*";
  f.subdirectoriesWarning = true;
  f.filtering = true;
  f.iFilter = static_cast<std::uint16_t>(0xFFFF & ~stCrcDiffers & ~stBigger & ~stSmaller);
  f.xFilter = static_cast<std::uint16_t>(0xFFFF & ~stInserted & ~stSmaller);
  f.generatedOn = {2024, 2, 29, 23, 59, 58};
  f.filesListed = 0;
  f.fileCount = 12;
  const std::vector<std::string> lines = DiffHeaderLines(f, s);
  const std::vector<std::string> expected = {
      "[Quorvane DIFF file]",
      "Version 1.6",
      "WARNING : Subdirectories in archive were skipped. You should use -R.",
      "",
      "New ARCHIVE/SNAP : /a/x.zip",
      "Old ARCHIVE/SNAP : /a/x.snp  [/data/]",
      "File Pattern     : *.*",
      "Exclude Pattern  : ",
      "Filename format  : Long filenames",
      "Recursed dirs    : No -->  WARNING : PATH information in an archive file was skipped.",
      "Included dirs    : <None>",
      "Excluded dirs    : <None>",
      "Exclude options  : [IS]",
      "Ignore options   : [CS]",
      "Generated on     : 02/29/2024 23:59:58",
      "Files listed     : 0 of 12",
      "",
      "Diff status                  Full filename",
      "-----------  -----  -------  -------------",
  };
  EXPECT_EQ(lines, expected);
  // Half of a pair ignored is not ignoring the pair.
  f.iFilter = static_cast<std::uint16_t>(0xFFFF & ~stNewer);
  EXPECT_EQ(DiffHeaderLines(f, s)[13], "Ignore options   : []");
  // With Recurse on, the warning lines go.
  s.Recurse = true;
  EXPECT_EQ(DiffHeaderLines(f, s)[2], "");
}

TEST(DiffReportLines, NameFieldSplitsAtTheLastDotAndPadsTheExtension) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a.txt", "       a.txt"},    {"sub\\README", "  README    "}, {"x.c", "       x.c  "},
      {"d.ir\\file", "    file    "}, {"archive.tar.gz", "archive.tar.gz "}, {".profile", "    .profile"},
      {"verylongname.html", "verylongname.html"},
  };
  for (const auto& [path, field] : cases) EXPECT_EQ(DiffNameField(path), field) << path;
}

TEST(DiffReportLines, SizesBeyond32BitsAreWrittenWhole) {
  FileList files;
  ScanRecord scan;
  scan.Path = "big\\disk.img";
  scan.NewSize = 3221225472ull;     // 3 GiB: ten digits fill the column
  scan.NewTime = 0x58610000;        // 2024-03-01 00:00:00
  FileEntry* e = files.CreateEntry(scan, Side::New);
  ASSERT_TRUE(e);
  e->Status = stInserted;
  Settings s;
  s.DiffSize = true;
  std::vector<TextPart> parts;
  DiffEntryLine(*e, stInserted, nullptr, DiffLineFormat{s, ChecksumKind::Crc32, nullptr}, parts);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0].text, "Inserted                     3221225472              big\\disk.img");
  e->NewSize = 12345678901ull;  // eleven digits run to the right
  DiffEntryLine(*e, stInserted, nullptr, DiffLineFormat{s, ChecksumKind::Crc32, nullptr}, parts);
  EXPECT_EQ(parts[0].text, "Inserted                     12345678901              big\\disk.img");
}

TEST(DiffReportLines, StatusTextsOfBothForms) {
  struct Case {
    std::uint16_t shown;
    bool quick;
    const char* longText;
    const char* shortText;
  };
  const std::vector<Case> cases = {
      {stIdentical, false, "Same                       ", "=  "},
      {stNewer | stBigger, false, "Same         Newer  Bigger ", "=NB"},
      {stNewer | stBigger, true, "Differs      Newer  Bigger ", "XNB"},
      {stCrcDiffers | stOlder | stSmaller, false, "CRC differs  Older  Smaller", "XOS"},
      {stInserted, false, "Inserted                   ", "I  "},
      {stDeleted, true, "Deleted                    ", "D  "},
      {stIdentical, true, "Same                       ", "=  "},
  };
  for (const Case& k : cases) {
    Settings s;
    s.Quick = k.quick;
    EXPECT_EQ(DiffStatusText(k.shown, s), k.longText) << k.shown << (k.quick ? " quick" : "");
    s.DiffShortStatus = true;
    EXPECT_EQ(DiffStatusText(k.shown, s), k.shortText) << k.shown << (k.quick ? " quick" : "");
  }
}

}  // namespace
}  // namespace quorvane
