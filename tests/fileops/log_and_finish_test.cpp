// The operation log's text and failures, and the end of a run: the finished status
// window and the warning that files changed.
#include <regex>

#include "fileops/fileops_fixture.h"
#include "fileops/prompt_texts.h"

namespace quorvane::test {
namespace {

using fileops::OperationCode;
using fileops::OutcomeCode;
using fileops::RunKind;
using platform::FileAction;
namespace texts = fileops::texts;

std::tm fixedTime() {
  std::tm t{};
  t.tm_year = 2012 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 15;
  t.tm_hour = 14;
  t.tm_min = 5;
  t.tm_sec = 9;
  return t;
}

TEST(OperationLogText, DateAndTimePattern) {
  EXPECT_EQ(fileops::LogDateTime(fixedTime()), "2012/03/15  14:05:09");
}

TEST(OperationLogText, HeadersClosingLinesAndAppending) {
  TempTree tree;
  platform::LocalFileSystem fs;
  fileops::OperationLog log(fs, fixedTime);
  const std::string path = tree.path("sync.log");
  ASSERT_TRUE(log.open(path, true, RunKind::FileOperation));
  ASSERT_TRUE(log.begin("COPY /n/a >> /o/ ... "));
  ASSERT_TRUE(log.finish("OK"));
  ASSERT_TRUE(log.close(RunKind::FileOperation));
  const std::string first = "\r\nFile operation started 2012/03/15  14:05:09\r\n" + std::string(43, '-') +
                            "\r\nCOPY /n/a >> /o/ ... OK\r\n";
  EXPECT_EQ(contentsOf(path), first);

  ASSERT_TRUE(log.open(path, false, RunKind::Synchronization));
  ASSERT_TRUE(log.close(RunKind::Synchronization));
  const std::string second = "\r\nSynchronization started 2012/03/15  14:05:09\r\n" + std::string(44, '-') + "\r\n" +
                             std::string(44, '-') + "\r\nSynchronization finished 2012/03/15  14:05:09\r\n";
  EXPECT_EQ(contentsOf(path), first + second) << "\"Clear log\" off appends";

  ASSERT_TRUE(log.open(path, true, RunKind::Synchronization));
  ASSERT_TRUE(log.close(RunKind::Synchronization));
  EXPECT_EQ(contentsOf(path), second) << "\"Clear log\" on starts afresh";
}

TEST_F(FileOpsTest, ARunLogsEveryFileWithItsWord) {
  tree.file("new/sub/a.txt", "a");
  tree.file("new/b.dat", "b");
  tree.file("old/b.dat", "old b");
  tree.file("old/gone.txt", "g");
  engine.Options.cbConfirmReplace = true;
  engine.Options.cbLog = true;
  ui.scriptFileAction(FileAction::Skip);  // b.dat exists
  ASSERT_TRUE(engine.OpenLog(RunKind::FileOperation));
  startRun(1, 3);
  engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("sub\\a.txt", 1), false);
  engine.CopyEntry(OperationCode::CopyNewToOld, 2, entry("b.dat", 1, 5), false);
  engine.DeleteEntry(OperationCode::DeleteOld, 3, entry("gone.txt", 0, 1), false);
  engine.CloseLog(RunKind::FileOperation);
  const std::string log = logText();
  const std::regex pattern(
      "\r\nFile operation started \\d{4}/\\d\\d/\\d\\d  \\d\\d:\\d\\d:\\d\\d\r\n-{43}\r\n"
      "COPY [^\r\n]*/new/sub/a\\.txt >> [^\r\n]*/old/ \\.\\.\\. OK\r\n"
      "COPY [^\r\n]*/new/b\\.dat >> [^\r\n]*/old/ \\.\\.\\. SKIPPED\r\n"
      "DEL  [^\r\n]*/old/gone\\.txt \\.\\.\\. OK\r\n");
  EXPECT_TRUE(std::regex_match(log, pattern)) << log;
  EXPECT_EQ(status.resultCaption(1), std::string("Skip"));
}

TEST_F(FileOpsTest, TheLineBeginningReachesTheFileBeforeThePrompt) {
  engine.Options.cbConfirmReplace = true;
  engine.Options.cbLog = true;
  tree.file("new/a", "a");
  tree.file("old/a", "b");
  std::string seen;
  ASSERT_TRUE(engine.OpenLog(RunKind::FileOperation));
  startRun();
  ui.onQuestion = [&] { seen = logText(); };
  engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 1, 1), false);
  EXPECT_NE(seen.find("COPY " + newPath("a") + " >> " + tree.path("old/") + " ... "), std::string::npos) << seen;
}

