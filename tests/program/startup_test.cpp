#include "program/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "program/termine.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

struct RecordingWriters : ResultWriters {
  std::vector<std::string> written;
  bool succeed = true;
  bool WriteDiffReport(Program& p, const std::string& target, bool append) override {
    written.push_back("report " + target + (append ? " +" : "") + " " + std::to_string(p.comparison.Files.Count()));
    return succeed;
  }
  bool WriteSnapshot(Program& p, const std::string& target, bool append) override {
    written.push_back("snapshot " + target + (append ? " +" : "") + " " + std::to_string(p.comparison.Files.Count()));
    return succeed;
  }
};

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : ui(nullptr), program(ui, readers, writers) {
    ini = t.path("Quorvane.ini");
    setenv("QUORVANE_INI", ini.c_str(), 1);
    t.file("new/a.txt", "abc");
    t.file("old/a.txt", "abc");
  }
  ~StartupTest() override { unsetenv("QUORVANE_INI"); }

  void start(std::vector<std::string> args) { DoInits(program, args); }

  test::TempTree t;
  std::string ini;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  RecordingWriters writers;
  Program program;
};

TEST_F(StartupTest, StepsRunInOrder) {
  start({});
  EXPECT_EQ(ui.windowSteps(),
            (std::vector<std::string>{"Init help file", "Init Colors", "Init Memory", "Init FileMasks", "Init Lists",
                                      "Init LoadCfg", "Init Command line", "<show main window>", "Init Printer",
                                      "Init Parameters", "Init Hints", ""}));
  EXPECT_FALSE(program.ended);
  EXPECT_EQ(program.caption, "Quorvane 32 v1.6  (Build 2012.07.22 / BETA)");
  EXPECT_EQ(program.settings.ColorSet, 1);  // a screen that cannot tell its colours
}

TEST_F(StartupTest, WhatsNewOnTheFirstRunOnly) {
  ui.mainWindow = true;
  ui.scriptAnswer(platform::Answer::Ok);
  start({});
  ASSERT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(ui.asked()[0].text.rfind("You have just installed a new build of Quorvane.", 0), 0u);
  EXPECT_NE(std::find(ui.windowSteps().begin(), ui.windowSteps().end(), "<help WhatsNew>"), ui.windowSteps().end());

  test::RecordingUserInterface ui2(nullptr);
  ui2.mainWindow = true;
  Program second(ui2, readers, writers);
  DoInits(second, {});
  EXPECT_TRUE(ui2.asked().empty());
}

TEST_F(StartupTest, AutomaticModeExitCodes) {
  start({"-A", t.path("new"), t.path("old"), "-O:" + t.path("r.txt")});
  ASSERT_TRUE(program.ended);
  EXPECT_EQ(program.exitCode, 0);
  EXPECT_EQ(writers.written, (std::vector<std::string>{"report " + t.path("r.txt") + " 1"}));
  EXPECT_TRUE(ui.asked().empty());
}

TEST_F(StartupTest, AutomaticModeWithDifferencesGivesTwo) {
  t.file("new/b.txt", "new");
  start({"/A", t.path("new"), t.path("old"), "-OA:" + t.path("r.txt")});
  EXPECT_EQ(program.exitCode, 2);
  EXPECT_EQ(writers.written, (std::vector<std::string>{"report " + t.path("r.txt") + " + 2"}));
}

TEST_F(StartupTest, FailuresInAutomaticModeGiveOne) {
  start({"-A", t.path("new"), t.path("missing"), "-O:" + t.path("r.txt")});
  EXPECT_TRUE(program.ended);
  EXPECT_EQ(program.exitCode, 1);  // the Old set failed validation: the run did not complete
  EXPECT_TRUE(writers.written.empty());

  test::RecordingUserInterface ui2(nullptr);
  writers.succeed = false;
  Program second(ui2, readers, writers);
  DoInits(second, {"-A", t.path("new"), t.path("old"), "-O:/nonexistent/dir/r.txt"});
  EXPECT_EQ(second.exitCode, 1);  // the output was not written
}

// Reads the sets as the program does, then does what a scripted reader would: report a
// problem it met (the run still completes), or fail part-way through the Old set.
struct ScriptedReaders : SetReaders {
  SetSourceReaders real;
  bool problem = false;
  bool failOld = false;
  void ReadSet(Comparison& c, Side side) override {
    real.ReadSet(c, side);
    if (problem) c.Problems.Add(c.Set(side).Root + "a.txt", "Input/output error");
    if (failOld && side == Side::Old) throw EQuorvane("Error reading the Old set");
  }
};

