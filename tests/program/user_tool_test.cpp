// The user tool's parameter text, the user tool and Open file commands, the external
// runner's attempts and input boxes, and the View log entries; with a recording starter,
// and with the real one to show that no file name can run a command.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <set>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/directory_listing.h"
#include "platform/text_file.h"
#include "program/external_programs.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "program/user_tool.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using Words = std::vector<std::string>;

TEST(BuildToolCommand, PlaceholdersBecomeTheTwoPaths) {
  const struct {
    const char* parameters;
    const char* newPath;
    const char* oldPath;
    std::string expected;
  } cases[] = {
      {"%n%o", "/n/a", "/o/a", std::string(kTooNarrow)},
      {"%n %o", "/n/a", "/o/a", "/n/a /o/a"},
      {"%o %n", "/n/a", "/o/a", "/o/a /n/a"},
      {"%O%N", "/n/a", "/o/a", std::string(kTooNarrow)},
      {"-u %N  %O -x", "/n/a", "/o/a", "-u /n/a  /o/a -x"},
      {"diff", "/n/a", "/o/a", std::string(kNoPlaceholders)},
      {"%x %y", "/n/a", "/o/a", std::string(kNoPlaceholders)},
      {"", "/n/a", "/o/a", std::string(kNoPlaceholders)},
      {"%n", "/n/a", "/o/a", "/n/a"},
      {"  --left %o  ", "/n/a", "/o/a", "--left /o/a"},
      // An absent side's placeholder is replaced by nothing (an Inserted entry).
      {"%n %o", "/n/a", "", "/n/a"},
      {"%n %o", "", "/o/a", "/o/a"},
      // A path with a blank is quoted, for %N and %O too (no short names here).
      {"%n %o", "/n/my file", "/o/my file", "\"/n/my file\" \"/o/my file\""},
      {"%N %O", "/n/my file", "/o/a", "\"/n/my file\" /o/a"},
      // The first of each; lower case before upper case; the rest stays.
      {"%N %n %o %o", "/n/a", "/o/a", "%N /n/a /o/a %o"},
      // A New path that holds "%o" does not move the Old placeholder.
      {"%n %o", "/n/%o", "/o/a", "/n/%o /o/a"},
  };
  for (const auto& k : cases)
    EXPECT_EQ(BuildToolCommand(k.parameters, k.newPath, k.oldPath), k.expected)
        << "template '" << k.parameters << "' new '" << k.newPath << "' old '" << k.oldPath << "'";
}

// Records what is started; programs named in `refuse` cannot be started.
class RecordingStarter : public platform::ProgramStarter {
 public:
  bool start(const std::vector<std::string>& arguments, bool searchPath) override {
    started.push_back({arguments, searchPath});
    return !arguments.empty() && !refuse.contains(arguments.front());
  }
  std::optional<std::string> associatedProgram(const std::string& path) override {
    lookedUp.push_back(path);
    return association;
  }
  struct Start {
    Words arguments;
    bool searchPath;
  };
  std::vector<Start> started;
  std::set<std::string> refuse;
  std::optional<std::string> association;
  std::vector<std::string> lookedUp;
};

class ToolCommandsTest : public ::testing::Test {
 protected:
  ToolCommandsTest() : ui(nullptr), program(ui, readers, writers), runner(program, starter) {
    program.settings.CloseProgressDlg = true;
    program.settings.ShowStatusDlg = false;
    t.file("new/added file.txt", "added");
    t.file("new/same.txt", "same");
    t.file("old/gone.txt", "gone");
    t.file("old/same.txt", "same");
    ChooseSetDirectory(program, Side::New, t.path("new"));
    ChooseSetDirectory(program, Side::Old, t.path("old"));
    Diff(program);
  }

  PointedEntry pointed(std::string_view path, bool newSide) {
    PointedEntry p;
    p.entry = program.comparison.Files.Find(path);
    EXPECT_NE(p.entry, nullptr) << path;
    p.newSide = newSide;
    p.openable = true;
    return p;
  }
  Words lastStarted() const { return starter.started.empty() ? Words{} : starter.started.back().arguments; }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& a : ui.asked()) texts.push_back(a.text);
    return texts;
  }

  test::TempIni ini;
  test::TempTree t;
  test::RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
  RecordingStarter starter;
  ExternalPrograms runner;
};

