// The texts of the comparison status window, from a run's figures and from hand-made ones.
#include <gtest/gtest.h>

#include "engine/status_summary.h"
#include "program/program.h"
#include "program/report_writers.h"
#include "program/output_commands.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "program/status_texts.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

TEST(StatusTextsTest, ElapsedTextHasTwoDigitFieldsThenMilliseconds) {
  struct Case {
    std::uint64_t ms;
    const char* text;
  };
  const Case cases[] = {
      {65250, "00:01:05  250'"},     {0, "00:00:00  0'"},           {999, "00:00:00  999'"},
      {1000, "00:00:01  0'"},        {3599999, "00:59:59  999'"},   {3600000, "01:00:00  0'"},
      {360000000, "100:00:00  0'"},  // a hundred hours widens the hours, nothing wraps
  };
  for (const Case& c : cases) EXPECT_EQ(StatusElapsedText(c.ms), c.text) << c.ms << " ms";
}

TEST(StatusTextsTest, EveryLabelFromItsFigure) {
  platform::StatusSummary s;
  s.filesCompared = 1234567;
  s.matching = 12;
  s.newDuplicates = 2;
  s.oldDuplicates = 3;
  s.filesInError = 4;
  for (std::uint32_t i = 0; i < 8; ++i) s.shownCounts[i] = 10 + i;
  s.memoryUsed = 1024 * 1024 + 1023;  // whole kilobytes only
  s.elapsedMs = 65250;
  s.saved = false;
  s.subdirectoriesWarning = true;

  const StatusTexts t = StatusTextsOf(s);
  EXPECT_EQ(t.compared, "1234567");  // plain decimal, no thousands separators
  EXPECT_EQ(t.matching, "12");
  EXPECT_EQ(t.newDuplicates, "2");
  EXPECT_EQ(t.oldDuplicates, "3");
  EXPECT_EQ(t.filesInError, "4");
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(t.shown[i], std::to_string(10 + i)) << "status " << i;
  EXPECT_EQ(t.memory, "1024 kb used");
  EXPECT_EQ(t.elapsed, "00:01:05  250'");
  EXPECT_EQ(t.saveStatus, "Not saved");
  EXPECT_FALSE(t.saved);
  EXPECT_TRUE(t.warningVisible);

  s.saved = true;
  s.subdirectoriesWarning = false;
  EXPECT_EQ(StatusTextsOf(s).saveStatus, "Saved");
  EXPECT_FALSE(StatusTextsOf(s).warningVisible);
}

class StatusAfterRunTest : public ::testing::Test {
 protected:
  StatusAfterRunTest() : ui(nullptr), program(ui, readers, writers) {
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = true;
    tree.file("new/same.txt", "same");
    tree.file("new/added.txt", "added");
    tree.file("old/same.txt", "same");
    tree.file("old/gone.txt", "gone");
    tree.file("old/gone2.txt", "gone too");
    ChooseSetDirectory(program, Side::New, tree.path("new"));
    ChooseSetDirectory(program, Side::Old, tree.path("old"));
  }

  test::TempTree tree;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
};

TEST_F(StatusAfterRunTest, TheWindowShownAfterARunHoldsItsCountsDurationAndSaveState) {
  // The run starts at 5000 ms and every later reading of the clock says 70250 ms.
  program.comparison.Progress.clock = [calls = 0]() mutable -> std::uint64_t { return calls++ == 0 ? 5000 : 70250; };
  Diff(program);
  ASSERT_TRUE(ui.statusWindowShown());
  const StatusTexts t = StatusTextsOf(ui.lastSummary());
  EXPECT_EQ(t.compared, "5");  // every file read, both sides
  EXPECT_EQ(t.matching, "4");
  EXPECT_EQ(t.shown[0], "1");  // same.txt
  EXPECT_EQ(t.shown[2], "1");  // added.txt
  EXPECT_EQ(t.shown[3], "2");  // gone.txt, gone2.txt
  EXPECT_EQ(t.filesInError, "0");
  EXPECT_EQ(t.elapsed, "00:01:05  250'");
  EXPECT_EQ(t.memory, std::to_string(program.comparison.Files.MemoryUsed() / 1024) + " kb used");
  EXPECT_EQ(t.saveStatus, "Not saved");
  EXPECT_FALSE(t.warningVisible);

  // Shown later from the Status command: the report has been saved since.
  ASSERT_TRUE(SaveDiffReport(program, tree.path("r.dif")));
  EXPECT_EQ(StatusTextsOf(StatusSummaryOf(program.comparison)).saveStatus, "Saved");
  EXPECT_EQ(StatusTextsOf(StatusSummaryOf(program.comparison)).elapsed, "00:01:05  250'");
}

TEST_F(StatusAfterRunTest, TheSubdirectoriesWarningShowsOnlyWithoutRecursion) {
  program.comparison.State.SubdirectoriesWarning = true;
  program.settings.Recurse = false;
  EXPECT_TRUE(StatusSummaryOf(program.comparison).subdirectoriesWarning);
  program.settings.Recurse = true;
  EXPECT_FALSE(StatusSummaryOf(program.comparison).subdirectoriesWarning);
}

}  // namespace
}  // namespace quorvane
