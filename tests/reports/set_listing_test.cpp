#include "reports/set_listing.h"

#include <gtest/gtest.h>

#include "engine/add_file.h"
#include "engine/value_text.h"
#include "platform/file_replace.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "platform/text_file.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using platform::Answer;

std::string contentsOf(const std::string& path) {
  std::string text;
  platform::readWholeFile(path, text);
  return text;
}

// Keeps the lines printed.
class RecordingOutput : public TextOutput {
 public:
  explicit RecordingOutput(std::vector<std::vector<TextPart>>& lines) : lines_(lines) {}
  bool WriteLine(const std::vector<TextPart>& parts) override {
    lines_.push_back(parts);
    return true;
  }
  bool Close() override { return true; }

 private:
  std::vector<std::vector<TextPart>>& lines_;
};

class RecordingPrinter : public PrinterPort {
 public:
  std::unique_ptr<TextOutput> OpenPrinter(const std::string&) override {
    ++opened;
    return std::make_unique<RecordingOutput>(lines);
  }
  std::string PrinterName() override { return "Office Laser"; }
  bool SetFontName(const std::string& name) override { return name != "Refused"; }
  std::vector<std::vector<TextPart>> lines;
  int opened = 0;
};

const std::uint32_t kTime = PackTime({2024, 3, 5, 14, 7, 8});

class SetListingTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  SetListingTest() : ComparisonFixture(nullptr) {
    settings.CloseProgressDlg = true;
    c.State.NewSet = {SetKind::Directory, "/data/", ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, "/backup/", ChecksumKind::Crc32};
    options.clock = [] { return LocalDateTime{2024, 3, 5, 14, 7, 9}; };
    populate(c);
  }

  // same.txt identical, sub\inserted.txt inserted (3,000,000,000 bytes), gone.txt deleted.
  static void populate(Comparison& run) {
    run.State.NewSet = {SetKind::Directory, "/data/", ChecksumKind::Crc32};
    run.State.OldSet = {SetKind::Directory, "/backup/", ChecksumKind::Crc32};
    add(run, Side::New, "same.txt", 10, 0x11111111);
    add(run, Side::Old, "same.txt", 10, 0x11111111);
    add(run, Side::New, "sub\\inserted.txt", 3000000000ull, 0x22222222);
    add(run, Side::Old, "gone.txt", 5, 0x33333333);
    run.State.ResultsSaved = false;
  }

  void add(Side side, const std::string& path, std::uint64_t size, std::uint32_t crc) { add(c, side, path, size, crc); }
  static void add(Comparison& run, Side side, const std::string& path, std::uint64_t size, std::uint32_t crc) {
    ScanRecord& s = run.Scan;
    s.Path = path;
    (side == Side::New ? s.NewSize : s.OldSize) = size;
    (side == Side::New ? s.NewTime : s.OldTime) = kTime;
    (side == Side::New ? s.NewCRC : s.OldCRC) = crc;
    AddFile(run, side);
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& a : ui.asked()) out.push_back(a.text);
    return out;
  }

  test::TempTree tree;
  ListingOptions options;
};

const std::string kNewBody =
    "        10 2024/03/05 14:07:08 0000 11111111 same.txt\r\n"
    "3000000000 2024/03/05 14:07:08 0000 22222222 sub\\inserted.txt\r\n";

