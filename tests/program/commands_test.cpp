// The main window's commands as the window and the headless program call them: what each
// changes and the notices it raises.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "engine/file_entry.h"
#include "program/list_commands.h"
#include "program/output_commands.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/run_guarded.h"
#include "program/set_commands.h"
#include "program/sort_commands.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using Notices = std::vector<std::string>;

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() : ui(nullptr), program(ui, readers, writers) {
    program.settings.CloseProgressDlg = true;
    t.file("new/same.txt", "same");
    t.file("new/changed.txt", "new content");
    t.file("new/added.txt", "added");
    t.file("old/same.txt", "same");
    t.file("old/changed.txt", "old");
    t.file("old/gone.txt", "gone");
  }

  // A clock that runs 300 ms per reading: every pump point of a run pumps.
  void pumpAlways() {
    program.comparison.Progress.clock = [ms = std::uint64_t{0}]() mutable { return ms += 300; };
  }

  void chooseBoth() {
    ChooseSetDirectory(program, Side::New, t.path("new"));
    ChooseSetDirectory(program, Side::Old, t.path("old"));
  }

  std::vector<std::string> shownPaths() const {
    std::vector<std::string> paths;
    for (const FileEntry* e : program.comparison.Display.Items()) paths.emplace_back(e->Path());
    return paths;
  }

  std::string read(const std::string& relative) const {
    std::stringstream s;
    s << std::ifstream(t.path(relative), std::ios::binary).rdbuf();
    return s.str();
  }

  test::TempTree t;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
};

TEST_F(CommandsTest, ChoosingSetsAndDiffRaiseTheirNoticesInOrder) {
  chooseBoth();
  EXPECT_EQ(ui.notices(), (Notices{"results", "commands", "results", "commands"}));
  EXPECT_TRUE(program.comparison.State.Commands.Diff);

  ui.clearNotices();
  pumpAlways();
  bool runningDuringPump = false;
  ui.onPump = [&] { runningDuringPump = runningDuringPump || program.runInProgress; };
  Diff(program);
  EXPECT_TRUE(runningDuringPump);
  EXPECT_FALSE(program.runInProgress);
  EXPECT_EQ(ui.notices(), (Notices{"run started", "run ended", "results", "commands"}));
  EXPECT_EQ(program.comparison.Files.Count(), 4);
  EXPECT_FALSE(program.ended);  // not in automatic mode: the window stays
}

// A window pumps events during a run; a command pressed meanwhile must not re-enter the
// run or change the sets under it.
TEST_F(CommandsTest, CommandsDuringARunDoNothing) {
  chooseBoth();
  pumpAlways();
  bool tried = false;
  ui.onPump = [&] {
    if (tried) return;
    tried = true;
    ui.clearNotices();
    Diff(program);
    EXPECT_FALSE(TakeSnapshot(program));
    ResetDiff(program);
    SortBy(program, 1);
    ChooseSetDirectory(program, Side::Old, t.path("new"));
    EXPECT_FALSE(ChooseSetFile(program, Side::New, t.path("new/same.txt")));
    RemoveRows(program, {0});
    EXPECT_FALSE(CheckMovedFiles(program));
    EXPECT_FALSE(SaveDiffReport(program, t.path("r.dif")));
    EXPECT_TRUE(ui.notices().empty());
  };
  Diff(program);
  EXPECT_TRUE(tried);
  EXPECT_EQ(program.comparison.State.OldSet.Root, t.path("old/"));
  EXPECT_EQ(program.comparison.Files.Count(), 4);
  EXPECT_FALSE(std::ifstream(t.path("r.dif")).good());
}

TEST_F(CommandsTest, AFatalErrorOfARunEndsTheProgramAtTheGuardOnly) {
  chooseBoth();
  program.comparison.Files.MaximumFileCount = 2;
  ui.clearNotices();
  EXPECT_FALSE(RunGuarded(program, [&] { Diff(program); }));
  EXPECT_TRUE(program.ended);
  EXPECT_EQ(program.exitCode, 1);
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked().back().text, "Maximum file count reached, 3 files read.");
  EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Error);
  EXPECT_FALSE(program.runInProgress);
  EXPECT_EQ(ui.notices(), (Notices{"run started", "run ended", "results", "commands"}));

  // Without the guard the error reaches the caller: the core itself ends nothing.
  test::RecordingUserInterface ui2(nullptr);
  Program second(ui2, readers, writers);
  ChooseSetDirectory(second, Side::New, t.path("new"));
  ChooseSetDirectory(second, Side::Old, t.path("old"));
  second.comparison.Files.MaximumFileCount = 2;
  EXPECT_THROW(Diff(second), FatalError);
  EXPECT_FALSE(second.ended);
  EXPECT_TRUE(RunGuarded(second, [] {}));
}

