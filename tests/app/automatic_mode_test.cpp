// Runs the quorvane program as a user's script would and checks the files it writes and
// its exit codes: 0 all identical, 2 differences, 1 errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_program.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using Result = test::ProgramResult;
using test::shellQuote;

class AutomaticModeTest : public ::testing::Test {
 protected:
  Result run(const std::vector<std::string>& args) {
    return test::runShell(test::programCommand(t.root(), args) + " 2>&1");
  }

  std::string read(const std::string& relative) {
    std::stringstream s;
    s << std::ifstream(t.path(relative), std::ios::binary).rdbuf();
    return s.str();
  }

  // The report with the run's own paths and clock replaced by placeholders.
  std::string report(const std::string& relative) {
    std::string text = read(relative);
    text = std::regex_replace(text, std::regex(t.root()), "<ROOT>/");
    text = std::regex_replace(text, std::regex("Generated on     : [^\r]*"), "Generated on     : <NOW>");
    return text;
  }

  void twoTrees() {
    constexpr std::int64_t T = 1709294400;  // 2024-03-01 12:00:00 UTC
    t.file("new/same.txt", "unchanged", T);
    t.file("old/same.txt", "unchanged", T);
    t.file("new/crc.txt", "abcxyz", T);
    t.file("old/crc.txt", "abcdef", T);
    t.file("new/sub/newer.c", "int x;", T + 86400);
    t.file("old/sub/newer.c", "int x;", T);
    t.file("new/sub/inserted.txt", "only new", T);
    t.file("old/gone/deleted.txt", "only old", T);
  }

  test::TempTree t;
};