TEST_F(SetListingTest, NewSnapshotToAFile) {
  const std::string path = tree.path("new.snp");
  EXPECT_EQ(WriteSetListing(c, path, ListingKind::NewSnapshot, options), ListingOutcome::Complete);
  const std::string text = contentsOf(path);
  ASSERT_GT(text.size(), 100u);
  EXPECT_EQ(text.substr(0, 60), "[Pelto LIST]\r\n\r\n.Version 1.6\r\n.Source (DIRECTORY) : /data/\r\n");
  EXPECT_NE(text.find(".Generated on       : 03/05/2024 14:07:09\r\n\r\n"), std::string::npos);
  const std::string dashes = "---------- ---------- -------- ---- -------- ------------\r\n";
  EXPECT_EQ(text.substr(text.find(dashes)), dashes + kNewBody + dashes + ".2 files listed.\r\n");
  EXPECT_TRUE(c.State.ResultsSaved);
  EXPECT_TRUE(ui.asked().empty());
  const auto& p = ui.printProgress();
  EXPECT_EQ(p.caption, "Saving");
  EXPECT_EQ(p.status, "Saving new.snp");
  EXPECT_EQ(p.status2, (std::vector<std::string>{"...", "Operation complete."}));
  EXPECT_EQ(p.bars.back(), 100);
  EXPECT_FALSE(p.visible);
  EXPECT_FALSE(p.closedModally);  // CloseProgressDlg
}

TEST_F(SetListingTest, OverwriteConfirmation) {
  struct Case {
    bool autoMode;
    bool confirm;
    Answer answer;
    bool asked;
    ListingOutcome outcome;
  } cases[] = {
      {false, true, Answer::Yes, true, ListingOutcome::Complete},
      {false, true, Answer::Cancel, true, ListingOutcome::NotWritten},
      {false, true, Answer::No, true, ListingOutcome::NotWritten},
      {false, false, Answer::Cancel, false, ListingOutcome::Complete},
      {true, true, Answer::Cancel, false, ListingOutcome::Complete},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE("AutoMode " + std::to_string(k.autoMode) + " ConfirmOverwrite " + std::to_string(k.confirm) +
                 " answer " + std::to_string(static_cast<int>(k.answer)));
    test::RecordingUserInterface answers(nullptr);
    Comparison run(settings, answers);
    tree.file("exists.bat", "keep me\r\n");
    settings.AutoMode = k.autoMode;
    settings.ConfirmOverwrite = k.confirm;
    answers.scriptAnswer(k.answer);
    populate(run);
    const std::string path = tree.path("exists.bat");
    EXPECT_EQ(WriteSetListing(run, path, ListingKind::NewBatch, options), k.outcome) << k.autoMode << k.confirm;
    if (k.asked) {
      ASSERT_FALSE(answers.asked().empty());
      EXPECT_EQ(answers.asked()[0].text, "File already exists : \r\r" + path + "\r\rDo you want to overwrite it ?\r");
      EXPECT_EQ(answers.asked()[0].buttons, platform::MessageButtons::YesCancel);
    } else {
      EXPECT_TRUE(answers.asked().empty());
    }
    if (k.outcome == ListingOutcome::NotWritten) {
      EXPECT_EQ(answers.asked().back().text, "File was not saved.");
      EXPECT_EQ(contentsOf(path), "keep me\r\n");
      EXPECT_EQ(answers.printProgress().opens, 0);
    } else {
      EXPECT_EQ(contentsOf(path), "same.txt\r\nsub/inserted.txt\r\n");
    }
  }
}

TEST_F(SetListingTest, AppendKeepsWhatTheFileHeld) {
  settings.ConfirmOverwrite = false;
  tree.file("out.bat", "echo start\r\n");
  options.append = true;
  settings.BatchBefore = "rm ";
  ASSERT_EQ(WriteSetListing(c, tree.path("out.bat"), ListingKind::OldBatch, options), ListingOutcome::Complete);
  EXPECT_EQ(contentsOf(tree.path("out.bat")), "echo start\r\nrm gone.txt\r\nrm same.txt\r\n");
}

TEST_F(SetListingTest, AnOutputThatCannotBeCreatedIsReportedAndNothingElseHappens) {
  const std::string path = tree.path("missing-dir/new.snp");
  EXPECT_EQ(WriteSetListing(c, path, ListingKind::NewSnapshot, options), ListingOutcome::NotWritten);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error writing :\r" + path}));
  EXPECT_EQ(ui.asked()[0].kind, platform::MessageKind::Error);
  EXPECT_FALSE(c.State.ResultsSaved);
  EXPECT_EQ(ui.printProgress().opens, 0);
}