TEST_F(FileOpsTest, ALogThatCannotBeOpenedIsReportedByTheRunKind) {
  engine.Options.cbLog = true;
  fs.logOpenFault = Fault{-1, EACCES};
  EXPECT_FALSE(engine.OpenLog(RunKind::FileOperation));
  EXPECT_FALSE(engine.OpenLog(RunKind::Synchronization));
  ASSERT_EQ(ui.questions().size(), 2u);
  EXPECT_EQ(ui.questions()[0].text, texts::kFileOpLogFailed);
  EXPECT_EQ(ui.questions()[1].text, texts::kSyncLogFailed);
  EXPECT_EQ(ui.questions()[1].kind, platform::MessageKind::Error);
}

TEST_F(FileOpsTest, ALogWriteFailureTurnsLoggingOffAndTheRunGoesOn) {
  engine.Options.cbLog = true;
  tree.file("new/a", "a");
  tree.file("new/b", "b");
  ASSERT_TRUE(engine.OpenLog(RunKind::FileOperation));
  fs.logWritesBeforeFault = fs.logWrites + 1;  // the first line's beginning is written, its end fails
  fs.logWriteFault = Fault{-1, EIO};
  startRun(1, 2);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 1), false), OutcomeCode::Ok);
  EXPECT_EQ(engine.CopyEntry(OperationCode::CopyNewToOld, 2, entry("b", 1), false), OutcomeCode::Ok);
  EXPECT_FALSE(engine.Options.cbLog) << "\"Log file\" unticked";
  ASSERT_EQ(ui.questions().size(), 1u);
  EXPECT_EQ(ui.questions()[0].text, texts::kLogWriteFailed);
  EXPECT_EQ(ui.questions()[0].text, "Error writing to the log file.\rLog file now desactivated");
  EXPECT_EQ(contentsOf(oldPath("b")), "b");
}

TEST_F(FileOpsTest, AutomaticModeLeavesOutTheMessageOfAFailedLineBeginning) {
  settings.AutoMode = true;
  engine.Options.cbLog = true;
  tree.file("new/a", "a");
  ASSERT_TRUE(engine.OpenLog(RunKind::Synchronization));
  fs.logWritesBeforeFault = fs.logWrites;
  fs.logWriteFault = Fault{-1, EIO};
  startRun();
  engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 1), false);
  engine.CloseLog(RunKind::Synchronization);
  EXPECT_TRUE(ui.questions().empty());
  EXPECT_FALSE(engine.Options.cbLog);
}

TEST_F(FileOpsTest, FinishRunShowsTheFinishedWindowThenOffersToResetTheComparison) {
  struct Face : fileops::FileOpStatusFace {
    void statusChanged(unsigned) override {}
    void showModeless() override { events.push_back("modeless"); }
    void showModal() override { events.push_back("modal " + model->LStatus() + " " + model->AbortCaption()); }
    void hideWindow() override { events.push_back("hide"); }
    fileops::FileOpStatusModel* model = nullptr;
    std::vector<std::string> events;
  } face;
  face.model = &status;
  status.setFace(&face);
  tree.file("new/a", "a");

  for (const bool ok : {true, false}) {
    int resets = 0;
    ui.scriptAnswer(ok ? platform::Answer::Ok : platform::Answer::Cancel);
    startRun();
    engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 1), false);
    EXPECT_EQ(engine.FinishRun([&] { ++resets; }),
              ok ? fileops::FinishChoice::ResetDiff : fileops::FinishChoice::KeepResults);
    EXPECT_EQ(resets, ok ? 1 : 0);
    ASSERT_FALSE(ui.questions().empty());
    EXPECT_EQ(ui.questions().back().text, texts::kFilesChangedCaution);
    EXPECT_EQ(ui.questions().back().buttons, platform::MessageButtons::OkCancel);
  }
  EXPECT_EQ(face.events, (std::vector<std::string>{"modeless", "hide", "modal Complete. Close", "modeless", "hide",
                                                   "modal Complete. Close"}));
  EXPECT_EQ(status.resultCount(), 0u) << "reset after the finished window";
  EXPECT_EQ(status.AbortCaption(), "Abort");
  status.setFace(nullptr);
}

TEST_F(FileOpsTest, NoWarningWithoutChangesOrWithSyncWarningOff) {
  tree.file("new/a", "a");
  startRun(1, 1, true);
  engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 1), false);
  EXPECT_EQ(engine.FinishRun({}), fileops::FinishChoice::KeepResults) << "a simulation changes nothing";
  settings.SyncWarning = false;
  startRun();
  engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("a", 1), false);
  EXPECT_EQ(engine.FinishRun({}), fileops::FinishChoice::KeepResults);
  EXPECT_TRUE(ui.questions().empty());
}

}  // namespace
}  // namespace quorvane::test