TEST_F(AutomaticModeTest, ReportOfTwoDirectories) {
  twoTrees();
  const Result r = run({"-A", "new", "old", "-O:report.txt"});
  EXPECT_EQ(r.exitCode, 2) << r.out;
  const std::string expected =
      "[Quorvane DIFF file]\r\n"
      "Version 1.6\r\n"
      "\r\n"
      "New DIRECTORY    : <ROOT>/new/  <Unlabeled>\r\n"
      "Old DIRECTORY    : <ROOT>/old/  <Unlabeled>\r\n";
  const std::string text = report("report.txt");
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  for (const char* line : {"CRC differs                  crc.txt\r\n", "Deleted                      gone\\deleted.txt\r\n",
                           "Same                         same.txt\r\n", "Inserted                     sub\\inserted.txt\r\n",
                           "Same         Newer           sub\\newer.c\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin:\n" << text;
}

TEST_F(AutomaticModeTest, IdenticalSetsGiveZeroInAnyPairing) {
  constexpr std::int64_t T = 1709294400;
  t.file("tree/a.txt", "alpha", T);
  t.file("tree/dir/b.txt", "beta", T);
  ASSERT_EQ(run({"-A", "-L", "tree", "-O:tree.snp"}).exitCode, 0);
  EXPECT_EQ(read("tree.snp").rfind("[Pelto LIST]\r\n", 0), 0u);
  const bool haveZip = std::system("command -v zip >/dev/null 2>&1") == 0;
  if (haveZip) {
    ASSERT_EQ(std::system(("cd " + shellQuote(t.path("tree")) + " && zip -q -r -X ../tree.zip .").c_str()), 0);
  }

  std::vector<std::string> sets = {"tree", "tree.snp"};
  if (haveZip) sets.push_back("tree.zip");
  for (const std::string& a : sets) {
    for (const std::string& b : sets) {
      const Result r = run({"-A", a, b, "-O:r.txt"});
      EXPECT_EQ(r.exitCode, 0) << a << " vs " << b << "\n" << r.out << read("r.txt");
    }
  }
}

class RealArchiveAgainstItself : public AutomaticModeTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RealArchiveAgainstItself, GivesZero) {
  const std::string archive = std::string(QUORVANE_REALWORLD_DIR) + GetParam();
  if (!std::ifstream(archive)) GTEST_SKIP() << "sample archive not found: " << archive;
  const Result r = run({"-A", archive, archive, "-O:r.txt"});
  EXPECT_EQ(r.exitCode, 0) << archive << "\n" << r.out;
}

INSTANTIATE_TEST_SUITE_P(Samples, RealArchiveAgainstItself,
                         ::testing::Values("/zip/Zip.zip64.zip", "/rar/Rar2.rar", "/arj/Arj.store.arj",
                                           "/generated/jar_jdk_tree.jar"));

TEST_F(AutomaticModeTest, FailuresGiveOne) {
  twoTrees();
  struct Case {
    std::vector<std::string> args;
    const char* what;
  } cases[] = {
      {{"-A", "new", "old"}, "no output file"},
      {{"-A", "new", "old", "-K", "-O:r.txt"}, "unknown switch"},
      {{"-A", "new", "missing", "-O:r.txt"}, "a set that does not exist"},
      {{"-A", "new", "old", "-O:no/such/dir/r.txt"}, "output that cannot be written"},
  };
  for (const Case& k : cases) {
    const Result r = run(k.args);
    EXPECT_EQ(r.exitCode, 1) << k.what << "\n" << r.out;
    EXPECT_FALSE(r.out.empty()) << k.what;
  }
}

// Without -A, or with -A but a set missing, the window opens; without a display to show it
// on, the program says so and ends with 1 instead of waiting.
TEST_F(AutomaticModeTest, TheWindowWithoutADisplayEndsWithOne) {
  twoTrees();
  const std::vector<std::vector<std::string>> starts = {{"new", "old"}, {"-A", "new", "-O:r.txt"}, {}};
  for (const std::vector<std::string>& args : starts) {
    const Result r = test::runShell(test::programCommandWithoutDisplay(t.root(), args) + " 2>&1");
    EXPECT_EQ(r.exitCode, 1) << r.out;
#ifdef QUORVANE_WITH_WINDOW
    EXPECT_NE(r.out.find("no display"), std::string::npos) << r.out;
#endif
  }
}

#ifdef QUORVANE_WITH_WINDOW
// The window starts on the sets named on the command line and writes its position and
// column widths on its orderly end; with -A but a set missing it stays a window, which
// writes them too where the headless program never does.
TEST_F(AutomaticModeTest, TheWindowComparesTheCommandLineSetsAndSavesOnItsEnd) {
  twoTrees();
  const std::string settings =
      "[Quorvane]\r\nBuild=February 21, 2005\r\nShowStatusDlg=0\r\nCloseProgressDlg=1\r\n"
      "[Display]\r\nSaveColWidth=1\r\n";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-NOLOGO", "new", "old"}, std::vector<std::string>{"-NOLOGO", "-A", "new", "-O:r.txt"}}) {
    t.file("Quorvane.ini", settings);
    const Result r = test::runShell(
        test::programCommand(t.root(), args, "QT_QPA_PLATFORM=offscreen QUORVANE_EXIT_AFTER_STARTUP=1 ") + " 2>&1");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    const std::string saved = read("Quorvane.ini");
    EXPECT_NE(saved.find("[WindowPos]"), std::string::npos) << saved;
    EXPECT_NE(saved.find("ColWidths="), std::string::npos) << saved;
  }
}
#endif

#ifdef QUORVANE_WITH_WINDOW
// A headless comparison saved to a file loads no Qt library; printing loads the window
// module (and Qt) then, and prints.
TEST_F(AutomaticModeTest, TheHeadlessProgramLoadsQtOnlyToPrint) {
  twoTrees();
  const Result saved = test::runShell(test::programCommand(t.root(), {"-A", "new", "old", "-O:r.txt"}, "LD_DEBUG=libs ") +
                                      " 2>&1 >/dev/null | grep 'calling init:'");
  EXPECT_NE(saved.out.find("libc.so"), std::string::npos) << saved.out;
  EXPECT_EQ(saved.out.find("Qt6"), std::string::npos) << saved.out;
  EXPECT_EQ(saved.out.find("quorvane-window"), std::string::npos) << saved.out;

  const Result printed = test::runShell(
      test::programCommand(t.root(), {"-A", "new", "old", "-OP"}, "LD_DEBUG=libs QUORVANE_PRINT_PDF=" + shellQuote(t.path("r.pdf")) + " ") +
      " 2>&1 >/dev/null | grep 'calling init:'");
  EXPECT_NE(printed.out.find("quorvane-window"), std::string::npos) << printed.out;
  EXPECT_EQ(read("r.pdf").rfind("%PDF", 0), 0u);
}
#endif

TEST_F(AutomaticModeTest, HelpAndVersion) {
  const Result help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("Usage: quorvane", 0), 0u) << help.out;
  const Result version = run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "quorvane 1.6\n");
}

}  // namespace
}  // namespace quorvane
