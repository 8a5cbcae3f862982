// The automatic mode as a script sees it when something goes wrong: the exit code, the
// lines on standard error, and an output file from an earlier run that must keep its
// bytes unless a complete new result replaces it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_program.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

constexpr const char* kFormer = "[yesterday's good output]\r\n";
constexpr std::int64_t T = 1709294400;  // 2024-03-01 12:00:00 UTC

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string joined(const std::vector<std::string>& v) {
  std::string out;
  for (const std::string& s : v) out += " [" + s + "]";
  return out;
}

struct Case {
  const char* what;
  std::vector<std::string> args;  // "<ROOT>/" stands for the test directory
  int exitCode;
  std::vector<std::string> stderrLines;  // each must be a whole line of standard error
  const char* output;                    // the output file that exists before the run
  bool outputKept;                       // its bytes afterwards: kept, or replaced by a result
};

class AutomaticFailures : public ::testing::Test {
 protected:
  void SetUp() override {
    t.file("new/same.txt", "unchanged", T);
    t.file("old/same.txt", "unchanged", T);
    t.file("new/changed.txt", "new text", T);
    t.file("old/changed.txt", "old text", T);
    t.file("empty.zip", "");
    ASSERT_EQ(test::runShell(test::programCommand(t.root(), {"-A", "-L", "old", "-O:old.snp"})).exitCode, 0);
  }

  std::string read(const std::string& relative) {
    std::stringstream s;
    s << std::ifstream(t.path(relative), std::ios::binary).rdbuf();
    return s.str();
  }

  std::string withRoot(std::string text) {
    for (std::size_t at; (at = text.find("<ROOT>/")) != std::string::npos;) text.replace(at, 7, t.root());
    return text;
  }

  // Runs the case with its output file holding kFormer beforehand; prefix runs the
  // program under another command (a namespace).
  void check(const Case& k, const std::string& prefix = "") {
    std::string inputs = k.what + std::string(":") + joined(k.args);
    SCOPED_TRACE(inputs);
    if (std::string(k.output) != "/dev/full") t.file(k.output, kFormer);
    std::vector<std::string> args;
    for (const std::string& a : k.args) args.push_back(withRoot(a));
    const std::string command = test::programCommand(t.root(), args) + " 2>&1 >/dev/null";
    const test::ProgramResult r =
        test::runShell(prefix.empty() ? command : prefix + " sh -c " + test::shellQuote(command));
    EXPECT_EQ(r.exitCode, k.exitCode) << r.out;
    const std::vector<std::string> lines = linesOf(r.out);
    for (const std::string& expected : k.stderrLines) {
      const std::string line = withRoot(expected);
      EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << "missing line: " << line << "\n" << r.out;
    }
    if (std::string(k.output) == "/dev/full") return;
    if (k.outputKept)
      EXPECT_EQ(read(k.output), kFormer);
    else
      EXPECT_NE(read(k.output), kFormer);
    std::set<std::string> leftovers;
    for (const auto& e : std::filesystem::directory_iterator(t.root()))
      if (e.path().filename().string().rfind(".out", 0) == 0) leftovers.insert(e.path().filename().string());
    EXPECT_TRUE(leftovers.empty()) << "temporary files left:" << leftovers.size();
  }

  test::TempTree t;
};

TEST_F(AutomaticFailures, AnIncompleteRunWritesNothing) {
  const Case cases[] = {
      {"command-line error",
       {"-A", "-O:out.txt", "new", "old", "-K"},
       1,
       {"quorvane: Error: Unknown switch : /K", "quorvane: nothing was written to out.txt"},
       "out.txt",
       true},
      {"a set that fails validation",
       {"-A", "new", "missing", "-O:out.txt"},
       1,
       {"Error for OLD directory (does not exist ?) :", "quorvane:   <ROOT>/missing/: No such file or directory",
        "quorvane: nothing was written to out.txt"},
       "out.txt",
       true},
      {"a reader error in snapshot mode",
       {"-A", "-L", "empty.zip", "-O:out.snp"},
       1,
       {"quorvane: Error: Archive too small to contain any Signature", "quorvane:   <ROOT>/empty.zip",
        "quorvane: nothing was written to out.snp"},
       "out.snp",
       true},
      {"a reader error when appending",
       {"-A", "empty.zip", "old", "-OA:out.txt"},
       1,
       {"quorvane: Error: Archive too small to contain any Signature", "quorvane: nothing was written to out.txt"},
       "out.txt",
       true},
      {"an output that takes no byte",
       {"-A", "new", "old", "-O:/dev/full"},
       1,
       {"quorvane: Error: Error writing to :", "quorvane:   /dev/full: No space left on device"},
       "/dev/full",
       true},
      {"an output in a missing directory",
       {"-A", "new", "old", "-O:no/such/dir/out.txt"},
       1,
       {"quorvane:   no/such/dir/out.txt: No such file or directory"},
       "out.txt",
       true},
      {"an empty Old set name",
       {"-A", "new", "", "-O:out.txt"},
       1,
       {"quorvane: Error: The OLD set name (parameter 2) is empty.", "quorvane: nothing was written to out.txt"},
       "out.txt",
       true},
      {"an empty New set name in snapshot mode",
       {"-A", "-L", "", "-O:out.snp"},
       1,
       {"quorvane: Error: The NEW set name (parameter 1) is empty."},
       "out.snp",
       true},
      {"the output is the Old snapshot",
       {"-A", "new", "old.snp", "-O:old.snp"},
       1,
       {"quorvane: Error: The output file is the OLD set :", "quorvane: nothing was written to old.snp"},
       "out.txt",
       true},
      {"the output is the New archive under another name",
       {"-A", "<ROOT>/empty.zip", "old", "-O:./empty.zip"},
       1,
       {"quorvane: Error: The output file is the NEW set :"},
       "out.txt",
       true},
      {"a mistyped absolute path is a missing set, not the switch /D",
       {"-A", "new", "/Data-quorvane-nowhere", "-O:out.txt"},
       1,
       {"Error for OLD directory (does not exist ?) :", "/Data-quorvane-nowhere/ [Abort]"},
       "out.txt",
       true},
      {"a complete run replaces the output",
       {"-A", "new", "old", "-O:out.txt"},
       2,
       {},
       "out.txt",
       false},
  };
  for (const Case& k : cases) check(k);
  // The sets the refused outputs named are untouched.
  EXPECT_EQ(read("old.snp").rfind("[Pelto LIST]\r\n", 0), 0u);
  EXPECT_EQ(read("empty.zip"), "");
}