TEST_F(StartupTest, OnlyACompletedRunWritesItsOutputAndProblemsStillGiveOne) {
  struct Case {
    const char* what;
    bool problem, failOld, snapshot;
    bool written;
    int exitCode;
  } cases[] = {
      {"clean run", false, false, false, true, 0},
      {"completed with a problem", true, false, false, true, 1},
      {"snapshot completed with a problem", true, false, true, true, 1},
      {"reader error", false, true, false, false, 1},
      {"reader error after a problem", true, true, false, false, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.what) + (k.problem ? " problem" : "") + (k.failOld ? " failOld" : "") +
                 (k.snapshot ? " snapshot" : ""));
    ScriptedReaders scripted;
    scripted.problem = k.problem;
    scripted.failOld = k.failOld;
    RecordingWriters recorded;
    test::RecordingUserInterface quiet(nullptr);
    Program p(quiet, scripted, recorded);
    std::vector<std::string> args = {"-A", t.path("new")};
    if (k.snapshot) args.push_back("-L");
    else args.push_back(t.path("old"));
    args.push_back("-O:" + t.path("r.txt"));
    DoInits(p, args);
    ASSERT_TRUE(p.ended);
    EXPECT_EQ(p.exitCode, k.exitCode);
    EXPECT_EQ(recorded.written.size(), k.written ? 1u : 0u);
    EXPECT_EQ(p.outputWritten, k.written);
  }
}

TEST_F(StartupTest, SnapshotModeWritesTheSnapshotAndGivesZero) {
  start({"-A", "-L", t.path("new"), "-O:" + t.path("s.snp")});
  EXPECT_EQ(program.exitCode, 0);
  EXPECT_EQ(writers.written, (std::vector<std::string>{"snapshot " + t.path("s.snp") + " 1"}));

  test::RecordingUserInterface ui2(nullptr);
  Program second(ui2, readers, writers);
  DoInits(second, {"-L", t.path("new"), "*.*", "", "extra"});
  EXPECT_FALSE(second.ended);
  ASSERT_FALSE(ui2.asked().empty());
  EXPECT_EQ(ui2.asked()[0].text, "Too many filespecs for Generate Snap");
  EXPECT_EQ(second.comparison.State.NewSet.Kind, SetKind::Nothing);
}

TEST_F(StartupTest, CommandLineErrorsAndHelpEndTheProgram) {
  start({"-K"});
  EXPECT_TRUE(program.ended);
  EXPECT_EQ(program.exitCode, 1);
  EXPECT_EQ(ui.asked().at(0).text, "Unknown switch : /K");

  test::RecordingUserInterface ui2(nullptr);
  Program second(ui2, readers, writers);
  DoInits(second, {"--help"});
  EXPECT_TRUE(second.ended);
  EXPECT_EQ(second.exitCode, 0);
}

TEST_F(StartupTest, MasksFromPositionalParametersAndStartWithoutAutoMode) {
  t.file("new/b.c", "x");
  t.file("old/b.c", "x");
  program.settings.CloseProgressDlg = true;
  start({"-Q", t.path("new"), t.path("old"), "*.c"});
  EXPECT_FALSE(program.ended);  // the comparison ran; the window stays
  EXPECT_EQ(program.comparison.Masks.Include.MaskText(), "*.C");
  EXPECT_EQ(program.comparison.Files.Count(), 1);
  EXPECT_TRUE(writers.written.empty());
}

TEST_F(StartupTest, QuitPromptAsksOnlyForUnsavedResults) {
  program.comparison.State.ResultsSaved = false;
  ui.scriptAnswer(platform::Answer::Cancel);
  EXPECT_FALSE(QuitPrompt(program));
  EXPECT_EQ(ui.asked().back().text, "The Diff or Snapshot currently in memory\rhas not been saved yet.\rDo you still want to quit ?");
  program.comparison.State.ResultsSaved = true;
  EXPECT_TRUE(QuitPrompt(program));
  program.settings.QuitSave = false;
  program.comparison.State.ResultsSaved = false;
  EXPECT_TRUE(QuitPrompt(program));
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

TEST_F(StartupTest, ExitStateIsSavedOnlyOnOrderlyEnds) {
  ui.mainWindow = true;
  program.settings.SaveWindowPos = true;
  program.settings.Window = {10, 20, 300, 400, 0};
  Termine(program, "No more memory to process files !", ExitKind::Error);
  EXPECT_EQ(program.exitCode, 1);
  EXPECT_EQ(ui.asked().back().text, "No more memory to process files !");
  std::ifstream none(ini);
  EXPECT_FALSE(none.good());  // nothing written after a fatal message

  test::RecordingUserInterface ui2(nullptr);
  ui2.mainWindow = true;
  Program orderly(ui2, readers, writers);
  orderly.settings.SaveWindowPos = true;
  orderly.settings.Window = {10, 20, 300, 400, 0};
  Termine(orderly, "", ExitKind::Normal);
  EXPECT_EQ(orderly.exitCode, 0);
  std::stringstream text;
  text << std::ifstream(ini).rdbuf();
  EXPECT_NE(text.str().find("[WindowPos]"), std::string::npos);
  EXPECT_NE(text.str().find("Position=T10L20H300W400"), std::string::npos);
}

}  // namespace
}  // namespace quorvane