TEST_F(ToolCommandsTest, TheUserToolGetsBothFilesOfTheEntry) {
  program.settings.DefaultUserTool = "  meld ";
  program.settings.DefaultUserParms = " %o %n ";
  UserTool(runner, pointed("same.txt", true), false);
  EXPECT_EQ(lastStarted(), (Words{"meld", t.path("old/same.txt"), t.path("new/same.txt")}));
  EXPECT_TRUE(starter.started.back().searchPath);
  EXPECT_EQ(program.settings.DefaultUserTool, "meld");  // kept trimmed
  EXPECT_EQ(program.settings.DefaultUserParms, "%o %n");

  // An Inserted entry: only the New file, whose blank keeps it one argument.
  program.settings.DefaultUserParms = "%n %o";
  UserTool(runner, pointed("added file.txt", true), false);
  EXPECT_EQ(lastStarted(), (Words{"meld", t.path("new/added file.txt")}));
  // A Deleted one: only the Old file.
  UserTool(runner, pointed("gone.txt", false), false);
  EXPECT_EQ(lastStarted(), (Words{"meld", t.path("old/gone.txt")}));
  EXPECT_TRUE(ui.asked().empty());
}

TEST_F(ToolCommandsTest, TheUserToolWarnsAboutItsTemplateAndItsDialog) {
  const PointedEntry same = pointed("same.txt", true);
  program.settings.DefaultUserParms = "%n%o";
  UserTool(runner, same, false);
  program.settings.DefaultUserParms = "--compare";
  UserTool(runner, same, false);
  program.settings.DefaultUserParms = "%n %o";
  program.settings.DefaultUserTool = "   ";
  UserTool(runner, same, false);  // an empty program stops silently
  EXPECT_EQ(messages(), (std::vector<std::string>{
                            "At least 1 space is needed between the two placeholders",
                            "You must specify at least the New\ror the Old file to open with the user tool,\rusing "
                            "placeholders : %n for New file, and\r%o for Old file.\r(note: you can use %N and %O for "
                            "short filenames)\rExample : diff.exe %N %O"}));
  EXPECT_TRUE(starter.started.empty());

  // The dialog: Cancel, an empty program, an empty template, then OK with new fields.
  program.settings.DefaultUserTool = "meld";
  UserToolFields shown;
  ui.scriptUserToolDialog([&](UserToolFields& f) {
    shown = f;
    return false;
  });
  ui.scriptUserToolDialog([](UserToolFields& f) {
    f.edDefaultUserTool = " ";
    return true;
  });
  ui.scriptUserToolDialog([](UserToolFields& f) {
    f.edDefaultUserParms = "";
    return true;
  });
  ui.scriptUserToolDialog([](UserToolFields& f) {
    f.edDefaultUserTool = " kdiff3 ";
    f.edDefaultUserParms = "%n -o %o";
    f.cbConfirmDefaultUserTool = false;
    return true;
  });
  for (int i = 0; i < 4; ++i) UserTool(runner, same, true);
  EXPECT_EQ(ui.userToolDialogShows(), 4);
  EXPECT_EQ(shown.edDefaultUserTool, "meld");
  EXPECT_EQ(shown.edDefaultUserParms, "%n %o");
  EXPECT_TRUE(shown.cbConfirmDefaultUserTool);
  const std::vector<std::string> texts = messages();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[2], "No program specified");
  EXPECT_EQ(texts[3], "No program parameters specified");
  EXPECT_EQ(lastStarted(), (Words{"kdiff3", t.path("new/same.txt"), "-o", t.path("old/same.txt")}));
  EXPECT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(program.settings.DefaultUserTool, "kdiff3");
  EXPECT_EQ(program.settings.DefaultUserParms, "%n -o %o");
  EXPECT_FALSE(program.settings.ConfirmUserTool);

  UserTool(runner, PointedEntry{}, true);  // no pointed entry: nothing at all
  EXPECT_EQ(ui.userToolDialogShows(), 4);
}