TEST_F(CommandsTest, TakeSnapshotAsksAsTheSetsRequire) {
  struct Case {
    const char* what;
    bool chooseNew, chooseOld, resultsFirst;
    std::vector<platform::Answer> answers;
    bool started;
    std::string question;  // the start of the last message, "" for none
  } cases[] = {
      {"no New set", false, true, false, {}, false, "You must specify a NEW set of files"},
      {"New set alone", true, false, false, {}, true, ""},
      {"Old set chosen, Cancel", true, true, false, {platform::Answer::Cancel}, false,
       "Only a NEW set of files must be specified"},
      {"Old set chosen, Yes", true, true, false, {platform::Answer::Yes}, true,
       "Only a NEW set of files must be specified"},
      {"results in memory, Cancel", true, true, true, {platform::Answer::Cancel}, false,
       "A Diff or snapshot is already in memory."},
      {"results in memory, Yes", true, true, true, {platform::Answer::Yes}, true,
       "A Diff or snapshot is already in memory."},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    test::RecordingUserInterface u(nullptr);
    Program p(u, readers, writers);
    p.settings.CloseProgressDlg = true;
    if (k.chooseNew) ChooseSetDirectory(p, Side::New, t.path("new"));
    if (k.chooseOld) ChooseSetDirectory(p, Side::Old, t.path("old"));
    if (k.resultsFirst) Diff(p);
    const std::int32_t filesBefore = p.comparison.Files.Count();
    for (const platform::Answer a : k.answers) u.scriptAnswer(a);
    const std::size_t askedBefore = u.asked().size();

    EXPECT_EQ(TakeSnapshot(p), k.started);
    if (k.question.empty()) {
      EXPECT_EQ(u.asked().size(), askedBefore);
    } else {
      ASSERT_GT(u.asked().size(), askedBefore);
      EXPECT_EQ(u.asked()[askedBefore].text.rfind(k.question, 0), 0u) << u.asked()[askedBefore].text;
    }
    if (k.started) {
      EXPECT_TRUE(p.comparison.State.SnapshotMode);
      EXPECT_EQ(p.comparison.Files.Count(), 3);  // the New set alone
      if (!k.resultsFirst && k.chooseOld) {
        EXPECT_EQ(p.comparison.State.OldSet.Kind, SetKind::Nothing);
        EXPECT_EQ(p.selection.Selection(Side::Old).Label, "<Empty>");
      }
    } else {
      EXPECT_FALSE(p.comparison.State.SnapshotMode);
      EXPECT_EQ(p.comparison.Files.Count(), filesBefore);
      EXPECT_EQ(p.comparison.State.OldSet.Kind, k.chooseOld ? SetKind::Directory : SetKind::Nothing);
    }
  }
}

TEST_F(CommandsTest, ResetDiffDiscardsTheResultsAndKeepsTheSets) {
  chooseBoth();
  Diff(program);
  ui.clearNotices();
  ResetDiff(program);
  EXPECT_EQ(ui.notices(), (Notices{"results", "commands"}));
  EXPECT_EQ(program.comparison.Files.Count(), 0);
  EXPECT_EQ(program.comparison.Display.Count(), 0);
  EXPECT_EQ(program.comparison.State.NewSet.Root, t.path("new/"));
  EXPECT_EQ(program.comparison.State.OldSet.Root, t.path("old/"));
  EXPECT_TRUE(program.comparison.State.Commands.Diff);
}

TEST_F(CommandsTest, SortingTheSameColumnAgainReversesTheDisplay) {
  chooseBoth();
  Diff(program);
  SortBy(program, 1);  // New file name
  const std::vector<std::string> ascending = shownPaths();
  ASSERT_EQ(ascending.size(), 4u);
  ui.clearNotices();
  SortBy(program, 1);
  EXPECT_EQ(ui.notices(), (Notices{"results", "commands"}));
  EXPECT_TRUE(program.comparison.Display.Descending);
  EXPECT_EQ(shownPaths(), std::vector<std::string>(ascending.rbegin(), ascending.rend()));

  ui.clearNotices();
  SortBy(program, 10);
  SortBy(program, -1);
  SortByMenuItem(program, 0);
  EXPECT_TRUE(ui.notices().empty());
  EXPECT_TRUE(program.comparison.Display.Descending);
}

