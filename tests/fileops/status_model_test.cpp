// The status window's state without a window: progress figures, counters, the result
// list and the Abort button.
#include <gtest/gtest.h>

#include <chrono>

#include "engine/file_list.h"
#include "fileops/scripted_user_interface.h"
#include "fileops/status_model.h"

namespace quorvane::test {
namespace {

using fileops::FileOpStatusModel;
using fileops::OutcomeCode;

TEST(StatusModel, ResetSetsTheCaptionTheCountersAndTheButton) {
  FileOpStatusModel m;
  m.Counters().Errors = 3;
  m.ResetStatus(true, 1, 10);
  EXPECT_EQ(m.Caption(), "File operation status - SIMULATION MODE");
  EXPECT_TRUE(m.SlowSimulationEnabled());
  EXPECT_EQ(m.LCompletion(), "n/a");
  EXPECT_EQ(m.Counters().Errors, 0u);
  EXPECT_EQ(m.AbortCaption(), "Abort");
  m.ResetStatus(false, 1, 0);
  EXPECT_EQ(m.Caption(), "File operation status");
  EXPECT_FALSE(m.SlowSimulationEnabled());
}

TEST(StatusModel, ProgressFiguresRoundToTheNearestPercent) {
  struct Case {
    int first, last, row;
    int percent;
    const char* completion;
  };
  for (const Case& c : {Case{1, 3, 1, 33, "1 of 3 (33 %)"}, Case{1, 3, 2, 67, "2 of 3 (67 %)"},
                        Case{5, 12, 12, 100, "8 of 8 (100 %)"}, Case{1, 0, 1, 0, "1 of 0 (0 %)"},
                        Case{1, 200, 1, 1, "1 of 200 (1 %)"}}) {
    FileOpStatusModel m;
    m.ResetStatus(false, c.first, c.last);
    m.ShowProgress("x", c.row);
    EXPECT_EQ(m.TotalBar(), c.percent) << c.completion;
    EXPECT_EQ(m.LCompletion(), c.completion);
    EXPECT_EQ(m.LStatus(), "Processing x");
  }
}

TEST(StatusModel, FileBarAndRefreshTotal) {
  FileOpStatusModel m;
  m.ResetStatus(false, 1, 4);
  m.StartFile("COPYING a", "/n/", 1000, 3, "/o/");
  EXPECT_EQ(m.TotalBar(), 0) << "the total bar moves at RefreshTotal";
  m.SetFileProgress(505);
  EXPECT_EQ(m.FileBar(), 51);
  m.RefreshTotal();
  EXPECT_EQ(m.TotalBar(), 75);
  EXPECT_EQ(m.LCompletion(), "3 of 4 (75 %)");
  m.StartFile("DELETING b", "/n/", 0, 4, "n/a");
  m.SetFileProgress(10);
  EXPECT_EQ(m.FileBar(), 0) << "an empty file";
  EXPECT_EQ(m.LDest(), "n/a");
}

TEST(StatusModel, CountersShowWhenUpdatedAndErrorsTurnRed) {
  FileOpStatusModel m;
  m.ResetStatus(false, 1, 1);
  ++m.Counters().Created;
  EXPECT_EQ(m.ShownCounters().Created, 0u);
  m.UpdateCounters();
  EXPECT_EQ(m.ShownCounters().Created, 1u);
  EXPECT_FALSE(m.ErrorsRed());
  ++m.Counters().Errors;
  m.RefreshTotal();
  EXPECT_TRUE(m.ErrorsRed());
}

TEST(StatusModel, AHundredThousandResultsAreKeptCompactlyAndReadOnDemand) {
  FileList list;
  ScanRecord r;
  r.Path = "dir\\file.txt";
  const FileEntry& e = *list.CreateEntry(r, Side::New);
  FileOpStatusModel m;
  m.ResetStatus(true, 1, 100'000);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100'000; ++i)
    m.AddResult(i % 8, i % 3 == 0 ? OutcomeCode::Ok : OutcomeCode::Skip, e, "/a/long/target/directory/of/the/run/");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 500);
  ASSERT_EQ(m.resultCount(), 100'000u);
  EXPECT_EQ(sizeof(fileops::TStatusItem), 16u) << "no string per row";
  EXPECT_EQ(m.resultCaption(0), std::string("Simulation Ok"));
  EXPECT_EQ(m.resultCaption(1), std::string("Skip"));
  EXPECT_EQ(m.resultPath(99'999), "dir\\file.txt");
  EXPECT_EQ(m.targetText(m.result(5)), "/a/long/target/directory/of/the/run/");
}

TEST(StatusModel, AbortAsksOnceThenCloseCloses) {
  fileops::ScriptedUserInterface ui;
  FileOpStatusModel m;
  m.ResetStatus(false, 1, 1);
  ui.scriptAnswer(platform::Answer::Cancel);
  EXPECT_FALSE(m.bnAbortClick(ui));
  EXPECT_FALSE(ui.abortRequested());
  ui.scriptAnswer(platform::Answer::Ok);
  EXPECT_FALSE(m.bnAbortClick(ui));
  EXPECT_TRUE(ui.abortRequested());
  EXPECT_FALSE(m.AbortEnabled());
  EXPECT_FALSE(m.bnAbortClick(ui)) << "no second question while the abort is pending";
  ASSERT_EQ(ui.questions().size(), 2u);
  EXPECT_EQ(ui.questions()[0].text, " Interrupted : Click Ok to abort the current operation");
  m.ShowComplete();
  EXPECT_TRUE(m.bnAbortClick(ui));
  EXPECT_EQ(m.LStatus(), "Complete.");
  EXPECT_EQ(m.LSource(), "");
}

}  // namespace
}  // namespace quorvane::test
