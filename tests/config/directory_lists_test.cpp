// Include and exclude directory lists accept "/" as the separator wherever they are
// given, and hold "\" as every path of a set does, so that they meet archive paths.
#include <gtest/gtest.h>

#include "config/command_line.h"
#include "config/ini_file.h"
#include "config/text_lists.h"
#include "engine/add_file.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"

namespace quorvane {
namespace {

TEST(DirectoryLists, HeldDirectoryName) {
  struct Case {
    const char* given;
    const char* held;
  } cases[] = {
      {"src", "src"},          {"src/util", "src\\util"}, {"src/util/", "src\\util"}, {"src\\util\\", "src\\util"},
      {"a/b\\c", "a\\b\\c"},   {"src//", "src\\"},         {"/", ""},                  {"", ""},
  };
  for (const Case& k : cases) EXPECT_EQ(HeldDirectoryName(k.given), k.held) << "given " << k.given;
}

struct Parsed : test::ComparisonFixture {
  Parsed() : ComparisonFixture(nullptr) {}
};

TEST(DirectoryLists, CommandLineFilesAndTheIniFileHoldBackslashes) {
  test::TempIni ini("[Directories]\nExclude=build/;src/gen\n");
  ini.tree().file("dirs.txt", "src/util/\r\nlib\\sub\r\n");

  Parsed p;
  ParseCommandLine({"--IncludeDirs:src/util/;doc/", "--ExcludeDirs:src/util/old"}, p.settings, p.c);
  EXPECT_EQ(p.c.IncludeDirs.Items(), (std::vector<std::string>{"doc", "src\\util"}));
  EXPECT_EQ(p.c.ExcludeDirs.Items(), (std::vector<std::string>{"src\\util\\old"}));

  Parsed f;
  ParseCommandLine({"--IncludeDirs:@" + ini.tree().path("dirs.txt")}, f.settings, f.c);
  EXPECT_EQ(f.c.IncludeDirs.Items(), (std::vector<std::string>{"lib\\sub", "src\\util"}));

  Parsed loaded;
  LoadCfg(loaded.c);
  EXPECT_EQ(loaded.c.ExcludeDirs.Items(), (std::vector<std::string>{"build", "src\\gen"}));

  // An archive's paths meet the list given with "/".
  for (const char* path : {"src\\util\\x.c", "src\\utility.c", "src\\util\\old\\y.c"}) {
    p.c.Scan.Path = path;
    AddFile(p.c, Side::New);
  }
  ASSERT_EQ(p.c.Files.Count(), 1);
  EXPECT_EQ(p.c.Files.ItemAt(0).Path(), "src\\util\\x.c");
}

}  // namespace
}  // namespace quorvane
