// Runs the quorvane program on runs that complete but were not able to compare everything
// they were asked to: the output is written, each problem is one line on standard error,
// and the exit code is 1 where the sets would otherwise count as identical.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_tree.h"

namespace quorvane {
namespace {

std::string quote(const std::string& s) {
  std::string q = "'";
  for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " ") + quote(item);
  return text;
}

class RunProblemsTest : public ::testing::Test {
 protected:
  RunProblemsTest() {
    t.file("new/sub/a.txt", "same");
    t.file("old/sub/a.txt", "same");
    t.file("new/line\nbreak.txt", "same");
    t.file("old/line\nbreak.txt", "same");
  }

  // Exit code; standard error in `errors`.
  int run(const std::vector<std::string>& args, std::string& errors) {
    const std::string errorFile = t.path("stderr.txt");
    std::string command = "cd " + quote(t.root()) + " && TZ=UTC QUORVANE_INI=" + quote(t.path("Quorvane.ini")) +
                          " QT_QPA_PLATFORM=offscreen " + quote(QUORVANE_BINARY) + " " + joined(args) +
                          " >/dev/null 2>" + quote(errorFile);
    const int status = std::system(command.c_str());
    errors = read("stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string read(const std::string& relative) {
    std::stringstream s;
    s << std::ifstream(t.path(relative), std::ios::binary).rdbuf();
    return s.str();
  }

  test::TempTree t;
};

TEST_F(RunProblemsTest, WhatWasNotComparedEndsTheRunWithOne) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    int exitCode;
    std::string problemLine;  // a line of standard error; empty: no "quorvane: " line but warnings
    const char* output;       // the output file, which is written in every case
    const char* outputStart;
  } cases[] = {
      {"identical trees, names with line breaks shown as ?", {"-A", "new", "old", "-O:r.txt"}, 0, "",
       "r.txt", "[Quorvane DIFF file]"},
      {"an include mask holding a path", {"-A", "new", "old", "sub/*.txt", "-O:r.txt"}, 1,
       "quorvane: sub/*.txt: include wildcard refused (it holds \"/\", \"\\\" or a control character), reset to "
       "\"*.*\"",
       "r.txt", "[Quorvane DIFF file]"},
      {"an exclude mask holding a path", {"-A", "new", "old", "*.*", "*.bak;x\\y", "-O:r.txt"}, 1,
       "quorvane: x\\y: exclude wildcard refused (it holds \"/\", \"\\\" or a control character), every exclude "
       "wildcard discarded",
       "r.txt", "[Quorvane DIFF file]"},
      {"an include directory in neither tree", {"-A", "--IncludeDirs:sub;nosuch", "new", "old", "-O:r.txt"}, 1,
       "quorvane: nosuch: include directory found in neither set", "r.txt", "[Quorvane DIFF file]"},
      {"every include directory found", {"-A", "--IncludeDirs:sub", "new", "old", "-O:r.txt"}, 0, "", "r.txt",
       "[Quorvane DIFF file]"},
      {"a snapshot leaving a name out", {"-A", "-L", "new", "-O:s.snp"}, 1,
       "quorvane: line?break.txt: left out of the snapshot: the name holds a line break", "s.snp",
       "[Pelto LIST]"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.what) + ": quorvane " + joined(k.args));
    std::remove(t.path(k.output).c_str());
    std::string errors;
    EXPECT_EQ(run(k.args, errors), k.exitCode) << errors;
    if (k.problemLine.empty()) {
      EXPECT_EQ(errors, "");
    } else {
      EXPECT_NE(("\n" + errors).find("\n" + k.problemLine + "\n"), std::string::npos) << errors;
    }
    EXPECT_EQ(read(k.output).rfind(k.outputStart, 0), 0u) << read(k.output);
  }
}

}  // namespace
}  // namespace quorvane