TEST_F(ToolCommandsTest, RunExternalTriesThreeWaysThenAsksForAProgram) {
  starter.refuse = {"diff -u", "./diff -u"};
  EXPECT_TRUE(runner.RunExternal("diff -u", "\"/a b\" /c"));
  ASSERT_EQ(starter.started.size(), 3u);
  EXPECT_EQ(starter.started[0].arguments, (Words{"diff -u", "/a b", "/c"}));
  EXPECT_TRUE(starter.started[0].searchPath);
  EXPECT_EQ(starter.started[1].arguments, (Words{"./diff -u", "/a b", "/c"}));
  EXPECT_FALSE(starter.started[1].searchPath);
  EXPECT_EQ(starter.started[2].arguments, (Words{"diff", "-u", "/a b", "/c"}));
  EXPECT_TRUE(ui.inputsAsked().empty());

  // An empty program: the desktop's opener.
  starter.started.clear();
  EXPECT_TRUE(runner.RunExternal("", "/x"));
  EXPECT_EQ(lastStarted(), (Words{"xdg-open", "/x"}));

  // Everything fails: the input box offers the default viewer; its answer is tried and
  // then stands for DefaultViewer; a second failure gives the final error.
  starter.refuse = {"nothing", "./nothing", "xdg-open", "bad", "./bad", "less"};
  program.settings.DefaultViewer = "less";
  ui.scriptInput("bad");
  EXPECT_FALSE(runner.RunExternal("nothing", "/x"));
  ASSERT_EQ(ui.inputsAsked().size(), 1u);
  EXPECT_EQ(ui.inputsAsked()[0].title, "Error running external process");
  EXPECT_EQ(ui.inputsAsked()[0].prompt, "Please enter a program to open selected file(s) :");
  EXPECT_EQ(ui.inputsAsked()[0].text, "less");
  EXPECT_EQ(runner.defaultViewer(), "bad");
  EXPECT_EQ(program.settings.DefaultViewer, "less");  // not saved
  EXPECT_EQ(messages(), (std::vector<std::string>{"Error opening the specified file(s) :\r/x\r\rThere is probably no "
                                                  "association for\rthis kind of files in your system."}));
  ui.scriptInput("good");
  EXPECT_TRUE(runner.RunExternal("nothing", "/y"));
  EXPECT_EQ(ui.inputsAsked()[1].text, "bad");
  EXPECT_EQ(lastStarted(), (Words{"good", "/y"}));
  EXPECT_EQ(runner.defaultViewer(), "good");
  EXPECT_FALSE(runner.RunExternal("nothing", "/z"));  // Cancel: no error message
  EXPECT_EQ(messages().size(), 1u);
}

TEST_F(ToolCommandsTest, OpenFileConfirmsTheAssociationOrTheViewer) {
  const PointedEntry added = pointed("added file.txt", true);
  program.settings.ConfirmAssociation = false;
  program.settings.ConfirmDefaultViewer = true;

  starter.association = "gedit --new-window";
  starter.refuse = {"gedit --new-window", "./gedit --new-window"};  // a program with arguments of its own
  OpenFile(runner, added, false);
  EXPECT_EQ(starter.lookedUp, Words{t.path("new/added file.txt")});
  EXPECT_TRUE(ui.inputsAsked().empty());
  EXPECT_EQ(lastStarted(), (Words{"gedit", "--new-window", t.path("new/added file.txt")}));  // the third way

  ui.scriptInput("mousepad");
  OpenFile(runner, pointed("gone.txt", false), true);  // Ctrl+O forces the confirmation
  ASSERT_EQ(ui.inputsAsked().size(), 1u);
  EXPECT_EQ(ui.inputsAsked()[0].title, "Please confirm file open association");
  EXPECT_EQ(ui.inputsAsked()[0].prompt, "Associated program to run:");
  EXPECT_EQ(ui.inputsAsked()[0].text, "gedit --new-window");
  EXPECT_EQ(lastStarted(), (Words{"mousepad", t.path("old/gone.txt")}));

  starter.association.reset();
  program.settings.DefaultViewer = "xdg-open";
  const std::size_t startedBefore = starter.started.size();
  OpenFile(runner, added, false);  // no answer queued: Cancel stops
  EXPECT_EQ(ui.inputsAsked().back().title, "Please confirm default viewer");
  EXPECT_EQ(ui.inputsAsked().back().prompt, "Viewer program to run:");
  EXPECT_EQ(ui.inputsAsked().back().text, "xdg-open");
  EXPECT_EQ(starter.started.size(), startedBefore);
  program.settings.ConfirmDefaultViewer = false;
  OpenFile(runner, added, false);
  EXPECT_EQ(lastStarted(), (Words{"xdg-open", t.path("new/added file.txt")}));

  PointedEntry archived = added;
  archived.openable = false;  // an entry of an archive has no file on disk
  OpenFile(runner, archived, true);
  OpenFile(runner, PointedEntry{}, true);
  EXPECT_EQ(ui.inputsAsked().size(), 2u);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ToolCommandsTest, ViewLogOpensTheLogOrSaysItIsMissing) {
  ViewLog(runner, t.path("none.log"));
  EXPECT_EQ(messages(), (std::vector<std::string>{"Log file not found :\r\n\r\n" + t.path("none.log")}));
  EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Error);
  EXPECT_TRUE(starter.started.empty());

  t.file("my sync.log", "log");
  ViewLog(runner, t.path("my sync.log"));
  EXPECT_EQ(lastStarted(), (Words{"xdg-open", t.path("my sync.log")}));

  // The main window's runner never tries the combined line and remembers its own viewer.
  starter.started.clear();
  starter.refuse = {"xdg-open", "./xdg-open", "nope", "./nope"};
  ui.scriptInput("nope");
  ViewLog(runner, t.path("my sync.log"));
  EXPECT_EQ(starter.started.size(), 4u);  // two ways for xdg-open, two for the answer
  EXPECT_EQ(ui.inputsAsked().back().text, "");
  EXPECT_EQ(runner.logViewer(), "nope");
  EXPECT_EQ(runner.defaultViewer(), program.settings.DefaultViewer);
  ViewLog(runner, t.path("my sync.log"));
  EXPECT_EQ(ui.inputsAsked().back().text, "nope");

  // The status window's entry is RunExternal with the desktop's viewer.
  starter.refuse.clear();
  ViewLogOfStatus(runner, t.path("my sync.log"));
  EXPECT_EQ(lastStarted(), (Words{"xdg-open", t.path("my sync.log")}));
}

