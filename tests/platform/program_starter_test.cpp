// Starting programs detached without a shell, running one for its output, and reading the
// program of a desktop entry.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/desktop_entry.h"
#include "platform/directory_listing.h"
#include "platform/program_starter.h"
#include "platform/text_file.h"
#include "support/temp_tree.h"

namespace quorvane::platform {
namespace {

std::string readWhenThere(const std::string& path) {
  for (int i = 0; i < 500 && !fileExists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ProgramStarter, StartsAProgramDetachedWithItsArgumentsUntouched) {
  test::TempTree t;
  t.file("argv.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.tmp\"; mv \"$0.tmp\" \"$0.out\"\n");
  t.chmod("argv.sh", 0755);
  LocalProgramStarter starter;
  ASSERT_TRUE(starter.start({t.path("argv.sh"), "a b", "$(touch " + t.path("pwned") + ")", "x;y", ""}, false));
  EXPECT_EQ(readWhenThere(t.path("argv.sh.out")), "[a b]\n[$(touch " + t.path("pwned") + ")]\n[x;y]\n[]\n");
  EXPECT_FALSE(pathExists(t.path("pwned")));
}

TEST(ProgramStarter, SaysWhenAProgramCannotBeStarted) {
  test::TempTree t;
  t.file("not-executable.sh", "#!/bin/sh\n");
  LocalProgramStarter starter;
  EXPECT_FALSE(starter.start({"quorvane-no-such-program"}, true));
  EXPECT_FALSE(starter.start({t.path("not-executable.sh")}, false));
  EXPECT_FALSE(starter.start({"sh"}, false)) << "without the PATH search a bare name is a file of the working directory";
  EXPECT_FALSE(starter.start({}, true));
  EXPECT_TRUE(starter.start({"true"}, true));
}

TEST(ProgramStarter, RunsAProgramForItsOutput) {
  EXPECT_EQ(RunForOutput({"printf", "%s\\n", "text/plain"}, 5000), std::optional<std::string>("text/plain\n"));
  EXPECT_EQ(RunForOutput({"false"}, 5000), std::nullopt);
  EXPECT_EQ(RunForOutput({"quorvane-no-such-program"}, 5000), std::nullopt);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(RunForOutput({"sleep", "10"}, 200), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(DesktopEntry, TheProgramIsTheExecKeyWithoutFieldCodes) {
  const struct {
    const char* text;
    std::optional<std::string> program;
  } cases[] = {
      {"[Desktop Entry]\nName=Text Editor\nExec=gedit %U\n", "gedit"},
      {"[Desktop Entry]\nExec=code --new-window %F\nType=Application\n", "code --new-window"},
      {"[Desktop Action new]\nExec=other\n[Desktop Entry]\nExec = \"/opt/My App/app\" --file %f\n",
       "\"/opt/My App/app\" --file"},
      {"[Desktop Entry]\nExec=printf 100%% %i %c %k\n", "printf 100%"},
      {"[Desktop Entry]\nName=No command\n", std::nullopt},
      {"[Desktop Entry]\nExec=%U\n", std::nullopt},
      {"[Other]\nExec=nope\n", std::nullopt},
  };
  for (const auto& k : cases) EXPECT_EQ(DesktopEntryProgram(k.text), k.program) << k.text;
}

TEST(DesktopEntry, IsFoundInTheFirstDataFolderThatHoldsIt) {
  test::TempTree t;
  t.file("home/applications/editor.desktop", "[Desktop Entry]\nExec=mine\n");
  t.file("share/applications/editor.desktop", "[Desktop Entry]\nExec=theirs\n");
  t.file("share/applications/kde/viewer.desktop", "[Desktop Entry]\nExec=viewer\n");
  const std::vector<std::string> folders{t.path("home/applications"), t.path("share/applications")};
  EXPECT_EQ(FindDesktopEntry("editor.desktop", folders), t.path("home/applications/editor.desktop"));
  EXPECT_EQ(FindDesktopEntry("kde-viewer.desktop", folders), t.path("share/applications/kde/viewer.desktop"));
  EXPECT_EQ(FindDesktopEntry("missing.desktop", folders), std::nullopt);
  EXPECT_EQ(FindDesktopEntry("../editor.desktop", folders), std::nullopt);
  EXPECT_EQ(FindDesktopEntry("", folders), std::nullopt);

  ::setenv("XDG_DATA_HOME", t.path("home").c_str(), 1);
  ::setenv("XDG_DATA_DIRS", (t.path("share") + ":/nowhere").c_str(), 1);
  EXPECT_EQ(DesktopEntryFolders(),
            (std::vector<std::string>{t.path("home/applications"), t.path("share/applications"), "/nowhere/applications"}));
  ::unsetenv("XDG_DATA_HOME");
  ::unsetenv("XDG_DATA_DIRS");
}

// The association through xdg-mime (here a stand-in script first on PATH) and the
// desktop entry it names.
TEST(ProgramStarter, TheAssociationIsTheDesktopEntryThatXdgMimeNames) {
  test::TempTree t;
  t.file("bin/xdg-mime",
         "#!/bin/sh\n"
         "case \"$2 $3\" in\n"
         "  'filetype '*.txt) echo text/plain ;;\n"
         "  'filetype '*) echo application/octet-stream ;;\n"
         "  'default text/plain') echo org.example.Editor.desktop ;;\n"
         "  *) exit 0 ;;\n"
         "esac\n");
  t.chmod("bin/xdg-mime", 0755);
  t.file("data/applications/org.example.Editor.desktop",
         "[Desktop Entry]\nType=Application\nName=Editor\nExec=example-editor --new %F\n");
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (t.path("bin") + ":" + path).c_str(), 1);
  ::setenv("XDG_DATA_HOME", t.path("data").c_str(), 1);
  ::setenv("XDG_DATA_DIRS", t.path("none").c_str(), 1);
  LocalProgramStarter starter;
  EXPECT_EQ(starter.associatedProgram(t.path("my notes.txt")), std::optional<std::string>("example-editor --new"));
  EXPECT_EQ(starter.associatedProgram(t.path("data.bin")), std::nullopt);  // no default application
  ::setenv("PATH", path.c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");
  ::unsetenv("XDG_DATA_DIRS");
}

}  // namespace
}  // namespace quorvane::platform