TEST_F(AutomaticFailures, AReplacedOutputKeepsItsModeAndItsLink) {
  t.file("keep/report.txt", kFormer);
  ASSERT_EQ(::chmod(t.path("keep/report.txt").c_str(), 0640), 0);
  t.symlink("keep/report.txt", "link.txt");
  const test::ProgramResult r = test::runShell(test::programCommand(t.root(), {"-A", "new", "old", "-O:link.txt"}));
  EXPECT_EQ(r.exitCode, 2);
  struct stat st {};
  ASSERT_EQ(lstat(t.path("link.txt").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(t.path("keep/report.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(read("keep/report.txt").rfind("[Quorvane DIFF file]\r\n", 0), 0u);
}

// Cases that need a root that cannot be listed or a small file system: run in a user
// namespace, where root is an ordinary user to the files it does not own.
TEST_F(AutomaticFailures, UnlistableRootsAndFullDisks) {
  if (test::runShell("unshare -Urm true 2>/dev/null").exitCode != 0) GTEST_SKIP() << "no user namespaces (unshare -Urm)";
  t.dir("locked");
  t.file("locked/a.txt", "hidden from the run");
  ASSERT_EQ(::chmod(t.path("locked").c_str(), 0), 0);
  const Case unlistable{"an Old root that exists but cannot be listed",
                        {"-A", "new", "locked", "-O:out.txt"},
                        1,
                        {"Error for OLD directory (does not exist ?) :",
                         "quorvane:   <ROOT>/locked/: Permission denied", "quorvane: nothing was written to out.txt"},
                        "out.txt",
                        true};
  check(unlistable, "unshare -U");
  ::chmod(t.path("locked").c_str(), 0755);

  // A directory where no temporary file can be made: the file is written in place.
  t.file("ro/out.txt", kFormer);
  ::chmod(t.path("ro/out.txt").c_str(), 0666);
  ::chmod(t.path("ro").c_str(), 0555);
  const std::string inPlace = test::programCommand(t.root(), {"-A", "new", "old", "-O:ro/out.txt"});
  EXPECT_EQ(test::runShell("unshare -U sh -c " + test::shellQuote(inPlace)).exitCode, 2);
  EXPECT_EQ(read("ro/out.txt").rfind("[Quorvane DIFF file]\r\n", 0), 0u);
  ::chmod(t.path("ro").c_str(), 0755);

  // A disk that fills up part-way: a report and a snapshot far larger than 16 KiB.
  for (int i = 0; i < 400; ++i) t.file("big/file-with-a-long-name-" + std::to_string(i) + ".txt", "x", T);
  struct Full {
    std::vector<std::string> args;
    const char* output;
  } fulls[] = {
      {{"-A", "big", "old", "-O:small/out.txt"}, "small/out.txt"},
      {{"-A", "big", "old", "-OA:small/out.txt"}, "small/out.txt"},
      {{"-A", "-L", "big", "-O:small/out.snp"}, "small/out.snp"},
  };
  t.dir("small");
  for (const Full& f : fulls) {
    SCOPED_TRACE(joined(f.args));
    t.file("former", kFormer);
    const std::string small = test::shellQuote(t.path("small"));
    const std::string script = "mount -t tmpfs -o size=16k tmpfs " + small + " && cp " +
                               test::shellQuote(t.path("former")) + " " + test::shellQuote(t.path(f.output)) + " && " +
                               test::programCommand(t.root(), f.args) + " 2>&1 >/dev/null; rc=$?; cp " +
                               test::shellQuote(t.path(f.output)) + " " + test::shellQuote(t.path("after")) +
                               "; ls -A " + small + " > " + test::shellQuote(t.path("listing")) + "; exit $rc";
    const test::ProgramResult r = test::runShell("unshare -Urm sh -c " + test::shellQuote(script));
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find("No space left on device"), std::string::npos) << r.out;
    EXPECT_EQ(read("after"), kFormer);
    EXPECT_EQ(read("listing"), std::string(f.output).substr(6) + "\n") << "nothing but the output is left";
  }
}

}  // namespace
}  // namespace quorvane
