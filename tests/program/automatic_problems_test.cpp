// The automatic mode's answer when a run completed but could not compare everything: the
// output is written, and the exit code is 1 however the rest compared.
#include <gtest/gtest.h>

#include <cstdlib>

#include "program/startup.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/scripted_file_reader.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

struct CountingWriters : ResultWriters {
  int reports = 0;
  bool WriteDiffReport(Program&, const std::string&, bool) override { return ++reports, true; }
  bool WriteSnapshot(Program&, const std::string&, bool) override { return true; }
};

TEST(AutomaticProblems, AFileUnreadableOnBothSidesEndsWithOneNotIdentical) {
  test::TempTree t;
  const std::string ini = t.path("Quorvane.ini");
  setenv("QUORVANE_INI", ini.c_str(), 1);
  t.file("new/a.txt", "abc");
  t.file("old/a.txt", "abc");
  t.file("new/bad.txt", "abc");
  t.file("old/bad.txt", "abc");

  struct Case {
    const char* what;
    std::vector<std::string> unreadable;
    int exitCode;
    std::size_t problems;
  } cases[] = {
      {"everything read", {}, 0, 0},
      {"bad.txt unreadable on both sides", {"bad.txt"}, 1, 2},
  };
  for (const Case& k : cases) {
    test::RecordingUserInterface ui(nullptr);
    SetSourceReaders readers;
    CountingWriters writers;
    Program program(ui, readers, writers);
    auto reader = std::make_unique<test::ScriptedReader>();
    reader->shared->unreadable = k.unreadable;
    program.comparison.Reader = std::move(reader);
    DoInits(program, {"-A", t.path("new"), t.path("old"), "-O:" + t.path("r.txt")});
    ASSERT_TRUE(program.ended) << k.what;
    EXPECT_EQ(program.exitCode, k.exitCode) << k.what;
    EXPECT_EQ(writers.reports, 1) << k.what;  // the run completed: its report is written
    EXPECT_EQ(program.comparison.Problems.Count(), k.problems) << k.what;
  }
  unsetenv("QUORVANE_INI");
}

}  // namespace
}  // namespace quorvane