TEST_F(CommandsTest, CopyTakesTheSelectedRowsWhoseFileIsOnTheSelectedSide) {
  chooseBoth();
  Diff(program);
  SortBy(program, 0);  // full pathname: added, changed, gone, same
  ASSERT_EQ(shownPaths(), (std::vector<std::string>{"added.txt", "changed.txt", "gone.txt", "same.txt"}));
  struct Case {
    const char* what;
    std::vector<std::int32_t> rows;
    SelectedSide side;
    std::string text;
  } cases[] = {
      {"New side leaves Deleted out, top to bottom", {3, 2, 0}, SelectedSide::New, "added.txt\r\nsame.txt\r\n"},
      {"Old side leaves Inserted out", {0, 1, 2}, SelectedSide::Old, "changed.txt\r\ngone.txt\r\n"},
      {"repeated and out-of-range rows ignored", {1, 1, -1, 4, 99}, SelectedSide::New, "changed.txt\r\n"},
      {"nothing taken", {2}, SelectedSide::New, ""},
      {"no rows", {}, SelectedSide::Old, ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const std::size_t askedBefore = ui.asked().size();
    EXPECT_EQ(CopyPaths(program, k.rows, k.side), k.text);
    if (k.text.empty()) {
      ASSERT_EQ(ui.asked().size(), askedBefore + 1);
      EXPECT_EQ(ui.asked().back().text, "No file selected - nothing copied to clipboard");
      EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Warning);
    } else {
      EXPECT_EQ(ui.asked().size(), askedBefore);
    }
  }
}

TEST_F(CommandsTest, RemoveRowsKeepsTheFileListAndCheckMovedPairsTheRest) {
  t.file("new/sub/moved.txt", "moved");
  t.file("old/moved.txt", "moved");
  chooseBoth();
  Diff(program);
  SortBy(program, 0);
  const std::int32_t files = program.comparison.Files.Count();
  ui.clearNotices();
  RemoveRows(program, {0, 0});
  EXPECT_EQ(ui.notices(), (Notices{"results", "commands"}));
  EXPECT_EQ(program.comparison.Display.Count(), files - 1);
  EXPECT_EQ(program.comparison.Files.Count(), files);

  ui.clearNotices();
  EXPECT_TRUE(CheckMovedFiles(program));
  EXPECT_EQ(program.comparison.State.Stats.MovedCount, 1u);
  EXPECT_EQ(ui.notices(), (Notices{"results"}));
}

// A printer that records the lines printed.
class LinePrinter : public PrinterPort {
 public:
  struct Output : TextOutput {
    explicit Output(std::vector<std::string>& lines) : lines_(lines) {}
    bool WriteLine(const std::vector<TextPart>& parts) override {
      std::string line;
      for (const TextPart& p : parts) line += p.text;
      lines_.push_back(line);
      return true;
    }
    bool Close() override { return true; }
    std::vector<std::string>& lines_;
  };
  std::unique_ptr<TextOutput> OpenPrinter(const std::string&) override { return std::make_unique<Output>(lines); }
  std::vector<std::string> lines;
};

TEST_F(CommandsTest, OutputCommandsWriteWithTheSideNotesAndReachThePrinterOfTheInterface) {
  chooseBoth();
  Diff(program);
  program.comparison.State.ResultsSaved = false;
  ui.clearNotices();

  ASSERT_TRUE(SaveDiffReport(program, t.path("r.dif")));
  EXPECT_TRUE(program.comparison.State.ResultsSaved);
  const std::string report = read("r.dif");
  EXPECT_NE(report.find(program.selection.Selection(Side::New).Note), std::string::npos);
  EXPECT_NE(report.find("gone.txt"), std::string::npos);

  EXPECT_EQ(SaveSetListing(program, ListingKind::OldBatch, t.path("old.bat")), ListingOutcome::Complete);
  const std::string batch = read("old.bat");
  EXPECT_NE(batch.find("gone.txt"), std::string::npos);
  EXPECT_EQ(batch.find("added.txt"), std::string::npos);

  EXPECT_FALSE(PrintDiffReport(program));  // this interface has no printer
  auto printer = std::make_unique<LinePrinter>();
  LinePrinter* lines = printer.get();
  ui.setPrinter(std::move(printer));
  EXPECT_TRUE(PrintDiffReport(program));
  ASSERT_FALSE(lines->lines.empty());
  bool namesGone = false;
  for (const std::string& line : lines->lines) namesGone = namesGone || line.find("gone.txt") != std::string::npos;
  EXPECT_TRUE(namesGone);
  EXPECT_TRUE(ui.notices().empty());
}

TEST_F(CommandsTest, AnUnreadableSnapshotIsReportedWithItsPath) {
  t.file("not-a-snapshot.snp", "hello\r\n");
  EXPECT_FALSE(ChooseSetFile(program, Side::New, t.path("not-a-snapshot.snp")));
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Error);
  EXPECT_EQ(ui.asked().back().subject.path, t.path("not-a-snapshot.snp"));
  EXPECT_EQ(program.comparison.State.NewSet.Kind, SetKind::Nothing);
}

}  // namespace
}  // namespace quorvane
