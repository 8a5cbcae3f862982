// Which front end a command line starts: only the automatic mode with its sets (and help
// or version) runs without the window.
#include <gtest/gtest.h>

#include "program/front_end_choice.h"
#include "support/temp_ini.h"

namespace quorvane {
namespace {

TEST(FrontEndChoice, OnlyACompleteAutomaticRunIsHeadless) {
  struct Case {
    std::vector<std::string> args;
    FrontEnd expected;
  };
  const Case cases[] = {
      {{}, FrontEnd::Window},
      {{"new", "old"}, FrontEnd::Window},
      {{"-A", "-O:r.txt"}, FrontEnd::Window},         // a set missing: the window stays open
      {{"-A", "-O:r.txt", "new"}, FrontEnd::Window},
      {{"-A", "-O:r.txt", "new", "old"}, FrontEnd::Headless},
      {{"-A", "-L", "-O:s.txt", "new"}, FrontEnd::Headless},
      {{"-A", "new", "old"}, FrontEnd::Headless},     // no output file: the error goes to stderr
      {{"--help"}, FrontEnd::Headless},
      {{"--version"}, FrontEnd::Headless},
      {{"-Bogus"}, FrontEnd::Window},                 // the window shows the error
  };
  test::TempIni ini;
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::PrintToString(k.args));
    EXPECT_EQ(ChooseFrontEnd(k.args), k.expected);
  }
}

TEST(FrontEndChoice, TheAutomaticModeMayComeFromTheSettingsFile) {
  test::TempIni ini("[Quorvane]\r\nAutoMode=1\r\n[Batch]\r\nOutputFile=r.txt\r\n");
  EXPECT_EQ(ChooseFrontEnd({"new", "old"}), FrontEnd::Headless);
  EXPECT_EQ(ChooseFrontEnd({"new"}), FrontEnd::Window);
}

}  // namespace
}  // namespace quorvane