// The real starter, with a script as the program that writes its arguments to a file.
class NoAssociation : public platform::LocalProgramStarter {
 public:
  std::optional<std::string> associatedProgram(const std::string&) override { return std::nullopt; }
};

std::string readWhenThere(const std::string& path) {
  for (int i = 0; i < 500 && !platform::fileExists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(HostileFileNames, ReachTheProgramAsOneArgumentAndRunNothing) {
  test::TempIni ini;
  test::TempTree t;
  test::RecordingUserInterface ui(nullptr);
  SetSourceReaders readers;
  ReportWriters writers;
  Program program(ui, readers, writers);
  program.settings.CloseProgressDlg = true;
  program.settings.ShowStatusDlg = false;
  const std::string pwned = "/tmp/pwned";
  if (platform::pathExists(pwned)) GTEST_SKIP() << pwned << " exists already";
  // "a; touch /tmp/pwned" as a relative path: the folder "a; touch " holding tmp/pwned.
  const std::string hostile[] = {"a; touch /tmp/pwned", "$(reboot).txt", "$(touch " + t.path("marker") + ").txt"};
  for (const std::string& name : hostile) {
    // A name cannot hold "/": the marker's own path becomes folders, as the first one's does.
    t.file("new/" + name, "new");
    t.file("old/" + name, "old");
  }
  t.file("argv.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.tmp\"; mv \"$0.tmp\" \"$0.out\"\n");
  t.chmod("argv.sh", 0755);
  ChooseSetDirectory(program, Side::New, t.path("new"));
  ChooseSetDirectory(program, Side::Old, t.path("old"));
  Diff(program);
  program.settings.DefaultUserTool = t.path("argv.sh");
  program.settings.DefaultUserParms = "%n %o";
  program.settings.DefaultViewer = t.path("argv.sh");
  program.settings.ConfirmDefaultViewer = false;
  NoAssociation starter;
  ExternalPrograms runner(program, starter);

  const auto runAndRead = [&](const std::function<void()>& run) {
    std::remove(t.path("argv.sh.out").c_str());
    run();
    return readWhenThere(t.path("argv.sh.out"));
  };
  for (const std::string& name : hostile) {
    SCOPED_TRACE(name);
    std::string held = name;
    for (char& ch : held)
      if (ch == '/') ch = '\\';
    const FileEntry* e = program.comparison.Files.Find(held);
    ASSERT_NE(e, nullptr);
    const PointedEntry pointed{e, 1, 1, true, true};
    EXPECT_EQ(runAndRead([&] { UserTool(runner, pointed, false); }),
              "[" + t.path("new/" + name) + "]\n[" + t.path("old/" + name) + "]\n");
    EXPECT_EQ(runAndRead([&] { OpenFile(runner, pointed, false); }), "[" + t.path("new/" + name) + "]\n");
  }
  EXPECT_TRUE(ui.asked().empty());
  EXPECT_FALSE(platform::pathExists(pwned));
  EXPECT_FALSE(platform::pathExists(t.path("marker")));
}

}  // namespace
}  // namespace quorvane