TEST_F(SetListingTest, AWriteFailureIsNeverReportedAsSaved) {
  // /dev/full accepts the open and fails every write: with a short listing the failure
  // shows when the buffer is flushed at closing, with a long one part-way.
  if (!platform::pathExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  settings.ConfirmOverwrite = false;
  for (int extra : {0, 5000}) {
    test::RecordingUserInterface failing(nullptr);
    Comparison run(settings, failing);
    populate(run);
    for (int i = 0; i < extra; ++i) add(run, Side::New, "many\\file" + std::to_string(i) + ".txt", 1, 0);
    EXPECT_EQ(WriteSetListing(run, "/dev/full", ListingKind::NewSnapshot, options), ListingOutcome::NotComplete);
    EXPECT_FALSE(run.State.ResultsSaved) << extra;
    ASSERT_EQ(failing.asked().size(), 1u);
    EXPECT_EQ(failing.asked()[0].text, "Error writing :\r/dev/full");
    EXPECT_EQ(failing.printProgress().status2.back(), "Operation not complete.");
  }
}

TEST_F(SetListingTest, AbortEndsTheLoopWithoutFooter) {
  for (int i = 0; i < 1000; ++i) add(Side::New, "many\\f" + std::to_string(i), 1, 0);
  std::uint64_t now = 0;
  options.progressClock = [&] { return now += 150; };
  int pumps = 0;
  ui.onPump = [&] {
    if (++pumps % 3 == 0) ui.requestAbort();
  };
  settings.CloseProgressDlg = false;
  const std::string path = tree.path("aborted.snp");
  EXPECT_EQ(WriteSetListing(c, path, ListingKind::NewSnapshot, options), ListingOutcome::Aborted);
  const std::string text = contentsOf(path);
  EXPECT_EQ(text.find(" files listed."), std::string::npos);
  EXPECT_FALSE(c.State.ResultsSaved);
  const auto& p = ui.printProgress();
  EXPECT_EQ(p.status2.back(), "Operation aborted by user.");
  EXPECT_NE(p.bars.back(), 100);
  EXPECT_TRUE(p.closedModally);
  // The next listing starts with the abort flag cleared.
  EXPECT_EQ(WriteSetListing(c, tree.path("again.bat"), ListingKind::NewBatch, options), ListingOutcome::Aborted);
  EXPECT_NE(contentsOf(tree.path("again.bat")), "");  // an aborted batch file keeps its lines
}

TEST_F(SetListingTest, ListingMasksOfTheFourKinds) {
  struct Case {
    ListingKind kind;
    std::uint16_t xFilter;
    std::string text;
  } cases[] = {
      {ListingKind::NewBatch, 0xFFFF, "same.txt\r\nsub/inserted.txt\r\n"},
      {ListingKind::OldBatch, 0xFFFF, "gone.txt\r\nsame.txt\r\n"},
      {ListingKind::NewBatch, 0xFFFF & ~stIdentical, "sub/inserted.txt\r\n"},
      {ListingKind::OldBatch, 0xFFFF & ~stIdentical, "gone.txt\r\n"},
      {ListingKind::OldBatch, 0xFFFF & ~stDeleted, "same.txt\r\n"},
  };
  settings.ConfirmOverwrite = false;
  for (const Case& k : cases) {
    c.Files.XFilter = k.xFilter;
    ASSERT_EQ(WriteSetListing(c, tree.path("out.bat"), k.kind, options), ListingOutcome::Complete);
    EXPECT_EQ(contentsOf(tree.path("out.bat")), k.text) << int(k.kind) << " " << k.xFilter;
  }
  // Snapshot mode lists every entry, the CRC-16 (held in Status) in the CR16 column.
  c.State.SnapshotMode = true;
  c.Files.Find("same.txt")->Status = 0xBEEF;
  ASSERT_EQ(WriteSetListing(c, tree.path("snap.snp"), ListingKind::NewSnapshot, options), ListingOutcome::Complete);
  EXPECT_NE(contentsOf(tree.path("snap.snp")).find(" 2024/03/05 14:07:08 BEEF 11111111 same.txt\r\n"),
            std::string::npos);
}

TEST_F(SetListingTest, NamesWithLineBreaksAreLeftOutAndCounted) {
  add(Side::New, "evil\nrm -rf ~", 1, 0);
  add(Side::New, "cr\rname", 1, 0);
  settings.BatchBefore = "cp ";
  ASSERT_EQ(WriteSetListing(c, tree.path("out.bat"), ListingKind::NewBatch, options), ListingOutcome::Complete);
  EXPECT_EQ(contentsOf(tree.path("out.bat")), "cp same.txt\r\ncp sub/inserted.txt\r\n");
  EXPECT_EQ(texts(), (std::vector<std::string>{"2 file(s) not listed : their names hold a line break."}));
  ASSERT_EQ(WriteSetListing(c, tree.path("out.snp"), ListingKind::NewSnapshot, options), ListingOutcome::Complete);
  EXPECT_NE(contentsOf(tree.path("out.snp")).find(".2 files listed.\r\n"), std::string::npos);

  // Each name left out is a problem of the run: its path as held, one line on the terminal.
  ASSERT_EQ(c.Problems.Count(), 4u);
  EXPECT_EQ(c.Problems.Kept()[1].path, "evil\nrm -rf ~");
  EXPECT_EQ(c.Problems.Lines(), (std::vector<std::string>{
                                    "cr?name: left out of the batch file: the name holds a line break",
                                    "evil?rm -rf ~: left out of the batch file: the name holds a line break",
                                    "cr?name: left out of the snapshot: the name holds a line break",
                                    "evil?rm -rf ~: left out of the snapshot: the name holds a line break",
                                }));
}

TEST_F(SetListingTest, ToThePrinter) {
  RecordingPrinter printer;
  options.printer = &printer;
  settings.PrinterFontName = "Refused";
  tree.file("[Printer]", "never asked about");
  EXPECT_EQ(WriteSetListing(c, "[Printer]", ListingKind::OldSnapshot, options), ListingOutcome::Complete);
  ASSERT_EQ(printer.opened, 1);
  ASSERT_EQ(printer.lines.size(), 21u);
  EXPECT_EQ(printer.lines[3][0].text, ".Source (DIRECTORY) : /backup/");
  EXPECT_EQ(printer.lines[17][0].text, "         5 2024/03/05 14:07:08 0000 33333333 gone.txt");
  EXPECT_EQ(printer.lines[20][0].text, ".2 files listed.");
  for (const auto& line : printer.lines) EXPECT_EQ(line[0].style, tsPlain);
  EXPECT_EQ(texts(), (std::vector<std::string>{"Error setting printer font name"}));
  const auto& p = ui.printProgress();
  EXPECT_EQ(p.caption, "Printing");
  EXPECT_EQ(p.status, "Office Laser");
  EXPECT_EQ(p.status2.front(), "Work in progress");
  EXPECT_TRUE(c.State.ResultsSaved);

  // In automatic mode a refused font says nothing; without a printer the open fails.
  test::RecordingUserInterface quiet(nullptr);
  Comparison automatic(settings, quiet);
  settings.AutoMode = true;
  EXPECT_EQ(WriteSetListing(automatic, "[Printer]", ListingKind::NewSnapshot, options), ListingOutcome::Complete);
  EXPECT_TRUE(quiet.asked().empty());
  options.printer = nullptr;
  EXPECT_EQ(WriteSetListing(automatic, "[Printer]", ListingKind::NewSnapshot, options), ListingOutcome::NotWritten);
  EXPECT_EQ(quiet.asked().back().text, "Error writing :\r[Printer]");
}

}  // namespace
}  // namespace quorvane
